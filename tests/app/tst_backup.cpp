// Backups of the data folder: what the zip holds, a restore that gives back
// the very bytes, zips a restore refuses without touching anything, a
// restore stopped by a full disk, and the daily backups the program keeps.

#include "app/backup.h"
#include "app/dates.h"
#include "app/datafolderfixture.h"
#include "members/memberrecord.h"
#include "storage/appdir.h"
#include "storage/archive.h"
#include "storage/journal.h"
#include "storage/safefile.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>
#include <quazipnewinfo.h>

#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct Entry {
    QString name;
    QByteArray data;
};

// The entries of a zip, name and content, in the zip's order; with their
// compression methods in `methods` when asked.
QList<Entry> zipEntries(const QString& path, QMap<QString, int>* methods = nullptr)
{
    QList<Entry> entries;
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        return entries;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        zip.getCurrentFileInfo(&info);
        QuaZipFile file(&zip);
        file.open(QIODevice::ReadOnly);
        entries.push_back({info.name, file.readAll()});
        if (methods)
            methods->insert(info.name, info.method);
    }
    return entries;
}

// Writes a zip with exactly these entries, names as given.
bool writeZip(const QString& path, const QList<Entry>& entries)
{
    QuaZip zip(path);
    zip.setUtf8Enabled(true);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const Entry& e : entries) {
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(e.name)) || file.write(e.data) != e.data.size())
            return false;
        file.close();
    }
    zip.close();
    return zip.getZipError() == ZIP_OK;
}

QStringList names(const QList<Entry>& entries)
{
    QStringList out;
    for (const Entry& e : entries)
        out << e.name;
    return out;
}

QString membersPath()
{
    return AppDir::filePath(QLatin1String(members::kFileName));
}

// The daily backups in Backup/, by name.
QStringList backupFiles()
{
    return QDir(Backup::folder()).entryList(QDir::Files, QDir::Name);
}

}  // namespace

class TestBackup : public QObject {
    Q_OBJECT

    std::unique_ptr<FilledDataFolder> m_data;
    std::unique_ptr<QTemporaryDir> m_elsewhere;  // zips outside the data folder

    QString data() const { return m_data->path(); }
    QString outside(const QString& name) const { return m_elsewhere->filePath(name); }

private slots:
    void init()
    {
        m_data = std::make_unique<FilledDataFolder>();
        QVERIFY(m_data->ready);
        m_elsewhere = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        m_data.reset();
        m_elsewhere.reset();
        Clock::set({});
    }

    void backupHoldsTheDataFilesAndNothingElse()
    {
        const QString zip = outside(QStringLiteral("copie/copia.zip"));
        int files = 0;
        QString error;
        QVERIFY2(Backup::write(zip, &error, &files), qPrintable(error));
        QCOMPARE(files, fixtureDataFiles().size());

        QMap<QString, int> methods;
        const QList<Entry> entries = zipEntries(zip, &methods);
        QCOMPARE(names(entries), fixtureDataFiles());
        const FolderState state = folderState(data());
        for (const Entry& e : entries)
            QVERIFY2(e.data == state.value(e.name).content, qPrintable(e.name));
        // Pictures are stored as they are; the rest is compressed.
        QCOMPARE(methods.value(QStringLiteral("12.jpg")), 0);
        QCOMPARE(methods.value(QStringLiteral("Tesserati.pro")), Z_DEFLATED);
    }

