#include "shifts/weeklysheet.h"

#include "app/dates.h"
#include "output/timetable.h"
#include "shifts/shiftrecords.h"
#include "shifts/weeklyrules.h"
#include "storage/layout.h"
#include "storage/record.h"
#include "storage/textfield.h"

#include <array>
#include <utility>

namespace WeeklySheet {

using namespace Report;
using Timetable::box;
using Timetable::rowTop;

static_assert(shifts::kRows == Timetable::Rows);

namespace {

// A day's column: its heading and the left edges of the heading and of the
// cells, which do not always line up.
struct DayColumn {
    const char* heading;
    const char* title;
    double headingLeft;
    double cellLeft;
};

// Monday to Sunday, in the order of weekly::kDays.
constexpr std::array<DayColumn, 7> kColumns = {{
    {"Memo6", "LUNEDI'", 39, 39},
    {"Memo1", "MARTEDI'", 72.8, 73},
    {"Memo5", "MERCOLEDI'", 107, 107},
    {"Memo4", "GIOVEDI'", 141, 141},
    {"Memo3", "VENERDI'", 175, 175},
    {"Memo2", "SABATO", 209, 209},
    {"infAttivita", "DOMENICA", 243, 243.2},
}};
static_assert(kColumns.size() == weekly::kDays.size());

constexpr double DayWidth = 32;

// The rules before Tuesday ... Sunday.
constexpr std::array<std::pair<const char*, double>, 6> kDayRules = {{
    {"Line9", 72}, {"Line8", 106}, {"Line7", 140}, {"Line6", 174.2}, {"Line5", 208}, {"Line4", 242},
}};

}  // namespace

Template design()
{
    Template t = Timetable::page(QStringLiteral("Turno di Lavoro"));
    t.add(box(QStringLiteral("titNome"), 1, 1, 157.8, 7.2, 12, HAlign::Left, QStringLiteral("NOME TURNO")));
    t.add(box(QStringLiteral("titData"), 160, 1, 115.8, 7.2, 12, HAlign::Right,
              QStringLiteral("SETTIMANA DAL  GG/MM/AAAA  AL  GG/MM/AAAA ")));

    // The rows: narrow start and end columns, then a column for each day.
    Timetable::TimeColumns times;
    times.width = 16;
    times.endLeft = 20.2;
    times.startRule = 19;
    times.endRule = 37.2;
    times.startHeading = QStringLiteral("Dalle ore");
    times.endHeading = QStringLiteral("Alle ore");
    times.headingPointSize = 8;
    Timetable::addTimeColumns(t, times);
    for (const DayColumn& day : kColumns)
        t.add(box(QLatin1String(day.heading), day.headingLeft, 11, DayWidth, 4.2, 9, HAlign::Centre,
                  QLatin1String(day.title)));
    // Only the Sunday heading is red; its cells are black like the others.
    t.object(QLatin1String(kColumns.back().heading)).colour = Qt::red;
    for (int r = 1; r <= shifts::kRows; ++r)
        for (std::size_t d = 0; d < kColumns.size(); ++d)
            t.add(box(QStringLiteral("tit") + layout::numberedName(weekly::kDays[d], r), kColumns[d].cellLeft,
                      rowTop(r), DayWidth, 4.4, 9, HAlign::Left));
    for (const auto& [name, left] : kDayRules)
        t.add(verticalLine(QLatin1String(name), left, 10, 89.6));

    Timetable::addSiteAcross(t);
    Timetable::addClosingPart(t);
    return t;
}

void fill(Template& sheet, const Record& table, const QDateTime& moment, const QString& timeFormat)
{
    QStringList rowStems{QStringLiteral("Inizio"), QStringLiteral("Fine")};
    for (const char* day : weekly::kDays)
        rowStems << QString::fromLatin1(day);
    Timetable::fillSheet(sheet, table, {"Nome", "Sede", "Disposizioni", "Annotazioni"}, rowStems, moment,
                         timeFormat);
    sheet.object(QStringLiteral("titData"))
        .setText(QStringLiteral("SETTIMANA DAL  ") + TextField::trimmed(table.text(u"DataInizio"))
                 + QStringLiteral("  AL  ") + TextField::trimmed(table.text(u"DataFine")) + QLatin1Char(' '));
}

Template filled(const Record& table, const QString& timeFormat)
{
    Template sheet = design();
    fill(sheet, table, Clock::now(), timeFormat);
    return sheet;
}

}  // namespace WeeklySheet
