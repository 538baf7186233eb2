// Scan speed of the member archive: generates a Tesserati.pro of 100,000
// records (or the number given), scans it decoding every field, and compares
// with reading the same file's bytes raw. Not part of the test run.

#include "benchsupport.h"
#include "members/memberrecord.h"
#include "storage/archive.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tesserati.pro"));
    const RecordLayout& layout = members::recordLayout();

    // Generate: each record fully written in memory, then appended to the file.
    QElapsedTimer timer;
    timer.start();
    if (!bench::writeMemberArchive(path, records, QStringLiteral("città è più")))
        return 1;
    const qint64 generateMs = timer.elapsed();

    // Scan, decoding every field of every record.
    timer.restart();
    qint64 characters = 0;
    Archive(path, layout).scan([&](int, const Record& record) {
        for (int f = 0; f < layout.fieldCount(); ++f)
            characters += record.text(f).size();
    });
    const qint64 scanNs = timer.nsecsElapsed();

    // Raw: the same bytes, record by record, without decoding.
    qint64 bytes = 0;
    const qint64 rawNs = bench::rawReadNs(path, layout.recordSize(), &bytes);
    if (rawNs < 0)
        return 1;

    std::printf("records:            %d (%lld MB)\n", records, bytes / 1000000);
    std::printf("generate:           %lld ms\n", generateMs);
    std::printf("scan, every field:  %.1f ms, %.0f records/s (%lld characters)\n", scanNs / 1e6,
                records / (scanNs / 1e9), characters);
    std::printf("raw read:           %.1f ms, %.0f records/s\n", rawNs / 1e6, records / (rawNs / 1e9));
    return 0;
}
