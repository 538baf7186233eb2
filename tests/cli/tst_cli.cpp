#include "members/memberrecord.h"
#include "shifts/shiftrecords.h"
#include "storage/archive.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Result {
    int status;
    QByteArray out;
    QByteArray err;
};

Result cli(const QStringList& arguments, const QString& workingDir = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("NORVALIS_DATA_DIR"));
    p.setProcessEnvironment(env);
    if (!workingDir.isEmpty())
        p.setWorkingDirectory(workingDir);
    p.start(QStringLiteral(NORVALIS_CLI), arguments);
    if (!p.waitForFinished(30000))
        return {-1, {}, "did not finish"};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void scrambleAndUnscramble()
    {
        const Result s = cli({"scramble", "RAVENQUILLOTTO"});
        QCOMPARE(s.status, 0);
        QCOMPARE(s.out, QByteArray("08F6415598C168B698EB2274845C\n"));
        const Result u = cli({"unscramble", "08f6415598c168b698eb2274845c"});
        QCOMPARE(u.status, 0);
        QCOMPARE(u.out, QByteArray("RAVENQUILLOTTO\n"));
        const Result accented = cli({"unscramble", QString::fromLatin1(cli({"scramble", "più"}).out).trimmed()});
        QCOMPARE(accented.out, QByteArray("più\n"));
    }

    void exitStatuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("no command") << QStringList{} << 2;
        QTest::newRow("unknown command") << QStringList{"explode"} << 2;
        QTest::newRow("missing argument") << QStringList{"scramble"} << 2;
        QTest::newRow("extra argument") << QStringList{"unscramble", "1B", "2C"} << 2;
        QTest::newRow("data-dir without folder") << QStringList{"dump", "x.pro", "--data-dir"} << 2;
        QTest::newRow("unknown kind") << QStringList{"dump", "a.pro", "--kind", "people"} << 2;
        QTest::newRow("kind not in the name") << QStringList{"dump", "archivio.dat"} << 2;
        QTest::newRow("check without a value") << QStringList{"check", "cf"} << 2;
        QTest::newRow("unknown check") << QStringList{"check", "isbn", "8804"} << 2;
        QTest::newRow("bad hex") << QStringList{"unscramble", "1G"} << 1;
        QTest::newRow("missing file") << QStringList{"dump", "/nonexistent/Tesserati.pro"} << 1;
    }
    void exitStatuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        const Result r = cli(arguments);
        QCOMPARE(r.status, status);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.startsWith("norvalis-cli: ") || r.err.startsWith("Uso: "));
        if (status == 2)
            QVERIFY(r.err.contains("Uso: norvalis-cli"));
        else
            QCOMPARE(r.err.count('\n'), 1);  // one clear line
    }

    void check_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("valid tax code, typed in lower case")
            << QStringList{"check", "cf", "rssmra85t10a562s"} << 0
            << QByteArray("Il codice fiscale digitato \xC3\xA8 VALIDO.\n");
        QTest::newRow("VAT number, message lines")
            << QStringList{"check", "piva", "12345678903"} << 0
            << QByteArray("Il numero di partita IVA digitato risulta VALIDO.\n\n"
                          "E' stato rilasciato dall'Ufficio IVA del Comune di .\n");
        QTest::newRow("wrong IBAN") << QStringList{"check", "iban", "IT60X0542811101000000123457"} << 1
                                    << QByteArray("Attenzione: l'IBAN digitato \xC3\xA8 ERRATO!\n");
        QTest::newRow("wrong length: the window stays open")
            << QStringList{"check", "piva", "1234567890"} << 2
            << QByteArray("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.\n");
        QTest::newRow("cut to the field's length") << QStringList{"check", "cf", "RSSMRA85T10A562SXYZ"} << 0
                                                   << QByteArray("Il codice fiscale digitato \xC3\xA8 VALIDO.\n");
        QTest::newRow("card beginning 32: no message") << QStringList{"check", "card", "3200000000000002"} << 3
                                                       << QByteArray();
    }
    void check()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        const Result r = cli(arguments);
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, out);
        QVERIFY2(r.err.isEmpty(), r.err.constData());
    }

    void help()
    {
        const Result r = cli({"--help"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.startsWith("Uso: norvalis-cli"));
        QVERIFY(r.out.contains("dump FILE"));
    }

    void dumpMembers()
    {
        const QString path = m_dir.filePath(QStringLiteral("Tesserati.pro"));
        const Archive archive(path, members::recordLayout());
        Record r(members::recordLayout());
        r.setText(u"Tesserato", QString::fromUtf8("Nicolò \"Nico\" Rossi"));
        r.setText(u"Note", u"riga\\uno");
        r.setFlag(u"Annullata", true);
        archive.append(r);
        archive.append(Record(members::recordLayout()));

        const Result d = cli({"dump", path});
        QCOMPARE(d.status, 0);
        QVERIFY2(d.err.isEmpty(), d.err.constData());
        const QList<QByteArray> lines = d.out.split('\n');
        QCOMPARE(lines.size(), 3);  // two records and what follows the last line end
        QVERIFY(lines.at(0).startsWith(
            "{\"pos\":1,\"Tesserato\":\"Nicol\xC3\xB2 \\\"Nico\\\" Rossi\",\"Carica\":\"\",\"NumTessera\":\"\","));
        QVERIFY(lines.at(0).contains(",\"Note\":\"riga\\\\uno\",\"Annullata\":\"S\xC3\xAC\",\"File01\":\"\","));
        QVERIFY(lines.at(0).endsWith(",\"Desc03\":\"\"}"));
        QVERIFY(lines.at(1).startsWith("{\"pos\":2,\"Tesserato\":\"\","));
        QVERIFY(lines.at(1).contains("\"Annullata\":\"\""));
        const QJsonObject first = QJsonDocument::fromJson(lines.at(0)).object();
        QCOMPARE(first.size(), 36);
        QCOMPARE(first.value("Tesserato").toString(), QString::fromUtf8("Nicolò \"Nico\" Rossi"));
        QCOMPARE(first.value("pos").toInt(), 1);
    }

    void dumpWeeklyByName()
    {
        const QString path = m_dir.filePath(QStringLiteral("2024.set"));
        Record r(shifts::weeklyLayout());
        r.setText(u"Inizio09", u"08:00");
        Archive(path, shifts::weeklyLayout()).append(r);
        // A partial record after it: not printed, but noted.
        QFile f(path);
        QVERIFY(f.open(QIODevice::Append));
        f.write(QByteArray(100, 'x'));
        f.close();

        const Result d = cli({"dump", "2024.set", "--data-dir", m_dir.path()}, QDir::rootPath());
        QCOMPARE(d.status, 0);
        QCOMPARE(d.out.count('\n'), 1);
        QVERIFY(d.out.contains("\"Fine08\":\"\",\"Inizio09\":\"08:00\",\"Fine09\""));
        QVERIFY(d.err.contains("100"));
        QCOMPARE(QJsonDocument::fromJson(d.out).object().size(), 121);

        // The kind can be forced for a file of another name.
        QVERIFY(QFile::copy(path, m_dir.filePath("copia.bin")));
        QCOMPARE(cli({"dump", m_dir.filePath("copia.bin"), "--kind", "weekly"}).status, 0);
    }

    void dumpDoesNotCreateFiles()
    {
        const QString path = m_dir.filePath(QStringLiteral("Orari.pro"));
        QCOMPARE(cli({"dump", path}).status, 1);
        QVERIFY(!QFileInfo::exists(path));
    }

    void initPassword()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("nuova");
        QCOMPARE(cli({"init-password", target}).status, 0);
        QFile f(target + "/unins000.dll");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("[Accesso]\r\nValore=08F6415598C168B698EB2274845C\r\n"));
    }

    void dataFolderOfACopyOfTheProgram_data()
    {
        // Where the program lies, with what beside it; where its data go.
        QTest::addColumn<QString>("programs");
        QTest::addColumn<QString>("shared");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("data");
        QTest::newRow("installed: the user's folder") << "usr/bin" << "usr/share/norvalis" << ""
                                                      << "home/.local/share/Norvalis";
        QTest::newRow("portable copy: beside the program") << "portatile" << "" << "" << "portatile";
        QTest::newRow("installed, folder named") << "usr/bin" << "usr/share/norvalis" << "altrove" << "altrove";
    }
    void dataFolderOfACopyOfTheProgram()
    {
        QFETCH(QString, programs);
        QFETCH(QString, shared);
        QFETCH(QString, environment);
        QFETCH(QString, data);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(programs) && QDir(dir.path()).mkpath(QStringLiteral("home")));
        if (!shared.isEmpty())
            QVERIFY(QDir(dir.path()).mkpath(shared));
        if (!environment.isEmpty())
            QVERIFY(QDir(dir.path()).mkpath(environment));
        const QString program = dir.filePath(programs + QStringLiteral("/norvalis-cli"));
        QVERIFY(QFile::copy(QStringLiteral(NORVALIS_CLI), program));
        const auto run = [&](const QStringList& arguments) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove(QStringLiteral("XDG_DATA_HOME"));
            env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
            if (environment.isEmpty())
                env.remove(QStringLiteral("NORVALIS_DATA_DIR"));
            else
                env.insert(QStringLiteral("NORVALIS_DATA_DIR"), dir.filePath(environment));
            p.setProcessEnvironment(env);
            p.start(program, arguments);
            return p.waitForFinished(30000) ? p.exitCode() : -1;
        };
        const QString folder = dir.filePath(data);

        // The help touches nothing; the first command makes the folder of an
        // installed program with the first-access password, and works there.
        QCOMPARE(run({"--help"}), 0);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("home"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{});
        QCOMPARE(run({"search", "members"}), 0);
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/Tesserati.pro")));
        const bool userFolder = data.startsWith(QLatin1String("home"));
        QCOMPARE(QFileInfo::exists(folder + QStringLiteral("/unins000.dll")), userFolder);
        if (userFolder) {
            QFile password(folder + QStringLiteral("/unins000.dll"));
            QVERIFY(password.open(QIODevice::ReadOnly));
            QCOMPARE(password.readAll(), QByteArray("[Accesso]\r\nValore=08F6415598C168B698EB2274845C\r\n"));
        }
    }

    void buildPutsThePasswordFileBesideTheProgram()
    {
        QVERIFY(QFileInfo::exists(QStringLiteral(NORVALIS_BIN_DIR "/unins000.dll")));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
