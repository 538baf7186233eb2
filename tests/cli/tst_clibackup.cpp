// norvalis-cli backup and restore, and the data folder's lock seen from the
// command line: writing commands refuse while another program has the
// folder, reading ones go on, and the lock of a killed program is taken over.

#include "app/datafolderfixture.h"
#include "cli/clirunner.h"
#include "storage/appdir.h"
#include "storage/folderlock.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString InUse = QStringLiteral("norvalis-cli: Attenzione: Norvalis \u00E8 gi\u00E0 in uso su questa cartella dati (");

// One line on stderr, nothing on stdout, exit status 1.
void verifyRefused(const CliResult& r)
{
    QCOMPARE(r.status, 1);
    QVERIFY2(r.out.isEmpty(), r.out.constData());
    const QString err = QString::fromUtf8(r.err);
    QVERIFY2(err.startsWith(InUse), qPrintable(err));
    QCOMPARE(err.count(QLatin1Char('\n')), 1);
}

}  // namespace

class TestCliBackup : public QObject {
    Q_OBJECT

    std::unique_ptr<FilledDataFolder> m_data;

    QString data() const { return m_data->path(); }

private slots:
    void init()
    {
        m_data = std::make_unique<FilledDataFolder>();
        QVERIFY(m_data->ready);
    }
    void cleanup() { m_data.reset(); }

    void backupChangeRestore()
    {
        const FolderState before = folderState(data());
        const CliResult made = runCli(data(), {"--today", "07/03/2025", "--now", "10:15:00", "backup"});
        QCOMPARE(made.status, 0);
        const QString zip = data() + QStringLiteral("/Backup/Norvalis_2025-03-07_101500.zip");
        QCOMPARE(made.text(), zip + QLatin1Char('\n'));
        QVERIFY(QFile::exists(zip));

        QVERIFY(putFile(data(), QStringLiteral("Tesserati.pro"), QByteArray(2764, 'x')));
        QVERIFY(putFile(data(), QStringLiteral("44.jpg"), "nuova"));
        QVERIFY(QFile::remove(data() + QStringLiteral("/Tesserini.ini")));

        const CliResult back = runCli(data(), {"--today", "07/03/2025", "--now", "11:00:00", "restore",
                                               "Backup/Norvalis_2025-03-07_101500.zip"});
        QCOMPARE(back.status, 0);
        QVERIFY2(back.err.isEmpty(), back.err.constData());
        const QString saved = data() + QStringLiteral("/Backup/Norvalis_2025-03-07_110000_prima_del_ripristino.zip");
        QCOMPARE(back.text(), QStringLiteral("ripristinati %1 file da %2; tolti 1 file che la copia non conteneva; lo "
                                             "stato di prima del ripristino \u00E8 nella copia %3\n")
                                  .arg(fixtureDataFiles().size())
                                  .arg(zip, saved));
        QVERIFY(QFile::exists(saved));
        const FolderState after = folderState(data());
        QCOMPARE(contents(after, fixtureDataFiles()), contents(before, fixtureDataFiles()));
        QVERIFY(!after.contains(QStringLiteral("44.jpg")));

        // --out writes where it is told, and replaces an earlier file there.
        QTemporaryDir elsewhere;
        const QString out = elsewhere.filePath(QStringLiteral("copia.zip"));
        QVERIFY(setFileContent(out, "vecchia"));
        const CliResult outMade = runCli(data(), {"backup", "--out", out});
        QCOMPARE(outMade.status, 0);
        QCOMPARE(outMade.text(), out + QLatin1Char('\n'));
        QVERIFY(fileContent(out).startsWith("PK"));
    }

    void refusalsAndUsage()
    {
        QTemporaryDir elsewhere;
        const QString foreign = elsewhere.filePath(QStringLiteral("estranea.zip"));
        QVERIFY(setFileContent(foreign, "non sono uno zip"));
        const FolderState before = folderState(data());
        const CliResult notZip = runCli(data(), {"restore", foreign});
        QCOMPARE(notZip.status, 1);
        QCOMPARE(QString::fromUtf8(notZip.err),
                 QStringLiteral("norvalis-cli: %1 non \u00E8 un file zip leggibile; nessun file \u00E8 stato toccato\n").arg(foreign));
        QCOMPARE(folderState(data()), before);

        for (const QStringList& wrong : {QStringList{"restore"}, QStringList{"restore", "a.zip", "b.zip"},
                                         QStringList{"backup", "--out"}, QStringList{"backup", "copia.zip"}})
            QVERIFY2(runCli(data(), wrong).status == 2, qPrintable(wrong.join(' ')));
    }

    void writingCommandsWaitForTheFolder()
    {
        const DataFolderLock held(data());
        QVERIFY(held.held());
        const FolderState before = folderState(data());

        verifyRefused(runCli(data(), {"export", "members"}));
        verifyRefused(runCli(data(), {"export", "deadlines", "2025"}));
        verifyRefused(runCli(data(), {"export", "daily", "2025"}));
        verifyRefused(runCli(data(), {"restore", "Backup/Norvalis_2024-01-31.zip"}));
        QCOMPARE(folderState(data()), before);

        // Reading commands do not wait.
        QCOMPARE(runCli(data(), {"dump", "Tesserati.pro"}).status, 0);
        QCOMPARE(runCli(data(), {"search", "members"}).status, 0);
        QCOMPARE(runCli(data(), {"backup"}).status, 0);
    }

    void theRunningProgramHoldsTheFolderUntilItDies()
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(NORVALIS_PROGRAM), {"--data-dir", data()});
        QVERIFY(program.waitForStarted());
        const QString lock = data() + QLatin1Char('/') + QLatin1String(DataFolderLock::FileName);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lock), 20000);
        // Its first start of the day made the day's backup.
        const QStringList daily = {QStringLiteral("Norvalis_[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9].zip")};
        QTRY_COMPARE_WITH_TIMEOUT(QDir(data() + QStringLiteral("/Backup")).entryList(daily).size(), 2, 20000);

        const CliResult refused = runCli(data(), {"export", "members"});
        verifyRefused(refused);
        QVERIFY2(refused.err.contains("il programma norvalis (processo " + QByteArray::number(program.processId())),
                 refused.err.constData());

        program.kill();  // SIGKILL: no chance to release the lock
        QVERIFY(program.waitForFinished());
        QVERIFY(QFile::exists(lock));
        const CliResult taken = runCli(data(), {"export", "members"});
        QCOMPARE(taken.status, 0);
        QVERIFY(QFile::exists(data() + QStringLiteral("/Tesserati.xls")));
    }
};

QTEST_GUILESS_MAIN(TestCliBackup)
#include "tst_clibackup.moc"
