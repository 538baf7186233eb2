// norvalis-cli search daily, export daily and pdf daily: what they print and
// write, a year without an archive created empty, and how they refuse.

#include "cli/clirunner.h"
#include "shifts/dailyfixture.h"
#include "storage/appdir.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestCliDaily : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString data(const QString& name) const { return m_dir.filePath(name); }
    QString linesOf(const QList<int>& positions) const
    {
        QString out;
        for (int position : positions)
            out += daily::resultLine(dailyArchive("2025").read(position)) + QLatin1Char('\n');
        return out;
    }

private slots:
    void initTestCase()
    {
        AppDir::set(m_dir.path());
        writeDaily("2025", {{{"Nome", "Mattina"}, {"Data", "07/03/2025"}, {"Sede", "Verona"},
                             {"Lavoratore01", "ROSSI MARIO"}, {"Inizio01", "08:00"}},
                            {{"Nome", "Pomeriggio"}, {"Data", "15/04/2025"}, {"Lavoratore06", "Rossi Mario"},
                             {"Annotazioni", "a & b"}},
                            {{"Nome", "Sera"}, {"Data", "21/03/2025"}, {"Sede", "Verona"}, {"Periodo", "Primavera"},
                             {"Lavoratore03", "Neri, Bianchi"}, {"Attivita03", "Chiusura"}}});
    }

    void searchPrintsTheLinesInArchiveOrder_data()
    {
        QTest::addColumn<QStringList>("criteria");
        QTest::addColumn<QList<int>>("records");
        QTest::newRow("no criterion") << QStringList{} << QList<int>{1, 2, 3};
        QTest::newRow("workers of row 1 only") << QStringList{"--Lavoratore01", "rossi"} << QList<int>{1};
        QTest::newRow("the tables of March") << QStringList{"--Data", "/03/"} << QList<int>{1, 3};
        QTest::newRow("two criteria") << QStringList{"--Sede", "VERONA", "--Lavoratore03", "neri"} << QList<int>{3};
        QTest::newRow("typed as is") << QStringList{"--Nome", "Sera "} << QList<int>{};
        QTest::newRow("notes") << QStringList{"--Annotazioni", "&"} << QList<int>{2};
    }
    void searchPrintsTheLinesInArchiveOrder()
    {
        QFETCH(QStringList, criteria);
        QFETCH(QList<int>, records);
        const CliResult r = runCli(m_dir.path(), QStringList{"search", "daily", "2025"} + criteria);
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.text(), linesOf(records));
    }

    void exportWritesEveryTableAndReplacesTheFile()
    {
        const QString file = data("Turni_Lavoro.xls");
        QVERIFY(setFileContent(file, "earlier"));
        const CliResult r = runCli(m_dir.path(), {"export", "daily", "2025"});
        QVERIFY2(r.status == 0, r.err.constData());
        QVERIFY(r.out.isEmpty() && r.err.isEmpty());
        const QByteArray bytes = fileContent(file);
        QVERIFY(!bytes.contains("earlier"));
        QVERIFY(bytes.contains("<x:Name>Turni Lavoro</x:Name>"));
        const QList<QStringList> rows = exportRows(bytes);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows.at(1).mid(0, 6),
                 (QStringList{"Mattina", "07/03/2025", "Verona", "", "Dalle 08:00 alle", "ROSSI MARIO"}));
        QCOMPARE(rows.at(2).last(), QStringLiteral("a &amp; b"));
        QCOMPARE(rows.at(3).at(8), QStringLiteral("Dalle  alle"));
        QCOMPARE(rows.at(3).at(9), QStringLiteral("Neri, Bianchi"));
    }

    // A year without an archive gets an empty one: no lines, a header-only
    // export, and every position past its end.
    void aMissingYearIsCreatedEmpty()
    {
        for (const QStringList& args : {QStringList{"search", "daily", "2030"}, QStringList{"export", "daily", "2030"},
                                        QStringList{"pdf", "daily", "2030", "1", "--out", "o.pdf"}}) {
            QTemporaryDir empty;
            const CliResult r = runCli(empty.path(), args);
            QCOMPARE(r.status, args.first() == QLatin1String("pdf") ? 1 : 0);
            QVERIFY(r.out.isEmpty());
            QCOMPARE(QFileInfo(empty.filePath("2030.ore")).size(), 0);
            if (args.first() == QLatin1String("export")) {
                const QByteArray bytes = fileContent(empty.filePath("Turni_Lavoro.xls"));
                QCOMPARE(exportRows(bytes).size(), 1);
                QVERIFY(bytes.contains("Turnista 10"));
            }
        }
    }

    // An archive that cannot be read: exit 1, one line on stderr, and the
    // earlier export stays.
    void anUnreadableArchiveKeepsWhatWasThere()
    {
        QTemporaryDir unreadable;
        QVERIFY(QDir(unreadable.path()).mkpath("2025.ore"));
        QVERIFY(setFileContent(unreadable.filePath("Turni_Lavoro.xls"), "earlier"));
        for (const QStringList& args :
             {QStringList{"search", "daily", "2025"}, QStringList{"export", "daily", "2025"},
              QStringList{"pdf", "daily", "2025", "1", "--out", unreadable.filePath("o.pdf")}}) {
            const CliResult r = runCli(unreadable.path(), args);
            QCOMPARE(r.status, 1);
            QVERIFY(r.out.isEmpty());
            QCOMPARE(r.err.count('\n'), 1);
        }
        QCOMPARE(fileContent(unreadable.filePath("Turni_Lavoro.xls")), QByteArray("earlier"));
        QVERIFY(!QFileInfo::exists(unreadable.filePath("o.pdf")));
    }

    void refusesWhatItCannotDo_data()
    {
        QTest::addColumn<QStringList>("args");
        for (const char* year : {"25", "20255", "2o25", " 2025"}) {
            QTest::addRow("search, year %s", year) << QStringList{"search", "daily", year};
            QTest::addRow("export, year %s", year) << QStringList{"export", "daily", year};
            QTest::addRow("pdf, year %s", year) << QStringList{"pdf", "daily", year, "1", "--out", "o.pdf"};
        }
        QTest::newRow("search without a year") << QStringList{"search", "daily", "--Nome", "x"};
        QTest::newRow("export without a year") << QStringList{"export", "daily"};
        QTest::newRow("export with two years") << QStringList{"export", "daily", "2025", "2026"};
        QTest::newRow("row 6 cannot be searched") << QStringList{"search", "daily", "2025", "--Lavoratore06", "x"};
        QTest::newRow("the period cannot be searched") << QStringList{"search", "daily", "2025", "--Periodo", "x"};
        QTest::newRow("criterion without text") << QStringList{"search", "daily", "2025", "--Nome"};
        QTest::newRow("pdf without a year") << QStringList{"pdf", "daily", "1", "--out", "o.pdf"};
        QTest::newRow("position 0") << QStringList{"pdf", "daily", "2025", "0", "--out", "o.pdf"};
        QTest::newRow("no --out") << QStringList{"pdf", "daily", "2025", "1"};
    }
    void refusesWhatItCannotDo()
    {
        QFETCH(QStringList, args);
        const CliResult r = runCli(m_dir.path(), args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.contains("Uso: norvalis-cli"));
        QVERIFY(!QFileInfo::exists(data("o.pdf")));
        QVERIFY(QDir(m_dir.path()).entryList({"*.ore"}) == QStringList{"2025.ore"});
    }

    // The table as the screen fills it after loading the record, the footer's
    // date and time from --today and --now, the time as hh:mm:ss on a system
    // in any language; past the end, exit 1 and the earlier PDF stays.
    void pdfOfATable()
    {
        const QString pdf = data("turno.pdf");
        // A system in English: the footer still reads hh:mm:ss.
        const CliResult r =
            runCli(m_dir.path(), {"--today", "07/03/2025", "--now", "14:05:09", "pdf", "daily", "2025", "3", "--out", pdf}, {},
                   {"LC_ALL=en_US.UTF-8"});
        QVERIFY2(r.status == 0, r.err.constData());
        const QByteArray bytes = fileContent(pdf);
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(pdfPageCount(bytes), 1);
        QCOMPARE(pdfMediaBoxes(bytes), QList<QSize>{QSize(842, 595)});

        const CliResult late = runCli(m_dir.path(), {"pdf", "daily", "2025", "4", "--out", pdf});
        QCOMPARE(late.status, 1);
        QCOMPARE(late.err.count('\n'), 1);
        QCOMPARE(fileContent(pdf), bytes);

        const QString printed = pdfText(pdf);
        if (printed.isNull())
            QSKIP("pdftotext not installed");
        for (const char* expected : {"Sera", "DATA:", "21/03/2025", "Primavera", "Neri, Bianchi", "Chiusura", "TURNISTI",
                                     "Stampa eseguita in data 07/03/2025 alle ore 14:05:09"})
            QVERIFY2(printed.contains(QLatin1String(expected)), expected);
    }

    void helpNamesTheCommands()
    {
        const CliResult r = runCli(m_dir.path(), {"--help"});
        QCOMPARE(r.status, 0);
        for (const char* text : {"search daily ANNO", "export daily ANNO", "pdf daily ANNO POS --out FILE.pdf"})
            QVERIFY2(r.text().contains(QLatin1String(text)), text);
    }
};

QTEST_GUILESS_MAIN(TestCliDaily)
#include "tst_clidaily.moc"
