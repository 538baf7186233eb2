// One save as a data screen makes it: the record browser overwrites the
// current member, or appends a new one, in a Tesserati.pro of 1,000 members
// (or the number given) on the disk of the data folder. Prints the median
// and the slowest of 50 saves of each kind. Not part of the test run.

#include "benchsupport.h"
#include "members/memberrecord.h"
#include "storage/browser.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <cstdio>
#include <vector>

namespace {

struct Figures {
    double medianMs;
    double worstMs;
};

Figures time(const std::function<void()>& save, int times)
{
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int i = 0; i < times; ++i) {
        timer.start();
        save();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;
    // Beside the working folder, on the same disk as a data folder would be.
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench_save-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("Tesserati.pro"));
    if (!bench::writeMemberArchive(path, records, QStringLiteral("città")))
        return 1;

    RecordBrowser browser(path, members::recordLayout());
    const Record record = *browser.last().record;
    bool failed = false;
    const Figures overwrite = time([&] {
        browser.showAt(records / 2);
        failed |= browser.save(record).kind != BrowseOutcome::Kind::Saved;
    }, 50);
    const Figures append = time([&] {
        browser.reset();
        failed |= browser.save(record).kind != BrowseOutcome::Kind::Saved;
    }, 50);
    if (failed)
        return 1;
    std::printf("archive:    %d members\n", records);
    std::printf("overwrite:  median %.2f ms, slowest %.2f ms (50 saves)\n", overwrite.medianMs, overwrite.worstMs);
    std::printf("append:     median %.2f ms, slowest %.2f ms (50 saves)\n", append.medianMs, append.worstMs);
    return 0;
}
