// The member search as the program shows it: " Trova Soci in archivio" over
// an archive of 100,000 members (or the number given), every criterion left
// empty, "Cerca" pressed. Times the press (the dialog's findLines and the
// filling of its list) and the press with the events that follow it, until
// the list is on screen. Five presses; the median is the figure. Not part of
// the test run.
//
//   bench_searchdialog [RECORDS [FOLDER]]
//
// With a FOLDER the archive is written there and kept, so that
// `NORVALIS_DATA_DIR=FOLDER norvalis-cli search members` runs on the same one.

#include "benchsupport.h"

#include "members/memberrecord.h"
#include "members/ui/frmtrovaanagrafica.h"
#include "output/resultlist.h"
#include "storage/appdir.h"

#include <QApplication>
#include <QElapsedTimer>
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int records = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    QTemporaryDir temporary;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path();
    AppDir::set(folder);
    if (!bench::writeMemberArchive(AppDir::filePath(QLatin1String(members::kFileName)), records,
                                   QStringLiteral("città è più"))) {
        std::fprintf(stderr, "cannot write the archive in %s\n", qPrintable(folder));
        return 1;
    }

    TfrmTrovaAnagrafica dialog;
    dialog.show();
    QApplication::processEvents();

    constexpr int Presses = 5;
    std::vector<qint64> pressMs;
    std::vector<qint64> shownMs;
    QElapsedTimer timer;
    for (int i = 0; i < Presses; ++i) {
        timer.start();
        dialog.btnCercaClick();
        pressMs.push_back(timer.elapsed());
        QApplication::processEvents();
        shownMs.push_back(timer.elapsed());
    }

    std::printf("records:              %d\n", records);
    std::printf("lines:                %d\n", dialog.model->rowCount());
    std::printf("press \"Cerca\":        %lld ms median of %d (", qlonglong(median(pressMs)), Presses);
    for (std::size_t i = 0; i < pressMs.size(); ++i)
        std::printf("%s%lld", i ? " " : "", qlonglong(pressMs[i]));
    std::printf(")\n");
    std::printf("until the list shows: %lld ms median of %d\n", qlonglong(median(shownMs)), Presses);
    return 0;
}
