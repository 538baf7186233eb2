#pragma once
// Records for the tests: a record of any archive with some of its fields
// given, and an archive file made anew from a list of records.

#include "storage/archive.h"
#include "storage/record.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

// Field name and text.
using FieldValues = QList<QPair<QString, QString>>;

// A record with the given fields; every other field empty.
inline Record recordWith(const RecordLayout& layout, const FieldValues& fields)
{
    Record record(layout);
    for (const auto& [name, value] : fields)
        record.setText(name, value);
    return record;
}

// Replaces the archive's file with these records, in this order.
inline void replaceArchive(const Archive& archive, const QList<Record>& records)
{
    QFile::remove(archive.path());
    for (const Record& record : records)
        archive.append(record);
}
