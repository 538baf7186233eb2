#include "members/memberrecord.h"
#include "storage/archive.h"
#include "testsupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

namespace {

Record member(const QString& name)
{
    Record r(members::recordLayout());
    r.setText(u"Tesserato", name);
    r.setFlag(u"Annullata", false);
    return r;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(data), data.size());
}

}  // namespace

class TestArchive : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    const RecordLayout& layout = members::recordLayout();

private slots:
    void init() { m_path = m_dir.filePath(QStringLiteral("Tesserati.pro")); QFile::remove(m_path); }

    void missingArchiveIsCreatedEmpty()
    {
        QCOMPARE(Archive(m_path, layout).count(), 0);
        QVERIFY(QFileInfo::exists(m_path));
        QCOMPARE(QFileInfo(m_path).size(), 0);
    }

    void appendOverwriteAndRead()
    {
        const Archive archive(m_path, layout);
        QCOMPARE(archive.append(member(QStringLiteral("Anna Bianchi"))), 1);
        QCOMPARE(archive.append(member(QStringLiteral("Carlo Verdi"))), 2);
        QCOMPARE(archive.overwrite(1, member(QString::fromUtf8("Anna Bianchi Nicolò"))), 1);
        QCOMPARE(archive.count(), 2);
        QCOMPARE(QFileInfo(m_path).size(), 2 * 2764);
        QCOMPARE(archive.read(1).text(u"Tesserato"), QString::fromUtf8("Anna Bianchi Nicolò"));
        QCOMPARE(archive.read(2).text(u"Tesserato"), QStringLiteral("Carlo Verdi"));

        // The second record lies at byte 2764, exactly as encoded.
        const QByteArray raw = fileBytes(m_path);
        QCOMPARE(raw.mid(2764, 12), field("Carlo Verdi", 11).left(12));
        QCOMPARE(raw.mid(2764 + 1255, 3), bytes({0x02, 0x4E, 0x6F}));

        QStringList seen;
        archive.scan([&](int position, const Record& r) { seen << QString::number(position) + r.text(u"Tesserato"); });
        QCOMPARE(seen, (QStringList{QString::fromUtf8("1Anna Bianchi Nicolò"), "2Carlo Verdi"}));
    }

    void viewsFollowTheReadAhead()
    {
        // Enough records for several read-ahead blocks, each of its own bytes.
        const int size = members::recordLayout().recordSize();
        const int records = 3 * 64 * 1024 / size + 5;
        QByteArray data;
        for (int i = 0; i < records; ++i)
            data += QByteArray(size, char('A' + i % 26));
        data += QByteArray(size / 2, 'z');  // an incomplete last record is not read
        writeBytes(m_path, data);

        const Archive archive(m_path, members::recordLayout());
        QList<int> positions;
        archive.scanViews([&](int position, const RecordView& view) {
            positions << position;
            QCOMPARE(view.bytes().toByteArray(), data.mid(qsizetype(position - 1) * size, size));
        });
        QCOMPARE(positions.size(), records);
        QCOMPARE(positions.last(), records);
    }

    void incompleteLastRecordIsNotCounted()
    {
        QByteArray data(2 * 2764 + 1000, '\0');
        data[0] = 3;
        data.replace(1, 3, "Uno");
        writeBytes(m_path, data);
        const Archive archive(m_path, layout);
        QCOMPARE(archive.count(), 2);
        QCOMPARE(archive.read(1).text(u"Tesserato"), QStringLiteral("Uno"));
        // Appending goes to the record after the last whole one.
        QCOMPARE(archive.append(member(QStringLiteral("Tre"))), 3);
        QCOMPARE(QFileInfo(m_path).size(), 3 * 2764);
    }

    void readingOutsideTheArchiveFails()
    {
        const Archive archive(m_path, layout);
        archive.append(member(QStringLiteral("Uno")));
        for (int position : {0, 2, -1}) {
            try {
                archive.read(position);
                QFAIL("a read outside the archive succeeded");
            } catch (const ArchiveError& e) {
                QCOMPARE(e.path(), m_path);
            }
        }
        ArchiveFile file(m_path, layout);
        file.seek(1);
        QVERIFY_THROWS_EXCEPTION(ArchiveError, file.read());
    }

    void existingFileThatCannotBeOpenedIsLeftIntact()
    {
        if (::geteuid() == 0)
            QSKIP("file permissions do not bind root");
        const QByteArray data = member(QStringLiteral("Uno")).bytes();
        writeBytes(m_path, data);
        QFile::setPermissions(m_path, QFileDevice::ReadOwner);
        try {
            Archive(m_path, layout).count();
            QFAIL("opening a read-only archive for writing succeeded");
        } catch (const ArchiveError& e) {
            QCOMPARE(e.operation(), ArchiveError::Operation::Open);
        }
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(fileBytes(m_path), data);
    }

    void busyFileIsLeftIntact()
    {
        // A running program's file cannot be opened for writing, not even by
        // root: an existing archive that cannot be opened must stay as it is.
        const QString busy = m_dir.filePath(QStringLiteral("busy.pro"));
        QFile::remove(busy);
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), busy));
        const QByteArray before = fileBytes(busy);
        QProcess running;
        running.start(busy, {QStringLiteral("30")});
        QVERIFY(running.waitForStarted());
        try {
            Archive(busy, layout).append(member(QStringLiteral("Uno")));
            QFAIL("a busy file was opened for writing");
        } catch (const ArchiveError& e) {
            QCOMPARE(e.operation(), ArchiveError::Operation::Open);
        }
        running.kill();
        running.waitForFinished();
        QCOMPARE(fileBytes(busy), before);
    }

    void pathThatIsNotAFileIsReportedNotReplaced()
    {
        QVERIFY(QDir().mkpath(m_path));  // a folder where the archive should be
        QVERIFY_THROWS_EXCEPTION(ArchiveError, Archive(m_path, layout).count());
        QVERIFY(QFileInfo(m_path).isDir());
        QVERIFY(QDir().rmdir(m_path));

        const QString nowhere = m_dir.filePath(QStringLiteral("missing/Tesserati.pro"));
        try {
            Archive(nowhere, layout).append(member(QStringLiteral("Uno")));
            QFAIL("an archive was created in a missing folder");
        } catch (const ArchiveError& e) {
            QCOMPARE(e.operation(), ArchiveError::Operation::Create);
        }
    }

    void failedWriteIsReported()
    {
        // Files may grow to 4000 bytes only: the first record fits, the second does not.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 4000;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const Archive archive(m_path, layout);
        int first = 0;
        bool failed = false;
        try {
            first = archive.append(member(QStringLiteral("Uno")));
            archive.append(member(QStringLiteral("Due")));
        } catch (const ArchiveError& e) {
            failed = e.operation() == ArchiveError::Operation::Write;
        }
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(first, 1);
        QVERIFY2(failed, "a write that did not fit was not reported");
        // What did fit of the second record is not counted as a record.
        QCOMPARE(archive.count(), 1);
        QCOMPARE(archive.read(1).text(u"Tesserato"), QStringLiteral("Uno"));
    }

    void readOnlyModeNeverCreates()
    {
        QVERIFY_THROWS_EXCEPTION(ArchiveError, Archive(m_path, layout, ArchiveFile::Mode::ReadOnly).count());
        QVERIFY(!QFileInfo::exists(m_path));
    }

    void userMessage()
    {
        QCOMPARE(ArchiveError::userMessage(),
                 QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                "installazione del programma."));
    }
};

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