    void restoreGivesBackTheBackedUpBytes()
    {
        const FolderState before = folderState(data());
        const QString zip = outside(QStringLiteral("copie/copia.zip"));
        QVERIFY(Backup::write(zip));

        // A day's work: records changed and added, a photo gone and a new
        // one, a new yearly archive, an attachment changed, a new export.
        QVERIFY(putFile(data(), QStringLiteral("Tesserati.pro"), QByteArray(2764 * 3, 'x')));
        QVERIFY(putFile(data(), QStringLiteral("Documenti_Allegati/moduli/iscrizione.txt"), "nuovo"));
        QVERIFY(putFile(data(), QStringLiteral("13.jpg"), "foto nuova"));
        QVERIFY(putFile(data(), QStringLiteral("2026.sca"), QByteArray(1368, 'y')));
        QVERIFY(putFile(data(), QStringLiteral("Scadenzario_Pagamenti.xls"), "export"));
        QVERIFY(QFile::remove(data() + QStringLiteral("/12.jpg")));
        // And a save cut short by a crash, its journal still beside the archive.
        QVERIFY(putFile(data(), QStringLiteral("Tesserati.pro.journal"),
                        Journal::encode(0, QByteArray(members::kRecordSize, 'j'))));
        const FolderState changed = folderState(data());

        Clock::set(QDateTime(QDate(2025, 3, 7), QTime(10, 15, 0)));
        Backup::Restored restored;
        QString error;
        QVERIFY2(Backup::restore(zip, &restored, &error), qPrintable(error));
        QCOMPARE(restored.files, fixtureDataFiles().size());
        QCOMPARE(restored.removed, 3);  // 13.jpg, 2026.sca and the journal

        const FolderState after = folderState(data());
        QCOMPARE(contents(after, fixtureDataFiles()), contents(before, fixtureDataFiles()));
        QVERIFY(!after.contains(QStringLiteral("13.jpg")));
        QVERIFY(!after.contains(QStringLiteral("2026.sca")));
        // The journal from after the backup does not write into the restored archive.
        ArchiveFile(membersPath(), members::recordLayout(), ArchiveFile::Mode::ReadOnly).close();
        QCOMPARE(fileContent(membersPath()), before.value(QStringLiteral("Tesserati.pro")).content);
        // What is not data is left alone: the new export stays.
        QCOMPARE(after.value(QStringLiteral("Scadenzario_Pagamenti.xls")).content, QByteArray("export"));

        // The state before the restore was saved first, and holds the day's work.
        QCOMPARE(restored.previousState,
                 Backup::folder() + QStringLiteral("Norvalis_2025-03-07_101500_prima_del_ripristino.zip"));
        QMap<QString, QByteArray> saved;
        for (const Entry& e : zipEntries(restored.previousState))
            saved.insert(e.name, e.data);
        QStringList changedData = Backup::dataFiles();
        changedData.removeOne(QStringLiteral("12.jpg"));
        changedData << QStringLiteral("13.jpg") << QStringLiteral("2026.sca") << QStringLiteral("Tesserati.pro.journal");
        changedData.sort();
        QCOMPARE(saved.keys(), changedData);
        QCOMPARE(saved, contents(changed, changedData));
    }

    void anUnfinishedWriteComesBackWithItsArchive()
    {
        const QByteArray record(members::kRecordSize, 'n');
        QVERIFY(putFile(data(), QStringLiteral("Tesserati.pro.journal"), Journal::encode(0, record)));
        const QString zip = outside(QStringLiteral("copia.zip"));
        QVERIFY(Backup::write(zip));
        QVERIFY(names(zipEntries(zip)).contains(QStringLiteral("Tesserati.pro.journal")));

        // The write is finished, then the archive changes again.
        ArchiveFile(membersPath(), members::recordLayout(), ArchiveFile::Mode::ReadOnly).close();
        QVERIFY(!QFile::exists(membersPath() + QStringLiteral(".journal")));
        QVERIFY(putFile(data(), QStringLiteral("Tesserati.pro"), QByteArray(members::kRecordSize * 2, 'x')));

        QString error;
        QVERIFY2(Backup::restore(zip, nullptr, &error), qPrintable(error));
        ArchiveFile archive(membersPath(), members::recordLayout(), ArchiveFile::Mode::ReadOnly);
        QCOMPARE(archive.read().bytes(), record);
    }

