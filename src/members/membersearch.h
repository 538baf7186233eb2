#pragma once
// The member search and the renewal list: which records of Tesserati.pro
// they list and the line each record shows.

#include "output/resultlist.h"
#include "storage/archive.h"
#include "storage/recordview.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

namespace members {

// The ten fields a member search filters on, in the order of its fields.
inline constexpr std::array<const char*, 10> kSearchFields = {
    "Tesserato", "Carica", "NumTessera", "DataRil", "DataScade",
    "ComuneNasc", "ComuneRes", "CodFisc", "Titoli", "Note",
};

// Tesserato in 30 + "  Tessera n. " + NumTessera in 20 + "  Scad. " +
// DataScade in 10 + "  Tel. " + Recapito in 12 + "  " + Note (whole).
QString resultLine(const RecordView& record);

// Only a record whose Annullata reads exactly "No" is ever listed.
bool isListable(const RecordView& record);

// The texts typed in the ten filters (kSearchFields order), as typed.
using SearchTexts = std::array<QString, kSearchFields.size()>;

// Every listable record the filters qualify, in archive order. Throws
// ArchiveError when the archive cannot be used.
QList<ResultLine> search(const QString& archivePath, const SearchTexts& typed,
                         ArchiveFile::Mode mode = ArchiveFile::Mode::OpenOrCreate);

// A card is due for renewal when its expiry date less its days of notice is
// today or past.
bool isDue(const RecordView& record, const QDate& today, bool* readable = nullptr);

// The due, listable cards in archive order. A failure (the archive, an
// expiry date or notice days that cannot be read) ends the list silently:
// what was listed before it stays.
QList<ResultLine> renewals(const QString& archivePath, const QDate& today);

}  // namespace members
