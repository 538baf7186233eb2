// norvalis-cli import members: the count, the trial run, the failing lines
// on standard error with nothing written, and the data folder's lock.

#include "cli/clirunner.h"
#include "members/membersfixture.h"
#include "storage/folderlock.h"

#include "testsupport.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray GoodCsv = "\xEF\xBB\xBF"
                           "Cognome e nome Socio,Data di rilascio,Data di scadenza,Comune di residenza\r\n"
                           "\"Rossi, Mario\",01/01/2024,31/12/2024,00100 Roma RM\r\n"
                           "Citt\xC3\xA0 Anna,02/01/2024,02/01/2025,\r\n";

}  // namespace

class TestCliImport : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

private slots:
    void init()
    {
        QFile::remove(membersPath());
        QVERIFY(setFileContent(path("soci.csv"), GoodCsv));
        AppDir::set(m_dir.path());
    }

    void importsAfterTheMembersThere()
    {
        writeMembers({{{"Tesserato", "Primo"}}});
        const CliResult r = runCli(m_dir.path(), {"import", "members", "soci.csv"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.text(), QStringLiteral("2 schede importate (posizioni da 2 a 3)\n"));
        const Archive archive(membersPath(), members::recordLayout());
        QCOMPARE(archive.count(), 3);
        QCOMPARE(archive.read(2).text(u"Tesserato"), QStringLiteral("Rossi, Mario"));
        QCOMPARE(archive.read(2).text(u"ComuneRes"), QStringLiteral("Roma"));
        QCOMPARE(archive.read(3).text(u"Tesserato"), QStringLiteral("Citt\u00E0 Anna"));
        QCOMPARE(archive.read(3).text(u"Preavviso"), QStringLiteral("0"));
    }

    // A column without a title the import knows, given its field; another left out.
    void mapsColumnsByHand()
    {
        QVERIFY(setFileContent(path("soci.csv"), "Nome;Rilascio;Scadenza;Note\n"
                                                 "Rossi;01/01/2024;31/12/2024;da non copiare\n"));
        const CliResult r = runCli(m_dir.path(), {"import", "members", "soci.csv", "--map", "nome=Tesserato", "--map",
                                                  "2=Data di rilascio", "--map", "Scadenza=DataScade", "--map",
                                                  "Note=-"});
        QCOMPARE(r.status, 0);
        const Record imported = Archive(membersPath(), members::recordLayout()).read(1);
        QCOMPARE(imported.text(u"Tesserato"), QStringLiteral("Rossi"));
        QCOMPARE(imported.text(u"DataRil"), QStringLiteral("01/01/2024"));
        QCOMPARE(imported.text(u"DataScade"), QStringLiteral("31/12/2024"));
        QCOMPARE(imported.text(u"Note"), QString());
    }

    void aTrialWritesNothing()
    {
        writeMembers({{{"Tesserato", "Primo"}}});
        const QByteArray before = fileContent(membersPath());
        // A trial needs no lock: it runs beside the program.
        const DataFolderLock program(m_dir.path());
        const CliResult r = runCli(m_dir.path(), {"import", "members", path("soci.csv"), "--dry-run"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.text(), QStringLiteral("2 schede da importare (prova: nulla \u00E8 stato scritto)\n"));
        QCOMPARE(fileContent(membersPath()), before);
    }

    // A bad date on line 7 (Windows-1252, semicolons): exit 1, the line on
    // standard error, the archive as it was.
    void aFailingLineWritesNothing()
    {
        writeMembers({{{"Tesserato", "Primo"}}});
        const QByteArray before = fileContent(membersPath());
        QVERIFY(setFileContent(path("soci.csv"), "Tesserato;DataRil;DataScade\n"
                                                 "Uno;01/01/2024;01/01/2025\n"
                                                 "\"Due\nsu due righe\";01/01/2024;01/01/2025\n"
                                                 "Tre;01/01/2024;01/01/2025\n"
                                                 "Quattro;01/01/2024;01/01/2025\n"
                                                 "Sei \xE0;32/01/2024;01/01/2025\n"));
        for (const QStringList& args : {QStringList{"import", "members", "soci.csv"},
                                        QStringList{"import", "members", "soci.csv", "--dry-run"}}) {
            const CliResult r = runCli(m_dir.path(), args);
            QCOMPARE(r.status, 1);
            QVERIFY(r.out.isEmpty());
            QCOMPARE(QString::fromUtf8(r.err).section(QLatin1Char('\n'), 0, 0),
                     QStringLiteral("riga 7: la data di rilascio della tessera 32/01/2024 non esiste. Per poter "
                                    "salvare la scheda \u00E8 necessario indicare una data valida nel formato "
                                    "gg/mm/aaaa."));
            QVERIFY2(r.err.contains("nessuna scheda importata"), r.err.constData());
            QCOMPARE(fileContent(membersPath()), before);
        }
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::newRow("no file") << QStringList{"import", "members"} << QByteArray() << 2
                                 << "import vuole members FILE.csv";
        QTest::newRow("other archive") << QStringList{"import", "hours", "soci.csv"} << QByteArray() << 2
                                       << "import vuole members FILE.csv";
        QTest::newRow("missing file") << QStringList{"import", "members", "manca.csv"} << QByteArray() << 1
                                      << "impossibile leggere";
        QTest::newRow("quote left open") << QStringList{"import", "members", "soci.csv"}
                                         << QByteArray("Tesserato\n\"aperta\n") << 1 << "riga 2: un testo fra virgolette";
        QTest::newRow("unknown field") << QStringList{"import", "members", "soci.csv", "--map", "1=Colore"}
                                       << QByteArray() << 2 << "campo sconosciuto: Colore";
        QTest::newRow("unknown column") << QStringList{"import", "members", "soci.csv", "--map", "Colore=Note"}
                                        << QByteArray() << 2 << "il file non ha la colonna Colore";
        QTest::newRow("no column") << QStringList{"import", "members", "soci.csv"} << QByteArray("Nome\nRossi\n") << 1
                                   << "nessuna colonna del file";
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(QString, said);
        if (!file.isEmpty())
            QVERIFY(setFileContent(path("soci.csv"), file));
        const CliResult r = runCli(m_dir.path(), arguments);
        QCOMPARE(r.status, status);
        QVERIFY2(QString::fromUtf8(r.err).contains(said), r.err.constData());
        QVERIFY(!QFile::exists(membersPath()));
    }

    void refusesAFolderInUse()
    {
        const DataFolderLock program(m_dir.path());
        QVERIFY(program.held());
        const CliResult r = runCli(m_dir.path(), {"import", "members", "soci.csv"});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("gi\xC3\xA0 in uso"), r.err.constData());
        QVERIFY(!QFile::exists(membersPath()));
    }

    void helpNamesTheCommand()
    {
        const CliResult r = runCli(m_dir.path(), {"--help"});
        QVERIFY(r.text().contains(QStringLiteral("import members FILE.csv [--map COLONNA=CAMPO]... [--dry-run]")));
    }
};

QTEST_GUILESS_MAIN(TestCliImport)
#include "tst_cliimport.moc"