    void refusedZipsTouchNothing_data()
    {
        QTest::addColumn<QList<Entry>>("entries");
        QTest::addColumn<QString>("reason");
        const QByteArray bytes(100, 'z');
        const Entry good{QStringLiteral("Tesserati.pro"), bytes};
        QTest::newRow("absolute path") << QList<Entry>{good, {"/tmp/Tesserati.pro", bytes}} << "/tmp/Tesserati.pro";
        QTest::newRow("parent folder") << QList<Entry>{{"../Tesserati.pro", bytes}} << "../Tesserati.pro";
        QTest::newRow("out of the attachments")
            << QList<Entry>{good, {"Documenti_Allegati/../../evil.pro", bytes}} << "Documenti_Allegati/../../evil.pro";
        QTest::newRow("backslashes") << QList<Entry>{{"Documenti_Allegati\\..\\..\\x.pro", bytes}} << "x.pro";
        QTest::newRow("drive") << QList<Entry>{{"C:/Tesserati.pro", bytes}} << "C:/Tesserati.pro";
        QTest::newRow("dot part") << QList<Entry>{{"./Tesserati.pro", bytes}} << "./Tesserati.pro";
        QTest::newRow("foreign file") << QList<Entry>{good, {"avvio.sh", "rm -rf ~"}} << "avvio.sh";
        QTest::newRow("export") << QList<Entry>{good, {"Tesserati.xls", bytes}} << "Tesserati.xls";
        QTest::newRow("an earlier backup") << QList<Entry>{good, {"Backup/Norvalis_2024-01-01.zip", bytes}} << "Backup";
        QTest::newRow("foreign folder") << QList<Entry>{good, {"Programmi/", {}}} << "Programmi/";
        QTest::newRow("named twice") << QList<Entry>{good, good} << "due volte";
        QTest::newRow("no data") << QList<Entry>{{"Documenti_Allegati/", {}}} << "alcun file";
        QTest::newRow("empty") << QList<Entry>{} << "non \u00E8 un file zip leggibile";
    }
    void refusedZipsTouchNothing()
    {
        QFETCH(QList<Entry>, entries);
        QFETCH(QString, reason);
        const QString zip = outside(QStringLiteral("estranea.zip"));
        QVERIFY(writeZip(zip, entries));
        const FolderState before = folderState(data());

        QString error;
        QVERIFY(!Backup::restore(zip, nullptr, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY2(error.endsWith(QStringLiteral("nessun file \u00E8 stato toccato")), qPrintable(error));
        QCOMPARE(folderState(data()), before);
    }

    void damagedOrForeignFilesAreRefused()
    {
        const QString zip = outside(QStringLiteral("copia.zip"));
        QVERIFY(Backup::write(zip));
        QByteArray damaged = fileContent(zip);
        // A byte of the stored photo 12.jpg, the first entry, flipped: the
        // checksum no longer matches.
        damaged[200] = char(damaged[200] ^ 0x55);
        QVERIFY(setFileContent(zip, damaged));
        QVERIFY(putFile(data(), QStringLiteral("Tesserati.pro"), "cambiato"));
        const FolderState before = folderState(data());

        QString error;
        QVERIFY(!Backup::restore(zip, nullptr, &error));
        QVERIFY2(error.contains(QStringLiteral("12.jpg non si legge per intero")), qPrintable(error));
        QVERIFY(!Backup::restore(outside(QStringLiteral("manca.zip")), nullptr, &error));
        QVERIFY2(error.contains(QStringLiteral("non esiste")), qPrintable(error));
        QVERIFY(setFileContent(outside(QStringLiteral("testo.zip")), "non sono uno zip"));
        QVERIFY(!Backup::restore(outside(QStringLiteral("testo.zip")), nullptr, &error));
        QVERIFY2(error.contains(QStringLiteral("non \u00E8 un file zip")), qPrintable(error));
        QCOMPARE(folderState(data()), before);
    }

    void fullDiskStopsTheRestoreWithoutTearingAFile()
    {
        const QString zip = outside(QStringLiteral("copia.zip"));
        QVERIFY(Backup::write(zip));
        for (const QString& name : fixtureDataFiles())
            QVERIFY(putFile(data(), name, "cambiato"));

        // The disk fills up at the third file written: the backup of the
        // present state and one restored file go through.
        int replaced = 0;
        const SafeFile::DeviceHook fillsUp([&replaced](QFileDevice& file) {
            if (++replaced < 3)
                return;
            const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
            ::dup2(full, file.handle());
            ::close(full);
        });
        Backup::Restored restored;
        QString error;
        QVERIFY(!Backup::restore(zip, &restored, &error));
        QCOMPARE(restored.files, 1);
        QVERIFY2(error.startsWith(QStringLiteral("ripristino interrotto: impossibile scrivere")), qPrintable(error));
        QVERIFY2(error.contains(restored.previousState), qPrintable(error));
        const FolderState after = folderState(data());
        // Every file is either the backup's or the one before it, never a mix.
        int back = 0;
        for (const Entry& e : zipEntries(zip)) {
            const QByteArray now = after.value(e.name).content;
            QVERIFY2(now == e.data || now == "cambiato", qPrintable(e.name));
            back += now == e.data;
        }
        QCOMPARE(back, 1);
        QCOMPARE(zipEntries(restored.previousState).size(), fixtureDataFiles().size());
    }

    void aFullDiskLeavesTheEarlierBackup()
    {
        const QString zip = outside(QStringLiteral("copia.zip"));
        QVERIFY(setFileContent(zip, "la copia di ieri"));
        const SafeFile::DeviceHook full([](QFileDevice& file) {
            const int dev = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
            ::dup2(dev, file.handle());
            ::close(dev);
        });
        QString error;
        QVERIFY(!Backup::write(zip, &error));
        QVERIFY2(error.startsWith(QStringLiteral("impossibile scrivere la copia")), qPrintable(error));
        QCOMPARE(fileContent(zip), QByteArray("la copia di ieri"));
    }

    void oneDailyBackupAndTheLastThirtyKept()
    {
        const QDate today(2025, 3, 7);
        QString error;
        QCOMPARE(Backup::makeDaily(today, &error), Backup::Daily::Made);
        QCOMPARE(names(zipEntries(Backup::dailyPath(today))), fixtureDataFiles());
        QCOMPARE(backupFiles(), (QStringList{"Norvalis_2024-01-31.zip", "Norvalis_2025-03-07.zip"}));
        const QDateTime made = QFileInfo(Backup::dailyPath(today)).lastModified();
        QCOMPARE(Backup::makeDaily(today, &error), Backup::Daily::AlreadyMade);
        QCOMPARE(QFileInfo(Backup::dailyPath(today)).lastModified(), made);

        // Thirty days of daily backups before today, and backups made on demand.
        for (int day = 1; day <= 30; ++day)
            QVERIFY(setFileContent(Backup::dailyPath(today.addDays(-day)), "giorno"));
        const QStringList onDemand = {"Norvalis_2024-01-01_090000.zip",
                                      "Norvalis_2024-01-02_090000_prima_del_ripristino.zip"};
        for (const QString& name : onDemand)
            QVERIFY(setFileContent(Backup::folder() + name, "a mano"));
        const QDate tomorrow = today.addDays(1);
        QCOMPARE(Backup::makeDaily(tomorrow, &error), Backup::Daily::Made);

        QStringList expected = onDemand;
        for (int day = -28; day <= 1; ++day)
            expected << QFileInfo(Backup::dailyPath(today.addDays(day))).fileName();
        expected.sort();
        QCOMPARE(backupFiles(), expected);
    }

    void newNamesNeverReplaceABackup()
    {
        const QDateTime moment(QDate(2025, 3, 7), QTime(10, 15, 0));
        const QString first = Backup::newPath(moment);
        QCOMPARE(first, Backup::folder() + QStringLiteral("Norvalis_2025-03-07_101500.zip"));
        QVERIFY(putFile(data(), QStringLiteral("Backup/Norvalis_2025-03-07_101500.zip"), "prima"));
        QCOMPARE(Backup::newPath(moment), Backup::folder() + QStringLiteral("Norvalis_2025-03-07_101500_2.zip"));
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
