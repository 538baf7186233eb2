#pragma once
// The weekly shift tables without any window: the yearly archive's place, the
// checks before a save, and the search with the line each table shows in it.
// There is no export of the weekly archive.

#include "output/resultlist.h"
#include "storage/recordview.h"
#include "storage/savecheck.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace weekly {

// <data folder>/<year>.set, the year trimmed.
QString archivePath(const QString& year);

// The seven day columns of a row, Monday first: "Lun" ... "Dom"; a cell's
// field is the day's stem and the row ("Lun01").
inline constexpr std::array<const char*, 7> kDays = {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"};

inline const QString NameRequired =
    QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il nome identificativo della tabella "
                   "dei turni.");
inline const QString StartRequired =
    QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare la data di inizio della settimana a "
                   "cui si riferiscono i turni di lavoro.");
inline const QString EndRequired =
    QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare la data di fine della settimana a cui "
                   "si riferiscono i turni di lavoro.");
// The name, then the start date, then the end date: each must not be empty
// once trimmed. The dates are not compared.
std::optional<SaveCheck::Refusal> checkForSave(const SaveCheck::FieldTexts& texts);

// The six fields the search filters on, in the order of its fields.
inline constexpr std::array<const char*, 6> kSearchFields = {
    "Nome", "Sede", "DataInizio", "DataFine", "Disposizioni", "Annotazioni",
};
using SearchTexts = std::array<QString, kSearchFields.size()>;
inline constexpr const char* kSearchPrintTitle = "Riepilogo turni di lavoro";

// Nome in 30 + "  Da: " + DataInizio in 10 + "  A: " + DataFine in 10 +
// "  Sede: " + Sede in 30 + "  Note: " + Annotazioni (whole).
QString resultLine(const RecordView& record);
// The tables the filters qualify, in archive order; each line keeps the
// position of the last table giving the same line. Throws ArchiveError when
// the archive cannot be used; a missing archive is created empty.
QList<ResultLine> search(const QString& archivePath, const SearchTexts& typed);

// The fields the screen shows, by name: every field of the record but the
// reserved block.
QStringList screenFields();

}  // namespace weekly
