#include "hours/hourssheet.h"

#include "app/dates.h"
#include "hours/hoursrecord.h"
#include "output/infosheet.h"
#include "storage/record.h"
#include "storage/textfield.h"

namespace HoursSheet {

namespace {

using namespace Report;

const QColor LightSteelBlue(0xB0, 0xC4, 0xDE);
const QColor Beige(0xF5, 0xF5, 0xDC);
const QColor Gold(0xFF, 0xD7, 0x00);

QString numbered(const char* stem, int k)
{
    return QLatin1String(stem) + QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
}

enum class Centred { Vertically, BothWays };

// A text box of the sheet: Arial, black, one line clipped at its right edge,
// taken as it is (no expressions).
Object box(const QString& name, double left, double top, double width, double height, double pointSize,
           Centred centred, const QString& text = {})
{
    Object o = textBox(name, left, top, width, height, text, QStringLiteral("Arial"), pointSize);
    o.vAlign = VAlign::Centre;
    o.hAlign = centred == Centred::BothWays ? HAlign::Centre : HAlign::Left;
    o.wordWrap = false;
    o.expressions = false;
    return o;
}

// A titled box below the slots: its heading on a beige bar, then the value
// framed under it.
void titledBox(Template& t, const char* name, double left, double width, const char* heading)
{
    const QString stem = QLatin1String(name);
    t.add(rectangle(QStringLiteral("shpTitolo") + stem, left, 106, width, 5.8, Beige));
    t.add(box(QStringLiteral("inf") + stem, left + 1, 107, width - 2, 4.2, 9, Centred::BothWays,
              QLatin1String(heading)));
    t.add(rectangle(QStringLiteral("shpValore") + stem, left, 112, width, 6.6));
    t.add(box(QStringLiteral("tit") + stem, left + 1, 113, width - 2, 4.4, 9, Centred::BothWays));
}

// A full-width line of text: its heading above, the value framed under it.
void wideBox(Template& t, const char* name, double top, const char* heading)
{
    const QString stem = QLatin1String(name);
    t.add(box(QStringLiteral("inf") + stem, 2, top, 273, 4.2, 9, Centred::Vertically, QLatin1String(heading)));
    t.add(rectangle(QStringLiteral("shpValore") + stem, 1, top + 5, 275, 6.6));
    t.add(box(QStringLiteral("tit") + stem, 3, top + 6, 271.5, 4.4, 9, Centred::Vertically));
}

QString field(const Record& r, const QString& name)
{
    return TextField::trimmed(r.text(name));
}

}  // namespace

Template design()
{
    Template t;
    t.name = QStringLiteral("Orario di Lavoro");
    t.previewButtons = StandardPreview;
    t.page = Page::a4(Orientation::Landscape, 10);

    t.add(box(QStringLiteral("titNome"), 1, 1, 274.8, 7.2, 12, Centred::BothWays, QStringLiteral("NOME TURNO")));

    // The slot table: the heading bar, twelve framed rows, two column rules.
    t.add(rectangle(QStringLiteral("Shape1"), 1, 10, 275, 5.8, LightSteelBlue));
    t.add(box(QStringLiteral("infInizio"), 2, 11, 31.8, 4.2, 9, Centred::BothWays, QStringLiteral("DALLE ORE")));
    t.add(box(QStringLiteral("infFine"), 36, 11, 31.8, 4.2, 9, Centred::BothWays, QStringLiteral("ALLE ORE")));
    t.add(box(QStringLiteral("infAttivita"), 70, 11, 205, 4.2, 9, Centred::BothWays,
              QStringLiteral("ATTIVITA' DA SVOLGERE")));
    for (int k = 1; k <= hours::kSlots; ++k) {
        const double row = 7.0 * (k - 1);
        t.add(rectangle(numbered("shpRiga", k), 1, 16 + row, 275, 6.6));
        t.add(box(numbered("titInizio", k), 2, 17 + row, 31.8, 4.4, 9, Centred::BothWays));
        t.add(box(numbered("titFine", k), 36, 17 + row, 31.8, 4.4, 9, Centred::BothWays));
        t.add(box(numbered("titAttivita", k), 71, 17 + row, 203.5, 4.4, 9, Centred::Vertically));
    }
    t.add(verticalLine(QStringLiteral("Line2"), 35, 10, 89.6));
    t.add(verticalLine(QStringLiteral("Line1"), 69, 10, 89.6));

    titledBox(t, "Periodo", 1, 129, "PERIODO VALIDITA'");
    titledBox(t, "Sede", 135, 141, "SEDE OPERATIVA");
    wideBox(t, "Disposizioni", 125, "DISPOSIZIONI ORGANIZZATIVE");
    wideBox(t, "Annotazioni", 142, "ANNOTAZIONI");

    t.add(box(QStringLiteral("infFirma"), 200, 159, 74, 4.2, 9, Centred::Vertically,
              QStringLiteral("FIRMA DEL RESPONSABILE:")));
    t.add(horizontalLine(QStringLiteral("Line3"), 200, 175, 75));

    t.add(rectangle(QStringLiteral("shpCalce"), 1, 182, 275, 5.8, Gold));
    Object calce = box(QStringLiteral("txtCalce"), 2, 183, 273, 4.2, 8, Centred::BothWays,
                       QStringLiteral("Data e ora stampa"));
    calce.vAlign = VAlign::Top;
    t.add(calce);
    return t;
}

void fill(Template& sheet, const Record& hours, const QDateTime& moment, const QString& timeFormat)
{
    sheet.page.setOrientation(Orientation::Landscape);
    for (const char* name : {"Nome", "Periodo", "Sede", "Disposizioni", "Annotazioni"})
        sheet.object(QStringLiteral("tit") + QLatin1String(name)).setText(field(hours, QLatin1String(name)));
    for (int k = 1; k <= hours::kSlots; ++k)
        for (const char* stem : {"Inizio", "Fine", "Attivita"})
            sheet.object(QStringLiteral("tit") + numbered(stem, k)).setText(field(hours, numbered(stem, k)));
    sheet.object(QStringLiteral("txtCalce")).setText(InfoSheet::footerText(moment, timeFormat));
}

Template filled(const Record& hours, const QString& timeFormat)
{
    Template sheet = design();
    fill(sheet, hours, Clock::now(), timeFormat);
    return sheet;
}

}  // namespace HoursSheet
