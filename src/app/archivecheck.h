#pragma once
// The check of an archive's bytes: what a damaged or half-written file shows
// that the screens would silently make the best of. It reports a length
// byte larger than its field, a flag that is neither "Sì" nor "No", a
// deadline date that is not a date, an incomplete record at the end, and a
// journal found beside the archive (a write a killed program left, which
// opening the archive finishes). The bytes after a field's text are never
// looked at: they mean nothing.

#include "app/archivekinds.h"

#include <QList>
#include <QString>

namespace ArchiveCheck {

struct Finding {
    QString file;
    int position = 0;  // of the record; 0 for the file as a whole
    QString field;     // empty for the record or the file as a whole
    QString problem;

    // "file: scheda N, campo F: problem", the parts that apply.
    QString text() const;
};

QList<Finding> check(const QString& path, const ArchiveKinds::Kind& kind);

// Every archive in the data folder.
struct FolderReport {
    int archives = 0;
    QList<Finding> findings;
};
FolderReport checkFolder(const QString& folder);

}  // namespace ArchiveCheck
