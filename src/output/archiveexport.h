#pragma once
// The spreadsheet file of an archive written while the archive is read, one
// row per record as it comes, so that no export holds the archive in memory.

#include "output/spreadsheet.h"
#include "storage/archive.h"

#include <functional>
#include <optional>

namespace ArchiveExport {

// Writes one record's row.
// The record is seen where the scan read it, without a copy.
using RowWriter = std::function<void(Spreadsheet::Writer& writer, int position, const RecordView& record)>;

// Writes the file at `path` with a row per record of `archive`, in file
// order, replacing an earlier file only with the complete new one. An archive
// that cannot be read all through writes no file: false, with the failure in
// `failure`; a file that cannot be written gives false with the reason in
// `error` (when the archive cannot be read either, the archive's failure is
// the one reported, as when the archive is read first).
bool write(const QString& path, QStringView worksheet, const QList<Spreadsheet::HeaderCell>& header,
           const Archive& archive, const RowWriter& row, std::optional<ArchiveError>* failure,
           QString* error = nullptr);

// The same around a `fill` that reads its archives itself and may throw
// ArchiveError; `check` reads them when the file could not even be opened.
bool write(const QString& path, QStringView worksheet, const QList<Spreadsheet::HeaderCell>& header,
           const std::function<void(Spreadsheet::Writer& writer)>& fill, const std::function<void()>& check,
           std::optional<ArchiveError>* failure, QString* error = nullptr);

}  // namespace ArchiveExport
