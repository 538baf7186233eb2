#pragma once
// The write journal of an archive: every record written to an archive is
// first put, with its place in the file, into "<archive>.journal" beside it
// and synced to disk; only then is the record written in place and synced,
// and the journal removed. A program killed or a machine losing power at any
// moment therefore leaves each record wholly old or wholly new: whoever opens
// the archive next finds the journal and finishes the write it describes.
//
// Journal bytes: "NVJOURN1", the byte offset in the archive (8 bytes, little
// endian), the record's length (4 bytes, little endian), the record, then
// the SHA-256 of everything before it (32 bytes). A journal that is cut
// short or does not match its checksum was never complete, so the archive
// was not touched yet: it is thrown away.

#include <QByteArray>
#include <QString>

class QFile;

namespace Journal {

QString pathFor(const QString& archivePath);

// The journal's bytes for `record` at byte `offset`.
QByteArray encode(qint64 offset, const QByteArray& record);

// Writes `record` at byte `offset` of the open `archive` through the
// journal. False, with the system's reason in `error`, when the journal or
// the record could not be written and synced: an append is then taken back
// whole, an overwrite is left to the journal to finish at the next open.
bool write(QFile& archive, qint64 offset, const QByteArray& record, QString* error);

enum class Recovery {
    None,       // no journal
    Completed,  // an interrupted write was finished
    Discarded,  // an incomplete journal was thrown away, the archive untouched
};

// Finishes or throws away a journal left beside the archive at `archivePath`.
// False, with the reason in `error`, when a complete journal could not be
// applied (the journal then stays for the next attempt).
bool recover(const QString& archivePath, Recovery* outcome, QString* error);

}  // namespace Journal
