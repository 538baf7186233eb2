// norvalis-cli search hours, export hours and pdf hours: what they print and
// write, a missing archive created empty, and how they refuse.

#include "cli/clirunner.h"
#include "hours/hoursfixture.h"
#include "storage/appdir.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestCliHours : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString data(const QString& name) const { return m_dir.filePath(name); }
    QString linesOf(const QList<int>& positions) const
    {
        QString out;
        for (int position : positions)
            out += hours::resultLine(hoursArchive().read(position)) + QLatin1Char('\n');
        return out;
    }

private slots:
    void initTestCase()
    {
        AppDir::set(m_dir.path());
        writeHours({{{"Nome", "Estivo"}, {"Sede", "Verona"}, {"Attivita02", "Sportello"}, {"Inizio01", "08:00"}},
                    {{"Nome", "Invernale"}, {"Attivita03", "Sportello"}, {"Annotazioni", "a & b"}},
                    {{"Nome", "Festivo"}, {"Periodo", "Dicembre"}, {"Sede", "Verona"}}});
    }

    void searchPrintsTheLinesInArchiveOrder_data()
    {
        QTest::addColumn<QStringList>("filters");
        QTest::addColumn<QList<int>>("records");
        QTest::newRow("no filter") << QStringList{} << QList<int>{1, 2, 3};
        QTest::newRow("activity of slot 2 only") << QStringList{"--Attivita02", "sportello"} << QList<int>{1};
        QTest::newRow("two filters") << QStringList{"--Sede", "VERONA", "--Periodo", "dic"} << QList<int>{3};
        QTest::newRow("typed as is") << QStringList{"--Nome", "Estivo "} << QList<int>{};
        QTest::newRow("notes") << QStringList{"--Annotazioni", "&"} << QList<int>{2};
    }
    void searchPrintsTheLinesInArchiveOrder()
    {
        QFETCH(QStringList, filters);
        QFETCH(QList<int>, records);
        const CliResult r = runCli(m_dir.path(), QStringList{"search", "hours"} + filters);
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.text(), linesOf(records));
    }

    void exportWritesEveryTemplateAndReplacesTheFile()
    {
        const QString file = data("Orari_Lavoro.xls");
        QVERIFY(setFileContent(file, "earlier"));
        const CliResult r = runCli(m_dir.path(), {"export", "hours"});
        QVERIFY2(r.status == 0, r.err.constData());
        QVERIFY(r.out.isEmpty() && r.err.isEmpty());
        const QByteArray bytes = fileContent(file);
        QVERIFY(!bytes.contains("earlier"));
        QCOMPARE(bytes.count("<tr>"), 4);
        QVERIFY(bytes.contains(">Dalle 08:00 alle</td>"));
        QVERIFY(bytes.contains(">a &amp; b</td>"));
    }

    // A missing archive is created empty: no lines, a header-only export.
    void aMissingArchiveIsCreatedEmpty()
    {
        for (const QStringList& args : {QStringList{"search", "hours"}, QStringList{"export", "hours"}}) {
            QTemporaryDir empty;
            const CliResult r = runCli(empty.path(), args);
            QCOMPARE(r.status, 0);
            QVERIFY(r.out.isEmpty() && r.err.isEmpty());
            QCOMPARE(QFileInfo(empty.filePath("Orari.pro")).size(), 0);
            if (args.first() == QLatin1String("export")) {
                const QByteArray bytes = fileContent(empty.filePath("Orari_Lavoro.xls"));
                QCOMPARE(bytes.count("<tr>"), 1);
                QVERIFY(bytes.contains("Nome tabella turni"));
            }
        }
    }

    // A file that cannot be written or an archive that cannot be read: exit
    // 1, one line on stderr, and what was there stays.
    void failuresKeepWhatWasThere()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("Orari_Lavoro.xls/dentro"));
        QFile::copy(data("Orari.pro"), dir.filePath("Orari.pro"));
        CliResult r = runCli(dir.path(), {"export", "hours"});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.startsWith("norvalis-cli: "));
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(QFileInfo(dir.filePath("Orari_Lavoro.xls/dentro")).isDir());

        QTemporaryDir unreadable;
        QVERIFY(QDir(unreadable.path()).mkpath("Orari.pro"));
        QVERIFY(setFileContent(unreadable.filePath("Orari_Lavoro.xls"), "earlier"));
        for (const QStringList& args : {QStringList{"search", "hours"}, QStringList{"export", "hours"},
                                        QStringList{"pdf", "hours", "1", "--out", unreadable.filePath("o.pdf")}}) {
            r = runCli(unreadable.path(), args);
            QCOMPARE(r.status, 1);
            QVERIFY(r.out.isEmpty());
            QCOMPARE(r.err.count('\n'), 1);
        }
        QCOMPARE(fileContent(unreadable.filePath("Orari_Lavoro.xls")), QByteArray("earlier"));
    }

    void refusesWhatItCannotDo_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("unknown field") << QStringList{"search", "hours", "--Attivita06", "x"};
        QTest::newRow("field without text") << QStringList{"search", "hours", "--Nome"};
        QTest::newRow("export with an argument") << QStringList{"export", "hours", "2025"};
        QTest::newRow("position 0") << QStringList{"pdf", "hours", "0", "--out", "o.pdf"};
        QTest::newRow("position not whole") << QStringList{"pdf", "hours", "1.5", "--out", "o.pdf"};
        QTest::newRow("position not a number") << QStringList{"pdf", "hours", "uno", "--out", "o.pdf"};
        QTest::newRow("no position") << QStringList{"pdf", "hours", "--out", "o.pdf"};
        QTest::newRow("no --out") << QStringList{"pdf", "hours", "1"};
    }
    void refusesWhatItCannotDo()
    {
        QFETCH(QStringList, args);
        const CliResult r = runCli(m_dir.path(), args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.contains("Uso: norvalis-cli"));
        QVERIFY(!QFileInfo::exists(data("o.pdf")));
    }

    // The template as the screen fills it after loading the record, the
    // footer's date and time from --today and --now, the time as hh:mm:ss
    // on a system in any language; past the end, exit 1 and the earlier PDF stays.
    void pdfOfATemplate()
    {
        const QString pdf = data("orario.pdf");
        // A system in English: the footer still reads hh:mm:ss.
        const CliResult r =
            runCli(m_dir.path(), {"--today", "07/03/2025", "--now", "14:05:09", "pdf", "hours", "2", "--out", pdf}, {},
                   {"LC_ALL=en_US.UTF-8"});
        QVERIFY2(r.status == 0, r.err.constData());
        const QByteArray bytes = fileContent(pdf);
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(pdfPageCount(bytes), 1);
        QCOMPARE(pdfMediaBoxes(bytes), QList<QSize>{QSize(842, 595)});

        const CliResult late = runCli(m_dir.path(), {"pdf", "hours", "4", "--out", pdf});
        QCOMPARE(late.status, 1);
        QCOMPARE(late.err.count('\n'), 1);
        QCOMPARE(fileContent(pdf), bytes);

        const QString printed = pdfText(pdf);
        if (printed.isNull())
            QSKIP("pdftotext not installed");
        for (const char* expected : {"Invernale", "Sportello",
                                     "Stampa eseguita in data 07/03/2025 alle ore 14:05:09"})
            QVERIFY2(printed.contains(QLatin1String(expected)), expected);
    }

    void helpNamesTheCommands()
    {
        const CliResult r = runCli(m_dir.path(), {"--help"});
        QCOMPARE(r.status, 0);
        for (const char* text : {"search hours", "export hours", "pdf hours POS --out FILE.pdf"})
            QVERIFY2(r.text().contains(QLatin1String(text)), text);
    }
};

QTEST_GUILESS_MAIN(TestCliHours)
#include "tst_clihours.moc"
