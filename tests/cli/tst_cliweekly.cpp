// norvalis-cli search weekly and pdf weekly: what they print and write, a
// year without an archive created empty, and how they refuse (there is no
// weekly export).

#include "cli/clirunner.h"
#include "shifts/weeklyfixture.h"
#include "storage/appdir.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestCliWeekly : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString data(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        AppDir::set(m_dir.path());
        writeWeekly("2025", {weeklyTable("Maggio", "05/05/2025", "11/05/2025",
                                         {{"Sede", "Centro"}, {"Lun01", "ROSSI MARIO"}, {"Inizio01", "08:00"}}),
                             weeklyTable("Ponte", "28/04/2025", "04/05/2025", {{"Annotazioni", "a & b"}}),
                             weeklyTable("Fine mese", "26/05/2025", "01/06/2025",
                                         {{"Sede", "centro storico"}, {"Disposizioni", "Chiavi"},
                                          {"Dom03", "Neri, Bianchi"}, {"Inizio03", "20:00"}})});
    }

    void searchPrintsTheLinesInArchiveOrder_data()
    {
        QTest::addColumn<QStringList>("criteria");
        QTest::addColumn<QList<int>>("records");
        QTest::newRow("no criterion") << QStringList{} << QList<int>{1, 2, 3};
        QTest::newRow("weeks starting in May") << QStringList{"--DataInizio", "/05/"} << QList<int>{1, 3};
        QTest::newRow("weeks ending in May") << QStringList{"--DataFine", "/05/"} << QList<int>{1, 2};
        QTest::newRow("two criteria") << QStringList{"--Sede", "CENTRO", "--DataFine", "/06/"} << QList<int>{3};
        QTest::newRow("typed as is") << QStringList{"--Nome", "Ponte "} << QList<int>{};
        QTest::newRow("instructions and notes")
            << QStringList{"--Disposizioni", "chiavi", "--Annotazioni", "&"} << QList<int>{};
        QTest::newRow("notes") << QStringList{"--Annotazioni", "&"} << QList<int>{2};
    }
    void searchPrintsTheLinesInArchiveOrder()
    {
        QFETCH(QStringList, criteria);
        QFETCH(QList<int>, records);
        const CliResult r = runCli(m_dir.path(), QStringList{"search", "weekly", "2025"} + criteria);
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.status, 0);
        QString expected;
        for (int position : records)
            expected += weekly::resultLine(weeklyArchive("2025").read(position)) + QLatin1Char('\n');
        QCOMPARE(r.text(), expected);
    }

    // The table as the screen fills it after loading the record, the footer's
    // date and time from --today and --now, the time as hh:mm:ss on a system
    // in any language; past the end, exit 1 and the earlier PDF stays.
    void pdfOfATable()
    {
        const QString pdf = data("settimana.pdf");
        const CliResult r = runCli(
            m_dir.path(),
            {"--today", "07/03/2025", "--now", "14:05:09", "pdf", "weekly", "2025", "3", "--out", pdf}, {},
            {"LC_ALL=en_US.UTF-8"});
        QVERIFY2(r.status == 0, r.err.constData());
        QVERIFY(r.out.isEmpty());
        const QByteArray bytes = fileContent(pdf);
        QVERIFY(isOneLandscapePage(bytes));

        const CliResult late = runCli(m_dir.path(), {"pdf", "weekly", "2025", "4", "--out", pdf});
        QCOMPARE(late.status, 1);
        QCOMPARE(late.err.count('\n'), 1);
        QCOMPARE(fileContent(pdf), bytes);

        const QString printed = pdfText(pdf);
        if (printed.isNull())
            QSKIP("pdftotext not installed");
        for (const char* expected : {"Fine mese", "SETTIMANA DAL", "26/05/2025", "01/06/2025", "centro storico",
                                     "Chiavi", "Neri, Bianchi", "20:00", "DOMENICA", "Dalle ore",
                                     "Stampa eseguita in data 07/03/2025 alle ore 14:05:09"})
            QVERIFY2(printed.contains(QLatin1String(expected)), expected);
    }

    // A year without an archive gets an empty one: no lines, and every
    // position past its end.
    void aMissingYearIsCreatedEmpty()
    {
        for (const QStringList& args : {QStringList{"search", "weekly", "2030", "--Nome", "x"},
                                        QStringList{"pdf", "weekly", "2030", "1", "--out", "o.pdf"}}) {
            QTemporaryDir empty;
            const CliResult r = runCli(empty.path(), args);
            QCOMPARE(r.status, args.first() == QLatin1String("pdf") ? 1 : 0);
            QVERIFY(r.out.isEmpty());
            QCOMPARE(QFileInfo(empty.filePath("2030.set")).size(), 0);
        }
    }

    // An archive that cannot be read: exit 1 and one line on stderr.
    void anUnreadableArchiveFails()
    {
        QTemporaryDir unreadable;
        QVERIFY(QDir(unreadable.path()).mkpath("2025.set"));
        for (const QStringList& args : {QStringList{"search", "weekly", "2025"},
                                        QStringList{"pdf", "weekly", "2025", "1", "--out", unreadable.filePath("o.pdf")}}) {
            const CliResult r = runCli(unreadable.path(), args);
            QCOMPARE(r.status, 1);
            QVERIFY(r.out.isEmpty());
            QCOMPARE(r.err.count('\n'), 1);
        }
        QVERIFY(!QFileInfo::exists(unreadable.filePath("o.pdf")));
    }

    void refusesWhatItCannotDo_data()
    {
        QTest::addColumn<QStringList>("args");
        for (const char* year : {"25", "20255", "2o25", " 2025"}) {
            QTest::addRow("search, year %s", year) << QStringList{"search", "weekly", year};
            QTest::addRow("pdf, year %s", year) << QStringList{"pdf", "weekly", year, "1", "--out", "o.pdf"};
        }
        QTest::newRow("search without a year") << QStringList{"search", "weekly", "--Nome", "x"};
        QTest::newRow("worker cells cannot be searched") << QStringList{"search", "weekly", "2025", "--Lun01", "x"};
        QTest::newRow("the daily date is not a criterion") << QStringList{"search", "weekly", "2025", "--Data", "x"};
        QTest::newRow("criterion without text") << QStringList{"search", "weekly", "2025", "--DataInizio"};
        QTest::newRow("no weekly export") << QStringList{"export", "weekly", "2025"};
        QTest::newRow("pdf without a year") << QStringList{"pdf", "weekly", "1", "--out", "o.pdf"};
        QTest::newRow("position 0") << QStringList{"pdf", "weekly", "2025", "0", "--out", "o.pdf"};
        QTest::newRow("two positions") << QStringList{"pdf", "weekly", "2025", "1,2", "--out", "o.pdf"};
        QTest::newRow("no --out") << QStringList{"pdf", "weekly", "2025", "1"};
    }
    void refusesWhatItCannotDo()
    {
        QFETCH(QStringList, args);
        const CliResult r = runCli(m_dir.path(), args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        // The usage text names both commands.
        for (const char* text : {"Uso: norvalis-cli", "search weekly ANNO", "pdf weekly ANNO POS --out FILE.pdf"})
            QVERIFY2(r.err.contains(text), text);
        QVERIFY(!QFileInfo::exists(data("o.pdf")));
        QCOMPARE(QDir(m_dir.path()).entryList({"*.set"}), QStringList{"2025.set"});
    }
};

QTEST_GUILESS_MAIN(TestCliWeekly)
#include "tst_cliweekly.moc"
