// Speed of the member export: generates a Tesserati.pro of 100,000 records
// (or the number given), builds the export's rows and writes Tesserati.xls
// through the same code as the export window, and compares with reading the
// archive's bytes raw. Not part of the test run.

#include "benchsupport.h"
#include "members/memberexport.h"
#include "members/memberrecord.h"
#include "storage/appdir.h"
#include "storage/archive.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    QTemporaryDir dir;
    AppDir::set(dir.path());
    const QString archive = AppDir::filePath(QLatin1String(members::kFileName));
    const RecordLayout& layout = members::recordLayout();

    if (!bench::writeMemberArchive(archive, records, QStringLiteral("città & <più>")))
        return 1;

    // The export: the grid's rows from the archive, then the file.
    QElapsedTimer timer;
    timer.start();
    const members::MemberRows rows = members::loadRows(archive);
    const qint64 buildNs = timer.nsecsElapsed();
    timer.restart();
    const QString xls = AppDir::filePath(QLatin1String(members::kExportFileName));
    if (!Spreadsheet::writeFile(xls, members::exportTable(rows)))
        return 1;
    const qint64 writeNs = timer.nsecsElapsed();

    // Raw: the archive's bytes, record by record, without decoding.
    qint64 bytes = 0;
    const qint64 rawNs = bench::rawReadNs(archive, layout.recordSize(), &bytes);

    const qint64 exportNs = buildNs + writeNs;
    std::printf("records:            %d (archive %lld MB, Tesserati.xls %lld MB)\n", rows.count(),
                bytes / 1000000, QFileInfo(xls).size() / 1000000);
    std::printf("build rows:         %.1f ms\n", buildNs / 1e6);
    std::printf("write file:         %.1f ms\n", writeNs / 1e6);
    std::printf("export total:       %.1f ms\n", exportNs / 1e6);
    std::printf("raw read:           %.1f ms\n", rawNs / 1e6);
    std::printf("ratio export/raw:   %.1f\n", rawNs > 0 ? double(exportNs) / double(rawNs) : 0.0);
    return 0;
}
