// Speed and memory of the member export. First runs `norvalis-cli export
// members` on an archive of 1,000,000 records (or the second argument; 0
// skips it) and prints its time and peak memory. Then generates a
// Tesserati.pro of 100,000 records (or the first argument) and writes
// Tesserati.xls through the same code as the command, side by side with
// `cat` of the archive to /dev/null and with `dd conv=fsync` of the file it
// writes, the floor the disk sets (medians of five runs each, taken in
// turns); last it times the filling of the export window's grid from the
// same archive.
// Not part of the test run.

#include "benchsupport.h"
#include "members/memberexport.h"
#include "members/memberrecord.h"
#include "storage/appdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

namespace {

struct ChildRun {
    qint64 ns = -1;
    long peakKb = 0;
};

// Runs a program with its output to /dev/null; its time and peak memory.
// The system counts the peak of this process, up to the exec, as the
// child's too: a peak to be measured must be measured before this process
// has grown.
ChildRun runChild(const std::vector<QByteArray>& command)
{
    std::vector<char*> argv;
    for (const QByteArray& a : command)
        argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = -1;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return {};
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return {timer.nsecsElapsed(), usage.ru_maxrss};
}

qint64 median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

bool exportOnce(const QString& archive, const QString& xls)
{
    std::optional<ArchiveError> failure;
    return members::writeExport(archive, xls, &failure);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    const int peakRecords = argc > 2 ? QByteArray(argv[2]).toInt() : 1000000;
    const QString tail = QStringLiteral("citt\u00E0 & <pi\u00F9>");

    // First, while this process is small (see runChild()).
    if (peakRecords > 0) {
        QTemporaryDir big;
        if (!bench::writeMemberArchive(QDir(big.path()).filePath(QLatin1String(members::kFileName)), peakRecords,
                                       tail))
            return 1;
        const ChildRun cli =
            runChild({NORVALIS_CLI, "--data-dir", big.path().toLocal8Bit(), "export", "members"});
        if (cli.ns < 0) {
            std::fprintf(stderr, "norvalis-cli export members failed\n");
            return 1;
        }
        std::printf("norvalis-cli export members, %d records: %.1f ms, peak RSS %.1f MiB\n", peakRecords,
                    cli.ns / 1e6, cli.peakKb / 1024.0);
    }

    QTemporaryDir dir;
    AppDir::set(dir.path());
    const QString archive = AppDir::filePath(QLatin1String(members::kFileName));
    const QString xls = AppDir::filePath(QLatin1String(members::kExportFileName));
    if (!bench::writeMemberArchive(archive, records, tail))
        return 1;

    constexpr int Runs = 5;
    std::vector<qint64> exportNs, catNs, ddNs;
    // The floor the disk sets: `dd` copying the export's own bytes onto an
    // earlier copy and syncing them, with nothing to encode.
    const QString copy = AppDir::filePath(QStringLiteral("Copia.xls"));
    // Each step starts on a quiet machine: the export lets go of the file it
    // replaced in the background, and that must not slow the `cat` after it.
    const auto settle = [] { QThread::msleep(500); };
    for (int run = 0; run < Runs; ++run) {
        settle();
        QElapsedTimer timer;
        timer.start();
        if (!exportOnce(archive, xls))
            return 1;
        exportNs.push_back(timer.nsecsElapsed());
        settle();
        const ChildRun cat = runChild({"cat", archive.toLocal8Bit()});
        if (cat.ns < 0)
            return 1;
        catNs.push_back(cat.ns);
        settle();
        const ChildRun dd = runChild({"dd", "if=" + xls.toLocal8Bit(), "of=" + copy.toLocal8Bit(), "bs=1M",
                                      "conv=fsync", "status=none"});
        if (dd.ns < 0)
            return 1;
        ddNs.push_back(dd.ns);
    }
    const qint64 exportMedian = median(exportNs), catMedian = median(catNs);
    std::printf("records:            %d (archive %lld MB, Tesserati.xls %lld MB)\n", records,
                QFileInfo(archive).size() / 1000000, QFileInfo(xls).size() / 1000000);
    std::printf("export members:     %.1f ms (median of %d)\n", exportMedian / 1e6, Runs);
    std::printf("cat to /dev/null:   %.1f ms (median of %d)\n", catMedian / 1e6, Runs);
    std::printf("ratio export/cat:   %.1f\n", catMedian > 0 ? double(exportMedian) / double(catMedian) : 0.0);
    const qint64 ddMedian = median(ddNs);
    std::printf("dd conv=fsync of Tesserati.xls: %.1f ms (median of %d), %.1f times cat\n",
                ddMedian / 1e6, Runs, catMedian > 0 ? double(ddMedian) / double(catMedian) : 0.0);

    // The export window's grid, filled from the same archive.
    std::vector<qint64> gridNs;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const members::MemberRows rows = members::loadRows(archive);
        gridNs.push_back(timer.nsecsElapsed());
        if (rows.count() != records)
            return 1;
    }
    std::printf("export window grid: %.1f ms (median of %d)\n", median(gridNs) / 1e6, Runs);

    return 0;
}
