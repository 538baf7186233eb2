#pragma once
// Shared by the benchmarks: a generated member archive and the raw read the
// decoding work is measured against.

#include "members/memberrecord.h"
#include "storage/record.h"

#include <QElapsedTimer>
#include <QFile>
#include <QString>

namespace bench {

// Writes `records` members, every field filled with its name, the record
// number and `tail` (cut to the field), every seventh member annulled.
inline bool writeMemberArchive(const QString& path, int records, const QString& tail)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const RecordLayout& layout = members::recordLayout();
    Record r(layout);
    for (int i = 1; i <= records; ++i) {
        for (int f = 0; f < layout.fieldCount(); ++f) {
            const auto& field = layout.field(f);
            if (field.kind == FieldKind::Flag)
                r.setFlag(field.name, i % 7 == 0);
            else
                r.setText(f, QStringLiteral("%1 %2 %3").arg(field.name).arg(i).arg(tail).left(field.capacity));
        }
        if (file.write(r.bytes()) != r.bytes().size())
            return false;
    }
    return true;
}

// Nanoseconds to read the file's bytes record by record, without decoding;
// -1 when it cannot be read. `bytes` receives the number of bytes read.
inline qint64 rawReadNs(const QString& path, int recordSize, qint64* bytes = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    qint64 total = 0;
    while (true) {
        const QByteArray chunk = file.read(recordSize);
        if (chunk.isEmpty())
            break;
        total += chunk.size();
    }
    if (bytes)
        *bytes = total;
    return timer.nsecsElapsed();
}

}  // namespace bench
