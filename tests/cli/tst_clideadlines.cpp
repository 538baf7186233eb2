#include "cli/clirunner.h"
#include "deadlines/deadlinesfixture.h"
#include "storage/appdir.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestCliDeadlines : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    // The list lines of the records at `positions` of the year's archive.
    QString linesOf(const QString& year, const QList<int>& positions)
    {
        const Archive archive(deadlines::archivePath(year), deadlines::recordLayout());
        QString out;
        for (int position : positions)
            out += deadlines::listLine(archive.read(position)) + QLatin1Char('\n');
        return out;
    }

private slots:
    void initTestCase()
    {
        AppDir::set(m_dir.path());
        writeDeadlines("2025", {
            {{"Dettagli", "Gas"}, {"Data", "10/03/2025"}, {"Avviso", "3"}, {"Pagatore", "Rossi Carlo"},
             {"Beneficiario", "Eni"}, {"Costo", "40,00"}},
            {{"Dettagli", "affitto"}, {"Data", "01/04/2025"}, {"Avviso", "0"}, {"Pagatore", "Bianchi"},
             {"Beneficiario", "Comune"}, {"Costo", "500,00"}, {"Effettuata", "S\u00EC"}},
            {{"Dettagli", "Bollo"}, {"Data", "31/04/2025"}, {"Avviso", "9"}, {"Pagatore", "Rossi Anna"},
             {"Beneficiario", "ACI"}, {"DaConfermare", "S\u00EC"}},
            {{"Dettagli", "Acqua"}, {"Data", "08/03/2025"}, {"Avviso", "1"}, {"Pagatore", "Verdi"},
             {"Beneficiario", "Comune"}},
        });
    }

    void printsSearchAndListLinesInTheirOrder_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<int>>("records");
        QTest::newRow("search, no filter") << QStringList{"search", "deadlines", "2025"} << QList<int>{4, 2, 3, 1};
        QTest::newRow("search, two filters")
            << QStringList{"search", "deadlines", "2025", "--Pagatore", "ROSSI", "--Beneficiario", "eni"}
            << QList<int>{1};
        QTest::newRow("search, typed as is") << QStringList{"search", "deadlines", "2025", "--Pagatore", "Carlo "}
                                             << QList<int>{};
        QTest::newRow("to confirm") << QStringList{"list", "deadlines", "2025", "--state", "daconfermare"}
                                    << QList<int>{3};
        QTest::newRow("to pay") << QStringList{"list", "deadlines", "2025", "--state", "dapagare"}
                                << QList<int>{4, 3, 1};
        QTest::newRow("paid") << QStringList{"list", "deadlines", "2025", "--state", "pagati"} << QList<int>{2};
    }
    void printsSearchAndListLinesInTheirOrder()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QList<int>, records);
        const CliResult r = runCli(m_dir.path(), arguments);
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.text(), linesOf("2025", records));
    }

    void remindersCountTheCurrentYearOnTheGivenDay_data()
    {
        QTest::addColumn<QStringList>("clock");
        QTest::addColumn<QString>("count");
        QTest::newRow("07/03") << QStringList{"--today", "07/03/2025"} << "2\n";  // Gas and Acqua
        QTest::newRow("09/03") << QStringList{"--today", "09/03/2025"} << "1\n";  // Acqua is past
        QTest::newRow("01/04 with a time") << QStringList{"--today", "01/04/2025", "--now", "23:59:59"} << "1\n";
        QTest::newRow("another year") << QStringList{"--now", "12:00:00", "--today", "07/03/2036"} << "0\n";
    }
    void remindersCountTheCurrentYearOnTheGivenDay()
    {
        QFETCH(QStringList, clock);
        QFETCH(QString, count);
        const CliResult r = runCli(m_dir.path(), clock + QStringList{"reminders"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.text(), count);
    }

    void aYearWithoutArchiveGetsAnEmptyOne()
    {
        QTemporaryDir empty;
        for (const QStringList& arguments : {QStringList{"search", "deadlines", "2040"},
                                             QStringList{"list", "deadlines", "2041", "--state", "pagati"},
                                             QStringList{"--today", "05/05/2042", "reminders"}}) {
            const CliResult r = runCli(empty.path(), arguments);
            QCOMPARE(r.status, 0);
            QCOMPARE(r.text(), arguments.last() == QLatin1String("reminders") ? QStringLiteral("0\n") : QString());
        }
        for (const char* file : {"2040.sca", "2041.sca", "2042.sca"})
            QCOMPARE(QFileInfo(empty.filePath(QLatin1String(file))).size(), 0);
    }

    void anUnreadableArchiveIsOneLineOnStderr()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("2025.sca"));
        for (const QStringList& arguments : {QStringList{"search", "deadlines", "2025"},
                                             QStringList{"list", "deadlines", "2025", "--state", "dapagare"},
                                             QStringList{"--today", "01/01/2025", "reminders"}}) {
            const CliResult r = runCli(dir.path(), arguments);
            QCOMPARE(r.status, 1);
            QVERIFY(r.text().isEmpty());
            QVERIFY(r.err.startsWith("norvalis-cli: "));
            QCOMPARE(r.err.count('\n'), 1);
        }
    }

    void refusesWhatItCannotDo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no year") << QStringList{"search", "deadlines"};
        QTest::newRow("two-digit year") << QStringList{"search", "deadlines", "25"};
        QTest::newRow("year with a letter") << QStringList{"list", "deadlines", "202a", "--state", "pagati"};
        QTest::newRow("five-digit year") << QStringList{"search", "deadlines", "20250"};
        QTest::newRow("unknown field") << QStringList{"search", "deadlines", "2025", "--Costo", "1"};
        QTest::newRow("member field") << QStringList{"search", "deadlines", "2025", "--Tesserato", "x"};
        QTest::newRow("unknown state") << QStringList{"list", "deadlines", "2025", "--state", "scaduti"};
        QTest::newRow("no state") << QStringList{"list", "deadlines", "2025"};
        QTest::newRow("list of members") << QStringList{"list", "members"};
        QTest::newRow("reminders with a year") << QStringList{"reminders", "2025"};
        QTest::newRow("not a real day") << QStringList{"--today", "29/02/2025", "reminders"};
        QTest::newRow("day not in two digits") << QStringList{"--today", "1/03/2025", "reminders"};
        QTest::newRow("not a real time") << QStringList{"--now", "24:00:00", "reminders"};
        QTest::newRow("today without a value") << QStringList{"--today"};
    }
    void refusesWhatItCannotDo()
    {
        QFETCH(QStringList, arguments);
        const CliResult r = runCli(m_dir.path(), arguments);
        QCOMPARE(r.status, 2);
        QVERIFY(r.text().isEmpty());
        QVERIFY(r.err.contains("Uso: norvalis-cli"));
    }

    void helpNamesTheCommands()
    {
        const CliResult r = runCli(m_dir.path(), {"--help"});
        QCOMPARE(r.status, 0);
        for (const char* text : {"search deadlines ANNO", "list deadlines ANNO --state STATO", "reminders",
                                 "--today GG/MM/AAAA", "--now HH:MM:SS"})
            QVERIFY2(r.text().contains(QLatin1String(text)), text);
    }
};

QTEST_GUILESS_MAIN(TestCliDeadlines)
#include "tst_clideadlines.moc"
