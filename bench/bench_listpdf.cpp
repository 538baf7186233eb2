// Lists of 10,000 and 100,000 lines (or the sizes given) laid out by the list
// layout, side by side in one run: the time to prepare each (median of three),
// how many times longer the longer one takes, and the time to paint the
// shorter one into a PDF.
#include "output/report.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QStringList listLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1  ROSSI MARIO%2  MILANO      MI  01/01/2025  31/12/2025  Tessera %1")
                     .arg(i, 5)
                     .arg(i % 97, 3);
    return lines;
}

struct Timing {
    qint64 prepareMs = 0;
    qsizetype pages = 0;
};

Timing prepareMedian(const QStringList& lines)
{
    std::vector<qint64> ms;
    qsizetype pages = 0;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        const Report::Prepared prepared = Report::listLayout(QStringLiteral("Elenco soci"), lines).prepare();
        ms.push_back(timer.elapsed());
        pages = prepared.pages.size();
    }
    std::sort(ms.begin(), ms.end());
    return {ms[1], pages};
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const int small = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    const int large = argc > 2 ? QByteArray(argv[2]).toInt() : 100000;
    const QStringList smallLines = listLines(small);
    const QStringList largeLines = listLines(large);

    const Timing s = prepareMedian(smallLines);
    const Timing l = prepareMedian(largeLines);
    std::printf("bench_listpdf: %d righe, %lld pagine; prepare %lld ms\n", small, static_cast<long long>(s.pages),
                static_cast<long long>(s.prepareMs));
    std::printf("bench_listpdf: %d righe, %lld pagine; prepare %lld ms\n", large, static_cast<long long>(l.pages),
                static_cast<long long>(l.prepareMs));
    std::printf("bench_listpdf: rapporto %d/%d righe: %.1f\n", large, small,
                s.prepareMs > 0 ? double(l.prepareMs) / double(s.prepareMs) : 0.0);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("elenco.pdf"));
    const Report::Prepared prepared = Report::listLayout(QStringLiteral("Elenco soci"), smallLines).prepare();
    QElapsedTimer timer;
    timer.start();
    if (!Report::writePdf(prepared, file)) {
        std::fprintf(stderr, "PDF non scritto\n");
        return 1;
    }
    std::printf("bench_listpdf: %d righe, PDF %lld ms, %lld KB\n", small, static_cast<long long>(timer.elapsed()),
                static_cast<long long>(QFileInfo(file).size() / 1024));
    return 0;
}
