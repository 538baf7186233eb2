#pragma once
// What the timetables share, the service-hours templates and the daily and
// weekly shift tables: their export's cells and the printed sheet. The sheet
// is an A4 landscape page with 10 mm margins, a table of twelve rows under a
// light steel blue heading band with the start and end columns, and under it
// the period and site boxes on beige bars (or the site alone across the
// page), the instructions and the notes, the signature line and the gold
// footer band. Each sheet adds its own title and its own columns.

#include "output/report.h"
#include "output/spreadsheet.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class Record;
class RecordView;

namespace Timetable {

inline constexpr int Rows = 12;
// The top of the text boxes of row `row` (1 to 12), in millimetres.
constexpr double rowTop(int row) { return 17.0 + 7.0 * (row - 1); }

// A text box of the sheets: Arial, black, one line clipped at its right edge,
// taken as it is (no expressions), centred vertically.
Report::Object box(const QString& name, double left, double top, double width, double height, double pointSize,
                   Report::HAlign align, const QString& text = {});

// An empty sheet named `name`: A4 landscape, 10 mm margins on every side,
// the preview buttons print, zoom, full screen and close.
Report::Template page(const QString& name);

// The start and end columns of the rows, in millimetres: both boxes as wide,
// the start box from 2 mm, the end box from `endLeft`, each followed by its
// rule. The defaults are the wide columns of the service-hours and daily
// sheets.
struct TimeColumns {
    double width = 31.8;
    double endLeft = 36;
    double startRule = 35;
    double endRule = 69;
    QString startHeading = QStringLiteral("DALLE ORE");
    QString endHeading = QStringLiteral("ALLE ORE");
    double headingPointSize = 9;
};

// The heading band `Shape1` with the two headings `infInizio` and `infFine`,
// the twelve row frames `Shape2` ... `Shape13` with their start and end
// boxes `titInizio`rr and `titFine`rr, and the column rules `Line2` (after
// the start) and `Line1` (after the end).
void addTimeColumns(Report::Template& sheet, const TimeColumns& columns = {});

// Everything under the rows: "PERIODO VALIDITA'" with `titPeriodo` and "SEDE
// OPERATIVA" with `titSede` side by side, then addClosingPart().
void addLowerPart(Report::Template& sheet);
// "SEDE OPERATIVA" on a beige bar across the page with `titSede` framed
// under it, left-aligned, in place of the period and site boxes.
void addSiteAcross(Report::Template& sheet);
// The end of the page: "DISPOSIZIONI ORGANIZZATIVE" with `titDisposizioni`,
// "ANNOTAZIONI" with `titAnnotazioni`, the signature line and the footer
// `txtCalce` ("Data e ora stampa").
void addClosingPart(Report::Template& sheet);

// Sets the page to landscape; every box "tit" + field takes the record's
// field trimmed, for the head fields and for rows 1 to 12 of the row stems
// ("Inizio" fills titInizio01 ... titInizio12); the footer tells `moment`,
// its time in the system's long format or in `timeFormat`.
void fillSheet(Report::Template& sheet, const Record& record, const QStringList& headFields,
               const QStringList& rowStems, const QDateTime& moment, const QString& timeFormat);

// The exported cells of a record: the head fields, then for rows 1 to
// `rows` the time band "Dalle " + start + " alle " + end (built also when
// both are empty) and the row's `rowField`, then the notes; each field trimmed.
QStringList exportCells(const RecordView& record, const QStringList& headFields, const QString& rowField, int rows);
// The header of such an export: the head's cells, then for rows 1 to `rows`
// "Orario " + row (200 pixels) and `rowTitle` + " " + row (`rowWidth`
// pixels), then "Annotazioni" (350 pixels).
QList<Spreadsheet::HeaderCell> exportHeader(const QList<Spreadsheet::HeaderCell>& head, const QString& rowTitle,
                                            int rowWidth, int rows);
// An export window's grid: the "N." column (the record's position), then
// the file's columns.
QList<Spreadsheet::HeaderCell> gridColumns(const QList<Spreadsheet::HeaderCell>& exported);

}  // namespace Timetable
