#pragma once
// The daily shift tables without any window: the yearly archive's place, the
// checks before a save, the workers a member import builds, the search with
// the line each table shows in it, and the export's grid and spreadsheet file.

#include "output/resultlist.h"
#include "output/spreadsheet.h"
#include "storage/archiveerror.h"
#include "storage/recordview.h"
#include "storage/savecheck.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class Record;

namespace daily {

// <data folder>/<year>.ore, the year trimmed.
QString archivePath(const QString& year);

inline const QString NameRequired =
    QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il nome identificativo della tabella "
                   "dei turni.");
inline const QString DateRequired =
    QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare la data a cui si riferiscono i turni "
                   "di lavoro.");
// The name first, then the date: each must not be empty once trimmed.
std::optional<SaveCheck::Refusal> checkForSave(const SaveCheck::FieldTexts& texts);

// A row's workers after importing `member` (its Tesserato): the member alone
// into an empty row, otherwise appended after ", ". Both trimmed; the result
// is not cut (storing cuts it to the field's 120 characters).
QString workersWith(const QString& current, const QString& member);

// The ten fields the search filters on, in the order of its fields: only the
// workers of the first five rows can be searched.
inline constexpr std::array<const char*, 10> kSearchFields = {
    "Nome",         "Data",         "Sede",         "Disposizioni", "Lavoratore01",
    "Lavoratore02", "Lavoratore03", "Lavoratore04", "Lavoratore05", "Annotazioni",
};
using SearchTexts = std::array<QString, kSearchFields.size()>;
inline constexpr const char* kSearchPrintTitle = "Riepilogo turni di lavoro";

// Nome in 30 + "  Data: " + Data in 10 + "  Sede: " + Sede in 30 +
// "  Note: " + Annotazioni (whole).
QString resultLine(const RecordView& record);
// The tables the filters qualify, in archive order; each line keeps the
// position of the last table giving the same line. Throws ArchiveError when
// the archive cannot be used; a missing archive is created empty.
QList<ResultLine> search(const QString& archivePath, const SearchTexts& typed);

// File01..File03 and Desc01..Desc03.
QStringList attachmentFields();

// The export: rows 1 to 10 of each table; rows 11 and 12 are left out.
inline constexpr int kExportedRows = 10;
inline constexpr const char* kExportFileName = "Turni_Lavoro.xls";
inline constexpr const char* kExportWorksheet = "Turni Lavoro";

// The 26 columns of the export window's grid: "N.", then the 25 exported
// ones, each with its title and width in pixels.
QList<Spreadsheet::HeaderCell> gridColumns();
// The 25 header cells of the file.
QList<Spreadsheet::HeaderCell> exportHeader();
// The 25 exported cells of a table: name, date, site, instructions, then for
// rows 1 to 10 "Dalle " + start + " alle " + end and the row's workers, and
// the notes; each field trimmed.
QStringList exportCells(const RecordView& record);
// Every table of the archive at `path`, in archive order. A missing archive
// is created empty. A file failure stops the reading: the rows read so far
// stay and the failure goes to `failure` when given.
QList<QStringList> gridRows(const QString& path, std::optional<ArchiveError>* failure = nullptr);
Spreadsheet::Table exportTable(const QList<QStringList>& rows);
// Writes Turni_Lavoro.xls into the data folder, replacing an earlier one only
// with the complete new file; false with the reason in `error`.
bool writeExport(const QList<QStringList>& rows, QString* error = nullptr);
// Writes the same file straight from the archive at `path` while reading it,
// as writeExport(gridRows(path)) would: an archive that cannot be read all
// through writes no file (false, with the failure in `failure`).
bool writeArchiveExport(const QString& path, std::optional<ArchiveError>* failure, QString* error = nullptr);

}  // namespace daily
