// The member search as the program shows it: " Trova Soci in archivio" over
// an archive of 100,000 members (or the number given), every criterion left
// empty, "Cerca" pressed. Times the press (the dialog's findLines and the
// filling of its list) and the press with the events that follow it, until
// the list is on screen, in five dialogs one after the other. Not part of
// the test run.
//
//   bench_searchdialog [RECORDS [FOLDER]]
//
// With a FOLDER the archive is written there and kept, so that
// `NORVALIS_DATA_DIR=FOLDER norvalis-cli search members` runs on the same one.

#include "benchsupport.h"

#include "app/heap.h"
#include "members/memberrecord.h"
#include "members/ui/frmtrovaanagrafica.h"
#include "output/resultlist.h"
#include "storage/appdir.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

qint64 median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    // As the program does; NORVALIS_BENCH_SMALL_PAGES=1 measures without it.
    if (qEnvironmentVariableIsEmpty("NORVALIS_BENCH_SMALL_PAGES"))
        Heap::preferLargePages(argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int records = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    QTemporaryDir temporary;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path();
    AppDir::set(folder);
    // An archive of the right size already there is used as it is.
    const QString path = AppDir::filePath(QLatin1String(members::kFileName));
    if (QFileInfo(path).size() != qint64(records) * members::recordLayout().recordSize()
        && !bench::writeMemberArchive(path, records, QStringLiteral("città è più"))) {
        std::fprintf(stderr, "cannot write the archive in %s\n", qPrintable(folder));
        return 1;
    }

    // Each press in a dialog of its own, opened and closed as the program
    // does; the first one is what a user sees first.
    constexpr int Presses = 5;
    std::vector<qint64> pressMs;
    std::vector<qint64> shownMs;
    int lines = 0;
    QElapsedTimer timer;
    for (int i = 0; i < Presses; ++i) {
        TfrmTrovaAnagrafica dialog;
        dialog.show();
        QApplication::processEvents();
        timer.start();
        dialog.btnCercaClick();
        pressMs.push_back(timer.elapsed());
        QApplication::processEvents();
        shownMs.push_back(timer.elapsed());
        lines = dialog.model->rowCount();
    }

    const auto print = [&](const char* what, const std::vector<qint64>& ms) {
        std::printf("%s %lld ms first, %lld ms median of %d (", what, qlonglong(ms.front()), qlonglong(median(ms)),
                    Presses);
        for (std::size_t i = 0; i < ms.size(); ++i)
            std::printf("%s%lld", i ? " " : "", qlonglong(ms[i]));
        std::printf(")\n");
    };
    std::printf("records:              %d\n", records);
    std::printf("lines:                %d\n", lines);
    print("press \"Cerca\":       ", pressMs);
    print("until the list shows:", shownMs);
    return 0;
}
