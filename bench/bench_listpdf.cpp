// A 10,000-line list laid out by the list layout and painted into a PDF:
// prints the time of each step and the number of pages.
#include "output/report.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QStringList lines;
    for (int i = 1; i <= 10000; ++i)
        lines << QStringLiteral("%1  ROSSI MARIO%2  MILANO      MI  01/01/2025  31/12/2025  Tessera %1")
                     .arg(i, 5)
                     .arg(i % 97, 3);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("elenco.pdf"));

    QElapsedTimer timer;
    timer.start();
    const Report::Prepared prepared = Report::listLayout(QStringLiteral("Elenco soci"), lines).prepare();
    const qint64 prepareMs = timer.restart();
    if (!Report::writePdf(prepared, file)) {
        std::fprintf(stderr, "PDF non scritto\n");
        return 1;
    }
    const qint64 paintMs = timer.elapsed();
    std::printf("bench_listpdf: 10000 righe, %lld pagine; prepare %lld ms, PDF %lld ms, %lld KB\n",
                static_cast<long long>(prepared.pages.size()), static_cast<long long>(prepareMs),
                static_cast<long long>(paintMs), static_cast<long long>(QFileInfo(file).size() / 1024));
    return 0;
}
