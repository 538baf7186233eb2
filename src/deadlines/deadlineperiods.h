#pragma once
// The deadline grids and their spreadsheet files: the imminent deadlines, the
// deadlines of a day and of a month (in order of date and time) and the whole
// archive of a year (in archive order).

#include "output/spreadsheet.h"
#include "storage/archiveerror.h"
#include "storage/recordview.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace deadlines {

// A deadline due on `due` with `noticeDays` of notice is imminent from
// noticeDays before the due date up to and including the due date.
bool isImminent(const QDate& due, int noticeDays, const QDate& today);

// "gennaio" ... "dicembre" for 1 ... 12.
QString monthNameLower(int month);

// The four grids.
enum class Period { Imminent, Day, Month, Archive };

// A column of a grid: its header and width in pixels.
struct GridColumn {
    QString title;
    int width;
};
// The grid's columns: 0 "N.", 1 to 19 the fields, 20 "Codice univoco" for the
// three period lists only. The daily list titles column 5 "Tessera n.".
QList<GridColumn> gridColumns(Period period);

// One row of a grid.
struct Row {
    int number = 0;     // column 0: the ordinal of reading (position in the archive for the whole archive)
    QStringList cells;  // columns 1 to 19
    QString key;        // column 20: mmddhhmm; empty in the whole archive
};
inline constexpr int kFieldColumns = 19;

// Columns 1 to 19 of a deadline, each field trimmed; a flag shows the text it
// holds, whatever that is.
QStringList rowCells(const RecordView& deadline);
// "Codice univoco": the month from `Data` (its 4th and 5th characters), then
// `Giorno`, `OreApp` and `MinutiApp`.
QString sortKey(const RecordView& deadline);

// Every list reads its archive with the open-or-create rule: a missing
// archive is created empty. A file failure stops the reading: the rows read
// so far stay, unsorted, and the failure goes to `failure` when one is given
// (a grid passes over it; an export must not write a file from part of an
// archive).
using Failure = std::optional<ArchiveError>;

// The deadlines of the archive at `path` imminent on `today`; a record whose
// `Data` or `Avviso` cannot be read is left out.
QList<Row> imminentRows(const QString& path, const QDate& today, Failure* failure = nullptr);
// The deadlines whose `Data` is `date`, from the archive of its year in the data folder.
QList<Row> dayRows(const QDate& date, Failure* failure = nullptr);
// The deadlines whose `Mese` (any case) and `Anno` are the month and year of
// `date`, from the archive of its year in the data folder.
QList<Row> monthRows(const QDate& date, Failure* failure = nullptr);
// Every deadline of the archive at `path`, in archive order, numbered by position.
QList<Row> archiveRows(const QString& path, Failure* failure = nullptr);

// The rows and the data folder's archive of each list as the windows fill them.
// The imminent list reads the archive of today's year (Clock service).
QString archivePathOfYear(int year);
QList<Row> currentImminentRows(Failure* failure = nullptr);

// The spreadsheet file of each grid.
struct ExportFile {
    const char* fileName;
    const char* worksheet;
};
ExportFile exportFile(Period period);
// The file's header cells: columns 1 to 19, and 20 for the period lists.
QList<Spreadsheet::HeaderCell> exportHeader(Period period);
// The file's content: one data row per grid row, in the grid's order. The
// table shares the rows (no copy), so it may outlive the caller's list.
Spreadsheet::Table exportTable(Period period, const QList<Row>& rows);
// Writes the file into the data folder, replacing an earlier one only with
// the complete new file; false with the reason in `error`.
bool writeExport(Period period, const QList<Row>& rows, QString* error = nullptr);
// Write the same files straight from the archives while reading them, with
// the bytes writeExport() gives for the rows above, holding no row: a period
// list (imminent on `date`, of the day or of the month of `date`, from the
// archive of its year) holds only where each of its deadlines lies, to write
// them in order; the whole archive at `path` goes out as it is read. An
// archive that cannot be read all through writes no file (false, with the
// failure in `failure`); false with the reason in `error` when the file
// cannot be written.
bool writePeriodExport(Period period, const QDate& date, Failure* failure, QString* error = nullptr);
bool writeArchiveExport(const QString& path, Failure* failure, QString* error = nullptr);

}  // namespace deadlines
