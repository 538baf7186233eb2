#include "cli/clirunner.h"
#include "members/membersearch.h"
#include "members/membersfixture.h"

#include <QTemporaryDir>
#include <QtTest>

class TestCliSearch : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        AppDir::set(m_dir.path());
        writeMembers({
            {{"Tesserato", "Rossi Carlo"}, {"NumTessera", "12"}, {"ComuneRes", "Roma"}, {"Note", "più soci"}},
            {{"Tesserato", "Carlo Ross"}, {"ComuneRes", "Milano"}},
            {{"Tesserato", "Rossi Anna"}, {"ComuneRes", "Roma"}, {"Annullata", "S\u00EC"}},
            {{"Tesserato", "Bianchi Rossi"}, {"ComuneRes", "Roma"}},
        });
    }

    void printsTheDialogsLines_data()
    {
        QTest::addColumn<QStringList>("filters");
        QTest::addColumn<QList<int>>("records");
        QTest::newRow("no filter") << QStringList{} << QList<int>{1, 2, 4};
        QTest::newRow("two filters") << QStringList{"--Tesserato", "ROSSI", "--ComuneRes", "roma"}
                                     << QList<int>{1, 4};
        QTest::newRow("value as typed") << QStringList{"--Tesserato", "Rossi "} << QList<int>{1};
        QTest::newRow("nothing found") << QStringList{"--CodFisc", "RSS"} << QList<int>{};
    }
    void printsTheDialogsLines()
    {
        QFETCH(QStringList, filters);
        QFETCH(QList<int>, records);
        const Archive archive(membersPath(), members::recordLayout());
        QString expected;
        for (int position : records)
            expected += members::resultLine(archive.read(position)) + QLatin1Char('\n');
        const CliResult r = runCli(m_dir.path(), QStringList{"search", "members"} + filters);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.text(), expected);
    }

    void refusesWhatItCannotDo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("no archive named") << QStringList{"search"} << 2;
        QTest::newRow("an archive it does not search") << QStringList{"search", "daily"} << 2;
        QTest::newRow("unknown field") << QStringList{"search", "members", "--Email", "x"} << 2;
        QTest::newRow("field without text") << QStringList{"search", "members", "--Carica"} << 2;
    }
    void refusesWhatItCannotDo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        const CliResult r = runCli(m_dir.path(), arguments);
        QCOMPARE(r.status, status);
        QVERIFY(r.text().isEmpty());
        QVERIFY(r.err.contains("Uso: norvalis-cli"));
    }

    void missingArchiveIsCreatedEmpty()
    {
        QTemporaryDir empty;
        const CliResult r = runCli(empty.path(), {"search", "members"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.text().isEmpty());
        QCOMPARE(QFileInfo(empty.filePath(QLatin1String(members::kFileName))).size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCliSearch)
#include "tst_clisearch.moc"
