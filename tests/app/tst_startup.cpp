// The program's start on its data folder: a second copy on a folder in use
// says so and touches nothing; the first start of a day makes the day's
// backup; a backup that fails is reported and the program goes on.

#include "app/backup.h"
#include "app/dates.h"
#include "app/datafolderfixture.h"
#include "app/ui/startup.h"
#include "storage/appdir.h"
#include "storage/folderlock.h"
#include "support/uidoubles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestStartup : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UiDoubles> m_ui;

    QString data() const { return m_dir->path(); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        AppDir::set(data());
        QVERIFY(fillDataFolder(data()));
        m_ui = std::make_unique<UiDoubles>();
        Clock::set(QDateTime(QDate(2025, 3, 7), QTime(8, 30)));
    }
    void cleanup()
    {
        m_ui.reset();
        m_dir.reset();
        Clock::set({});
    }

    void secondProgramSaysSoAndTouchesNothing()
    {
        const DataFolderLock first;
        QVERIFY(first.held());
        const FolderState before = folderState(data());

        const DataFolderLock second;
        QVERIFY(!startOnDataFolder(second));
        QCOMPARE(m_ui->messages->shown.size(), 1);
        const ShownMessage& shown = m_ui->messages->shown.first();
        QCOMPARE(shown.kind, MessageKind::Warning);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Attenzione: Norvalis \u00E8 gi\u00E0 in uso su questa cartella "
                                                      "dati (%1): la sta usando il programma ")
                                           .arg(data())),
                 qPrintable(shown.text));
        QVERIFY2(shown.text.endsWith(QStringLiteral("e riprovare.")), qPrintable(shown.text));
        QCOMPARE(folderState(data()), before);
    }

    void firstStartOfTheDayMakesTheBackup()
    {
        {
            const DataFolderLock lock;
            QVERIFY(startOnDataFolder(lock));
        }
        QVERIFY(m_ui->messages->shown.isEmpty());
        const QString today = Backup::dailyPath(QDate(2025, 3, 7));
        QVERIFY(QFile::exists(today));
        const QDateTime made = QFileInfo(today).lastModified();

        // Later the same day: no new backup. The next day: one more.
        Clock::set(QDateTime(QDate(2025, 3, 7), QTime(17, 0)));
        {
            const DataFolderLock lock;
            QVERIFY(startOnDataFolder(lock));
        }
        QCOMPARE(QFileInfo(today).lastModified(), made);
        Clock::set(QDateTime(QDate(2025, 3, 8), QTime(8, 0)));
        const DataFolderLock lock;
        QVERIFY(startOnDataFolder(lock));
        QVERIFY(QFile::exists(Backup::dailyPath(QDate(2025, 3, 8))));
        QVERIFY(m_ui->messages->shown.isEmpty());
    }

    void failedBackupIsReportedAndTheProgramGoesOn()
    {
        // Backup is a file, not a folder: no backup can be written into it.
        QVERIFY(QDir(Backup::folder()).removeRecursively());
        QVERIFY(setFileContent(data() + QStringLiteral("/Backup"), "non una cartella"));
        const DataFolderLock lock;
        QVERIFY(startOnDataFolder(lock));
        QCOMPARE(m_ui->messages->shown.size(), 1);
        const ShownMessage& shown = m_ui->messages->shown.first();
        QCOMPARE(shown.kind, MessageKind::Warning);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Attenzione: non \u00E8 stato possibile fare la copia di "
                                                      "sicurezza giornaliera dei dati nella cartella Backup (")),
                 qPrintable(shown.text));
        QVERIFY2(shown.text.contains(QStringLiteral("Norvalis_2025-03-07.zip")), qPrintable(shown.text));
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
