// The write journal: what a killed writer leaves beside an archive is
// finished or thrown away by the next open, by whoever opens it.
#include "members/membersfixture.h"
#include "storage/archive.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

#include <csignal>
#include <functional>

namespace {

const RecordLayout& members_ = members::recordLayout();
const int Size = 2764;

Record member(const QString& name)
{
    return memberRecord({{"Tesserato", name}});
}

// A journal as the writer lays it out, spelled out byte by byte.
QByteArray journalBytes(quint64 offset, const QByteArray& record)
{
    QByteArray j("NVJOURN1");
    for (int i = 0; i < 8; ++i)
        j += char((offset >> (8 * i)) & 0xFF);
    const quint32 length = quint32(record.size());
    for (int i = 0; i < 4; ++i)
        j += char((length >> (8 * i)) & 0xFF);
    j += record;
    j += QCryptographicHash::hash(j, QCryptographicHash::Sha256);
    return j;
}

// Runs `failingWrite` while no file may grow past `bytes`, as on a full
// disk; true when it reports the failure it expected.
bool withFileSizeLimit(rlim_t bytes, const std::function<bool()>& failingWrite)
{
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool failed = failingWrite();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return failed;
}

}  // namespace

class TestJournal : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    QString m_journal;

    // An archive of members "Uno", "Due", "Tre" written without the program.
    QByteArray writeThree()
    {
        const QByteArray three = member("Uno").bytes() + member("Due").bytes() + member("Tre").bytes();
        [&] { QVERIFY(setFileContent(m_path, three)); }();
        return three;
    }

private slots:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("Tesserati.pro"));
        m_journal = m_path + QStringLiteral(".journal");
        QFile::remove(m_path);
        QFile::remove(m_journal);
    }

    void theWriterSpellsTheJournalOut()
    {
        const QByteArray record = member("Quattro").bytes();
        QCOMPARE(Journal::encode(3 * Size, record), journalBytes(3 * Size, record));
    }

    void savesLeaveNoJournalBehind()
    {
        const Archive archive(m_path, members_);
        QCOMPARE(archive.append(member("Uno")), 1);
        QCOMPARE(archive.overwrite(1, member("Primo")), 1);
        QCOMPARE(archive.read(1).text(u"Tesserato"), QStringLiteral("Primo"));
        QVERIFY(!QFile::exists(m_journal));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"Tesserati.pro"});
    }

    // What a writer killed at each moment leaves, and what the next open,
    // for writing or only for reading, makes of it.
    void theNextOpenFinishesOrDiscards_data()
    {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QStringList>("names");  // the members after the open
        QTest::addColumn<int>("recovery");
        const int completed = int(Journal::Recovery::Completed);
        const int discarded = int(Journal::Recovery::Discarded);
        const QStringList old{"Uno", "Due", "Tre"};
        const QStringList overwritten{"Uno", "Nuovo", "Tre"};
        const QStringList appended{"Uno", "Due", "Tre", "Nuovo"};
        for (bool readOnly : {false, true}) {
            const char* how = readOnly ? " (read only)" : "";
            QTest::addRow("overwrite: journal synced, record not written%s", how)
                << "overwrite-before" << readOnly << overwritten << completed;
            QTest::addRow("overwrite: record torn at a page%s", how)
                << "overwrite-torn" << readOnly << overwritten << completed;
            QTest::addRow("append: part of the record written%s", how)
                << "append-torn" << readOnly << appended << completed;
            QTest::addRow("journal cut short%s", how) << "journal-cut" << readOnly << old << discarded;
            QTest::addRow("journal with a wrong checksum%s", how) << "journal-bad" << readOnly << old << discarded;
        }
        QTest::addRow("journal pointing past the end") << "journal-far" << false << old << discarded;
    }
    void theNextOpenFinishesOrDiscards()
    {
        QFETCH(QString, moment);
        QFETCH(bool, readOnly);
        QFETCH(QStringList, names);
        QFETCH(int, recovery);
        QByteArray archive = writeThree();
        const QByteArray fresh = member("Nuovo").bytes();
        QByteArray journal = journalBytes(moment.startsWith("append") ? 3 * Size : Size, fresh);
        if (moment == "overwrite-torn")
            archive.replace(Size, 4096 - Size, fresh.left(4096 - Size));
        if (moment == "append-torn")
            archive += fresh.left(1000);
        if (moment == "journal-cut")
            journal.chop(40);
        if (moment == "journal-bad")
            journal[30] = char(journal[30] ^ 0x01);
        if (moment == "journal-far")
            journal = journalBytes(5 * Size, fresh);
        QVERIFY(setFileContent(m_path, archive));
        QVERIFY(setFileContent(m_journal, journal));

        ArchiveFile file(m_path, members_, readOnly ? ArchiveFile::Mode::ReadOnly : ArchiveFile::Mode::OpenOrCreate);
        QCOMPARE(int(file.recovery()), recovery);
        QStringList read;
        for (int i = 0; i < file.count(); ++i)
            read << file.read().text(u"Tesserato");
        QCOMPARE(read, names);
        QVERIFY(!QFile::exists(m_journal));
        if (recovery == int(Journal::Recovery::Discarded))
            QCOMPARE(fileContent(m_path), archive);
    }

    // A record that cannot be journalled (here: files may not grow past
    // 2000 bytes, less than a journal) is not written at all.
    void aJournalThatCannotBeWrittenStopsTheWrite()
    {
        const QByteArray three = writeThree();
        QString error;
        const bool written = withFileSizeLimit(2000, [&] {
            try {
                Archive(m_path, members_).overwrite(2, member("Nuovo"));
            } catch (const ArchiveError& e) {
                error = e.detail();
                return e.operation() == ArchiveError::Operation::Write;
            }
            return false;
        });
        QVERIFY2(written, qPrintable(error));
        QCOMPARE(fileContent(m_path), three);
        QVERIFY(!QFile::exists(m_journal));
    }

    // An append that does not fit is taken back whole: the archive opens as
    // before, with no journal left to finish it later.
    void anAppendThatDoesNotFitIsTakenBack()
    {
        const QByteArray three = writeThree();
        const bool failed = withFileSizeLimit(3 * Size + 1000, [&] {
            try {
                Archive(m_path, members_).append(member("Quattro"));
            } catch (const ArchiveError& e) {
                return e.operation() == ArchiveError::Operation::Write;
            }
            return false;
        });
        QVERIFY(failed);
        QVERIFY(!QFile::exists(m_journal));
        QCOMPARE(fileContent(m_path), three);
        QCOMPARE(Archive(m_path, members_).count(), 3);
    }

    // A partial record that something else left at the end is not counted,
    // and an open that finds a journal does not cut it off.
    void aForeignPartialRecordIsKept()
    {
        QByteArray archive = writeThree();
        archive += QByteArray(500, 'x');
        QVERIFY(setFileContent(m_path, archive));
        QVERIFY(setFileContent(m_journal, journalBytes(0, member("Primo").bytes())));
        QCOMPARE(Archive(m_path, members_).count(), 3);
        QCOMPARE(QFileInfo(m_path).size(), 3 * Size + 500);
        QCOMPARE(Archive(m_path, members_).read(1).text(u"Tesserato"), QStringLiteral("Primo"));
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
