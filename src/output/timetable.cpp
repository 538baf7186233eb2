#include "output/timetable.h"

#include "output/infosheet.h"
#include "storage/layout.h"
#include "storage/record.h"
#include "storage/recordview.h"
#include "storage/textfield.h"

namespace Timetable {

namespace {

using namespace Report;

const QColor LightSteelBlue(0xB0, 0xC4, 0xDE);
const QColor Beige(0xF5, 0xF5, 0xDC);
const QColor Gold(0xFF, 0xD7, 0x00);

// A box under the rows: its heading on a beige bar, its value framed below.
void titledBox(Template& t, const char* bar, const char* heading, const char* frame, const char* value, double left,
               double width, const char* text)
{
    t.add(rectangle(QLatin1String(bar), left, 106, width, 5.8, Beige));
    t.add(box(QLatin1String(heading), left + 1, 107, width - 2, 4.2, 9, HAlign::Centre, QLatin1String(text)));
    t.add(rectangle(QLatin1String(frame), left, 112, width, 6.6));
    t.add(box(QLatin1String(value), left + 1, 113, width - 2, 4.4, 9, HAlign::Centre));
}

// A line across the page: its heading above, its value framed below.
void wideBox(Template& t, const char* heading, const char* frame, const char* value, double top, const char* text,
             HAlign headingAlign = HAlign::Left)
{
    t.add(box(QLatin1String(heading), 2, top, 273, 4.2, 9, headingAlign, QLatin1String(text)));
    t.add(rectangle(QLatin1String(frame), 1, top + 5, 275, 6.6));
    t.add(box(QLatin1String(value), 3, top + 6, 271.5, 4.4, 9, HAlign::Left));
}

}  // namespace

Object box(const QString& name, double left, double top, double width, double height, double pointSize, HAlign align,
           const QString& text)
{
    Object o = textBox(name, left, top, width, height, text, QStringLiteral("Arial"), pointSize);
    o.vAlign = VAlign::Centre;
    o.hAlign = align;
    o.wordWrap = false;
    o.expressions = false;
    return o;
}

Template page(const QString& name)
{
    Template t;
    t.name = name;
    t.previewButtons = StandardPreview;
    t.page = Page::a4(Orientation::Landscape, 10);
    return t;
}

void addTimeColumns(Template& t, const TimeColumns& c)
{
    t.add(rectangle(QStringLiteral("Shape1"), 1, 10, 275, 5.8, LightSteelBlue));
    t.add(box(QStringLiteral("infInizio"), 2, 11, c.width, 4.2, c.headingPointSize, HAlign::Centre, c.startHeading));
    t.add(box(QStringLiteral("infFine"), c.endLeft, 11, c.width, 4.2, c.headingPointSize, HAlign::Centre,
              c.endHeading));
    for (int r = 1; r <= Rows; ++r) {
        t.add(rectangle(QStringLiteral("Shape%1").arg(r + 1), 1, rowTop(r) - 1, 275, 6.6));
        t.add(box(layout::numberedName("titInizio", r), 2, rowTop(r), c.width, 4.4, 9, HAlign::Centre));
        t.add(box(layout::numberedName("titFine", r), c.endLeft, rowTop(r), c.width, 4.4, 9, HAlign::Centre));
    }
    t.add(verticalLine(QStringLiteral("Line2"), c.startRule, 10, 89.6));
    t.add(verticalLine(QStringLiteral("Line1"), c.endRule, 10, 89.6));
}

void addLowerPart(Template& t)
{
    titledBox(t, "Shape14", "Memo2", "Shape15", "titPeriodo", 1, 129, "PERIODO VALIDITA'");
    titledBox(t, "Shape16", "Memo36", "Shape17", "titSede", 135, 141, "SEDE OPERATIVA");
    addClosingPart(t);
}

void addSiteAcross(Template& t)
{
    t.add(rectangle(QStringLiteral("Shape16"), 1, 106, 275, 5.8, Beige));
    wideBox(t, "Memo36", "Shape17", "titSede", 107, "SEDE OPERATIVA", HAlign::Centre);
}

void addClosingPart(Template& t)
{
    wideBox(t, "Memo35", "Shape19", "titDisposizioni", 125, "DISPOSIZIONI ORGANIZZATIVE");
    wideBox(t, "Memo37", "Shape21", "titAnnotazioni", 142, "ANNOTAZIONI");

    t.add(box(QStringLiteral("Memo38"), 200, 159, 74, 4.2, 9, HAlign::Left, QStringLiteral("FIRMA DEL RESPONSABILE:")));
    t.add(horizontalLine(QStringLiteral("Line3"), 200, 175, 75));

    // The footer: the one text box not centred vertically.
    t.add(rectangle(QStringLiteral("Shape23"), 1, 182, 275, 5.8, Gold));
    Object calce = box(QStringLiteral("txtCalce"), 2, 183, 273, 4.2, 8, HAlign::Centre,
                       QStringLiteral("Data e ora stampa"));
    calce.vAlign = VAlign::Top;
    t.add(calce);
}

void fillSheet(Template& sheet, const Record& record, const QStringList& headFields, const QStringList& rowStems,
               const QDateTime& moment, const QString& timeFormat)
{
    const auto put = [&](const QString& field) {
        sheet.object(QStringLiteral("tit") + field).setText(TextField::trimmed(record.text(field)));
    };
    sheet.page.setOrientation(Orientation::Landscape);
    for (const QString& field : headFields)
        put(field);
    for (int r = 1; r <= Rows; ++r)
        for (const QString& stem : rowStems)
            put(layout::numberedName(stem, r));
    sheet.object(QStringLiteral("txtCalce")).setText(InfoSheet::footerText(moment, timeFormat));
}

QStringList exportCells(const RecordView& record, const QStringList& headFields, const QString& rowField, int rows)
{
    const auto field = [&record](const QString& name) { return TextField::trimmed(record.text(name)); };
    QStringList cells;
    for (const QString& name : headFields)
        cells << field(name);
    for (int r = 1; r <= rows; ++r) {
        cells << QStringLiteral("Dalle ") + field(layout::numberedName(u"Inizio", r)) + QStringLiteral(" alle ")
                     + field(layout::numberedName(u"Fine", r));
        cells << field(layout::numberedName(rowField, r));
    }
    cells << field(QStringLiteral("Annotazioni"));
    return cells;
}

QList<Spreadsheet::HeaderCell> exportHeader(const QList<Spreadsheet::HeaderCell>& head, const QString& rowTitle,
                                            int rowWidth, int rows)
{
    QList<Spreadsheet::HeaderCell> header = head;
    for (int r = 1; r <= rows; ++r) {
        header.push_back({QStringLiteral("Orario %1").arg(r), 200});
        header.push_back({rowTitle + QStringLiteral(" %1").arg(r), rowWidth});
    }
    header.push_back({QStringLiteral("Annotazioni"), 350});
    return header;
}

QList<Spreadsheet::HeaderCell> gridColumns(const QList<Spreadsheet::HeaderCell>& exported)
{
    return QList<Spreadsheet::HeaderCell>{{QStringLiteral("N."), 50}} + exported;
}

}  // namespace Timetable
