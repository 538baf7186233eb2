// One program at a time on a data folder: a second lock is refused with a
// message that names the folder and the program holding it, a lock left by a
// program that died is taken over, and so is a lock file cut short by a crash.

#include "storage/appdir.h"
#include "storage/folderlock.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString InUseStart = QStringLiteral("Attenzione: Norvalis \u00E8 gi\u00E0 in uso su questa cartella dati (");

}  // namespace

class TestFolderLock : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString lockPath() const { return m_dir.filePath(QLatin1String(DataFolderLock::FileName)); }

private slots:
    void init() { AppDir::set(m_dir.path()); }

    void secondLockOnTheSameFolderIsRefused()
    {
        auto first = std::make_unique<DataFolderLock>();
        QCOMPARE(first->state(), DataFolderLock::State::Held);
        QVERIFY(first->refusal().isEmpty());
        QVERIFY(QFile::exists(lockPath()));

        const DataFolderLock second(m_dir.path());
        QCOMPARE(second.state(), DataFolderLock::State::InUse);
        QVERIFY2(second.refusal().startsWith(InUseStart + m_dir.path() + QStringLiteral("): ")),
                 qPrintable(second.refusal()));
        // The holder is named, so that the user can find it.
        QVERIFY2(second.refusal().contains(QStringLiteral("(processo %1)").arg(QCoreApplication::applicationPid())),
                 qPrintable(second.refusal()));
        QVERIFY(!second.refusal().contains(QLatin1Char('\n')));

        QTemporaryDir other;
        QVERIFY(DataFolderLock(other.path()).held());

        first.reset();
        QVERIFY(!QFile::exists(lockPath()));
        QVERIFY(DataFolderLock().held());
    }

    void lockOfAProgramThatDiedIsTakenOver()
    {
        // A program takes the lock and dies without releasing it.
        const pid_t child = ::fork();
        if (child == 0) {
            auto* lock = new DataFolderLock(m_dir.path());
            ::_exit(lock->held() ? 0 : 1);
        }
        QVERIFY(child > 0);
        int status = -1;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY(QFile::exists(lockPath()));

        const DataFolderLock next(m_dir.path());
        QCOMPARE(next.state(), DataFolderLock::State::Held);
    }

    void lockFileCutShortByACrash_data()
    {
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<bool>("takenOver");
        QTest::newRow("an hour old: nobody's") << 3600 << true;
        QTest::newRow("just made: a program is writing it") << 0 << false;
    }
    void lockFileCutShortByACrash()
    {
        QFETCH(int, ageSeconds);
        QFETCH(bool, takenOver);
        QFile cut(lockPath());
        QVERIFY(cut.open(QIODevice::WriteOnly));
        QVERIFY(cut.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
        cut.close();

        const DataFolderLock lock(m_dir.path());
        QCOMPARE(lock.held(), takenOver);
        if (!takenOver) {
            QVERIFY(lock.refusal().startsWith(InUseStart));
            QFile::remove(lockPath());
        }
    }
};

QTEST_GUILESS_MAIN(TestFolderLock)
#include "tst_folderlock.moc"
