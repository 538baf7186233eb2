#include "output/archiveexport.h"

namespace ArchiveExport {

bool write(const QString& path, QStringView worksheet, const QList<Spreadsheet::HeaderCell>& header,
           const std::function<void(Spreadsheet::Writer& writer)>& fill, const std::function<void()>& check,
           std::optional<ArchiveError>* failure, QString* error)
{
    std::optional<ArchiveError> caught;
    bool filled = false;
    const bool written = Spreadsheet::writeFile(
        path, worksheet, header,
        [&](Spreadsheet::Writer& writer) {
            filled = true;
            try {
                fill(writer);
            } catch (const ArchiveError& e) {
                caught = e;
                return false;
            }
            return true;
        },
        error);
    if (!filled) {
        try {
            check();
        } catch (const ArchiveError& e) {
            caught = e;
        }
    }
    if (failure)
        *failure = caught;
    return written && !caught;
}

bool write(const QString& path, QStringView worksheet, const QList<Spreadsheet::HeaderCell>& header,
           const Archive& archive, const RowWriter& row, std::optional<ArchiveError>* failure, QString* error)
{
    return write(
        path, worksheet, header,
        [&](Spreadsheet::Writer& writer) {
            archive.scanViews([&](int position, const RecordView& record) {
                if (writer.ok())
                    row(writer, position, record);
            });
        },
        [&archive] { archive.scanViews([](int, const RecordView&) {}); }, failure, error);
}

}  // namespace ArchiveExport
