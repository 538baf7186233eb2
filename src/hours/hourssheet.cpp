#include "hours/hourssheet.h"

#include "app/dates.h"
#include "hours/hoursrecord.h"
#include "output/timetable.h"
#include "storage/layout.h"

namespace HoursSheet {

using namespace Report;
using Timetable::box;
using Timetable::rowTop;

static_assert(hours::kSlots == Timetable::Rows);

Template design()
{
    Template t = Timetable::page(QStringLiteral("Orario di Lavoro"));
    t.add(box(QStringLiteral("titNome"), 1, 1, 274.8, 7.2, 12, HAlign::Centre, QStringLiteral("NOME TURNO")));

    // The slot table: start, end and the activity across the rest of the row.
    Timetable::addTimeColumns(t);
    t.add(box(QStringLiteral("infAttivita"), 70, 11, 205, 4.2, 9, HAlign::Centre,
              QStringLiteral("ATTIVITA' DA SVOLGERE")));
    for (int k = 1; k <= hours::kSlots; ++k)
        t.add(box(layout::numberedName("titAttivita", k), 71, rowTop(k), 203.5, 4.4, 9, HAlign::Left));

    Timetable::addLowerPart(t);
    return t;
}

void fill(Template& sheet, const Record& hours, const QDateTime& moment, const QString& timeFormat)
{
    Timetable::fillSheet(sheet, hours, {"Nome", "Periodo", "Sede", "Disposizioni", "Annotazioni"},
                         {"Inizio", "Fine", "Attivita"}, moment, timeFormat);
}

Template filled(const Record& hours, const QString& timeFormat)
{
    Template sheet = design();
    fill(sheet, hours, Clock::now(), timeFormat);
    return sheet;
}

}  // namespace HoursSheet
