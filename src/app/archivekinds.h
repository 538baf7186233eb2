#pragma once
// The kinds of archive the program keeps, by name and by file name, for the
// tools that work on any archive (dump, put, verify).

#include "storage/layout.h"

#include <QString>
#include <QStringList>

namespace ArchiveKinds {

struct Kind {
    const char* name;  // members, deadlines, hours, daily, weekly
    const RecordLayout& (*layout)();
};

// nullptr for a name that is none of them.
const Kind* named(const QString& name);
// The kind a file name tells (Tesserati.pro, Orari.pro, *.sca, *.ore,
// *.set, in any case); nullptr when it tells none.
const Kind* ofFile(const QString& path);
// The archives in `folder` (full paths, sorted by name).
QStringList archivesIn(const QString& folder);

}  // namespace ArchiveKinds
