#pragma once
// The service-hours templates without any window: the archive's place, the
// check before a save, the search with the line each template shows in it,
// what a chosen template gives each screen that imports it, and the export's
// grid and spreadsheet file.

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

namespace hours {

// <data folder>/Orari.pro
QString archivePath();

// The one field a save needs: the template's name, not empty once trimmed.
inline const QString NameRequired =
    QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il nome identificativo della tabella "
                   "dei turni.");
std::optional<SaveCheck::Refusal> checkForSave(const SaveCheck::FieldTexts& texts);

// The ten fields the search filters on, in the order of its fields: only the
// activities of the first five slots can be searched.
inline constexpr std::array<const char*, 10> kSearchFields = {
    "Nome", "Periodo", "Sede", "Disposizioni", "Attivita01", "Attivita02", "Attivita03", "Attivita04", "Attivita05",
    "Annotazioni",
};
using SearchTexts = std::array<QString, kSearchFields.size()>;
inline constexpr const char* kSearchPrintTitle = "Riepilogo orari di lavoro";

// Nome in 30 + "  Periodo: " + Periodo in 24 + "  Sede: " + Sede in 24 +
// "  Note: " + Annotazioni (whole).
QString resultLine(const RecordView& record);
// The templates the filters qualify, in archive order. Each line keeps the
// position of the last template that gives the same line, so that of two
// equal lines the later template is the one handed back. Throws ArchiveError
// when the archive cannot be used; a missing archive is created empty.
QList<ResultLine> search(const QString& archivePath, const SearchTexts& typed);

// The screens a template found in the search goes to, by the caller key
// that opens the search.
enum class Importer {
    Hours,   // "orari": the service-hours screen shows the template as if browsed to
    Daily,   // "turni": the daily shift screen takes its 41 texts
    Weekly,  // "settimanale": the weekly shift screen takes name, site,
             // instructions, notes and the twelve start and end times
};
std::optional<Importer> importerOf(const QString& callerKey);
// File01..File03 and Desc01..Desc03: the attached files a template names.
QStringList attachmentFields();
// The record fields the importer's screen receives, each into its control
// of the same name: for the service-hours screen all 47 (the 41 texts and
// the six attachment holders), then as above.
QStringList importedFields(Importer importer);

// The export: columns 1 to 10 of the slots, slots 11 and 12 are left out.
inline constexpr int kExportedSlots = 10;
inline constexpr const char* kExportFileName = "Orari_Lavoro.xls";
inline constexpr const char* kExportWorksheet = "Orari Lavoro";

// The 26 columns of the export window's grid: "N.", then the 25 exported
// ones, each with its title and width in pixels.
QList<Spreadsheet::HeaderCell> gridColumns();
// The 25 header cells of the file.
QList<Spreadsheet::HeaderCell> exportHeader();
// The 25 exported cells of a template as the grid shows them: name, period,
// site, instructions, then for slots 1 to 10 "Dalle " + start + " alle " +
// end and the activity, and the notes; each field trimmed.
QStringList exportCells(const RecordView& record);
// Every template of the archive at `path`, in archive order (row n is record
// n). A missing archive is created empty. A file failure stops the reading:
// the rows read so far stay and the failure goes to `failure` when given (a
// grid passes over it; an export must not write a file from part of the archive).
QList<QStringList> gridRows(const QString& path, std::optional<ArchiveError>* failure = nullptr);
// The file's content over the grid's rows; every cell is written trimmed.
Spreadsheet::Table exportTable(const QList<QStringList>& rows);
// Writes Orari_Lavoro.xls into the data folder, replacing an earlier one only
// with the complete new file; false with the reason in `error`.
bool writeExport(const QList<QStringList>& rows, QString* error = nullptr);
// Writes the same file straight from the archive at `path` while reading it,
// as writeExport(gridRows(path)) would: an archive that cannot be read all
// through writes no file (false, with the failure in `failure`).
bool writeArchiveExport(const QString& path, std::optional<ArchiveError>* failure, QString* error = nullptr);

}  // namespace hours
