// Member search speed: generates a Tesserati.pro of 100,000 records (or the
// number given), runs the member search exactly as the search window does
// (a name filter, every record matched and its line built), and compares
// with `grep -c -i` counting the same text in the raw file. Not part of the
// test run.

#include "members/memberrecord.h"
#include "members/membersearch.h"
#include "storage/archive.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    const QString text = QStringLiteral("rossi");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tesserati.pro"));
    const RecordLayout& layout = members::recordLayout();

    static const char* const surnames[] = {"Rossi", "Bianchi", "Verdi", "Esposito", "Ferrari", "Russo", "Romano"};
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        for (int i = 0; i < records; ++i) {
            Record r(layout);
            r.setText(u"Tesserato", QStringLiteral("%1 Socio %2").arg(QLatin1String(surnames[i % 7])).arg(i));
            r.setText(u"NumTessera", QString::number(100000 + i));
            r.setText(u"DataScade", QStringLiteral("31/12/2025"));
            r.setText(u"ComuneRes", i % 3 ? QStringLiteral("Roma") : QStringLiteral("Milano"));
            r.setText(u"Recapito", QStringLiteral("06%1").arg(i, 7, 10, QLatin1Char('0')));
            r.setText(u"Note", QStringLiteral("Socio ordinario"));
            r.setFlag(u"Annullata", i % 50 == 0);
            file.write(r.bytes());
        }
    }

    QElapsedTimer timer;
    timer.start();
    members::SearchTexts typed;
    typed[0] = text;
    const QList<ResultLine> lines = members::search(path, typed);
    const qint64 searchMs = timer.elapsed();

    timer.restart();
    QProcess grep;
    grep.start(QStringLiteral("grep"), {QStringLiteral("-c"), QStringLiteral("-i"), QStringLiteral("-a"), text, path});
    grep.waitForFinished(-1);
    const qint64 grepMs = timer.elapsed();
    const QByteArray grepCount = grep.readAllStandardOutput().trimmed();

    std::printf("records:       %d (%lld MB)\n", records, QFile(path).size() / (1024 * 1024));
    std::printf("member search: %lld ms, %lld lines\n", searchMs, qlonglong(lines.size()));
    std::printf("grep -c -i:    %lld ms (count %s: lines split at the 0x0A bytes of the records)\n", grepMs, grepCount.constData());
    std::printf("ratio:         %.1f\n", grepMs > 0 ? double(searchMs) / double(grepMs) : 0.0);
    return 0;
}
