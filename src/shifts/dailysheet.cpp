#include "shifts/dailysheet.h"

#include "app/dates.h"
#include "output/timetable.h"
#include "shifts/shiftrecords.h"
#include "storage/layout.h"
#include "storage/record.h"
#include "storage/textfield.h"

namespace DailySheet {

using namespace Report;
using Timetable::box;
using Timetable::rowTop;

static_assert(shifts::kRows == Timetable::Rows);

Template design()
{
    Template t = Timetable::page(QStringLiteral("Turno di Lavoro"));
    t.add(box(QStringLiteral("titNome"), 1, 1, 221.8, 7.2, 12, HAlign::Left, QStringLiteral("NOME TURNO")));
    t.add(box(QStringLiteral("titData"), 226, 1, 49.8, 7.2, 12, HAlign::Right, QStringLiteral("DATA: GG/MM/AAAA ")));

    // The rows: start, end, the workers and the activity.
    Timetable::addTimeColumns(t);
    t.add(box(QStringLiteral("Memo1"), 70, 11, 106.8, 4.2, 9, HAlign::Centre, QStringLiteral("TURNISTI")));
    t.add(box(QStringLiteral("infAttivita"), 180, 11, 94.5, 4.2, 9, HAlign::Centre,
              QStringLiteral("ATTIVITA' DA SVOLGERE")));
    for (int r = 1; r <= shifts::kRows; ++r) {
        // The first row's workers stand a little to the right of the others', as designed.
        t.add(box(layout::numberedName("titLavoratore", r), r == 1 ? 71.2 : 71, rowTop(r), 105.5, 4.4, 9,
                  HAlign::Left));
        t.add(box(layout::numberedName("titAttivita", r), 180, rowTop(r), 94.5, 4.4, 9, HAlign::Left));
    }
    t.add(verticalLine(QStringLiteral("Line4"), 178, 10, 89.6));

    Timetable::addLowerPart(t);
    return t;
}

void fill(Template& sheet, const Record& table, const QDateTime& moment, const QString& timeFormat)
{
    Timetable::fillSheet(sheet, table, {"Nome", "Periodo", "Sede", "Disposizioni", "Annotazioni"},
                         {"Inizio", "Fine", "Attivita", "Lavoratore"}, moment, timeFormat);
    sheet.object(QStringLiteral("titData"))
        .setText(QStringLiteral("DATA:  ") + TextField::trimmed(table.text(u"Data")) + QLatin1Char(' '));
}

Template filled(const Record& table, const QString& timeFormat)
{
    Template sheet = design();
    fill(sheet, table, Clock::now(), timeFormat);
    return sheet;
}

}  // namespace DailySheet
