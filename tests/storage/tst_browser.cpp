#include "storage/archiveerror.h"
#include "storage/browser.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A small layout of the tests' own: 11 + 6 = 17 bytes a record.
constexpr auto kFields = layout::fields(layout::text("Nome", 10), layout::text("Nota", 5));
constexpr int kSize = 17;
static_assert(layout::recordSize(kFields) == kSize);

const RecordLayout& testLayout()
{
    static const RecordLayout layout(QStringLiteral("Prova"), kFields);
    return layout;
}

QByteArray stored(const QByteArray& name, const QByteArray& note)
{
    return field(name, 10) + field(note, 5);
}

Record card(const QString& name, const QString& note)
{
    Record r(testLayout());
    r.setText(u"Nome", name);
    r.setText(u"Nota", note);
    return r;
}

// Three records as they lie in the file.
const QByteArray kAnna = stored("Anna", "a");
const QByteArray kBruno = stored("Bruno", "bb");
const QByteArray kCarla = stored("Carla", "ccc");
const QByteArray kThree = kAnna + kBruno + kCarla;

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

BrowseOutcome run(RecordBrowser& browser, const QString& operation)
{
    if (operation == u"first")
        return browser.first();
    if (operation == u"previous")
        return browser.previous();
    if (operation == u"next")
        return browser.next();
    if (operation == u"last")
        return browser.last();
    if (operation == u"save")
        return browser.save(card(QStringLiteral("Dario"), QStringLiteral("d")));
    if (operation == u"showAt1")
        return browser.showAt(1);
    qFatal("unknown operation");
}

using Kind = BrowseOutcome::Kind;
using Notice = BrowseOutcome::Notice;

}  // namespace

Q_DECLARE_METATYPE(std::optional<int>)

namespace QTest {
template <>
inline char* toString(const std::optional<int>& position)
{
    return qstrdup(position ? QByteArray::number(*position).constData() : "no position");
}
}  // namespace QTest

class TestBrowser : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

    // The outcome shows the given record of kThree (1-based) with no message.
    static void verifyShown(const BrowseOutcome& out, const RecordBrowser& browser, int position)
    {
        QCOMPARE(out.kind, Kind::Shown);
        QVERIFY(out.record.has_value());
        QCOMPARE(out.record->bytes(), kThree.mid((position - 1) * kSize, kSize));
        QCOMPARE(out.notice, Notice::None);
        QVERIFY(out.message.isEmpty());
        QCOMPARE(out.position, std::optional<int>(position));
        QCOMPARE(browser.position(), std::optional<int>(position));
        QCOMPARE(out.positionText(), QString::number(position));
    }

    static void verifyUnchanged(const BrowseOutcome& out, const RecordBrowser& browser, int position)
    {
        QCOMPARE(out.kind, Kind::Unchanged);
        QVERIFY(!out.record.has_value());
        QCOMPARE(out.notice, Notice::None);
        QVERIFY(out.message.isEmpty());
        QCOMPARE(browser.position(), std::optional<int>(position));
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("Prova.pro"));
        QFile::remove(m_path);
    }

    void messageTexts()
    {
        QCOMPARE(BrowseText::EmptyArchive, QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(BrowseText::ChangesSaved,
                 QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        QCOMPARE(BrowseText::RecordInserted, QString::fromUtf8("La scheda corrente è stata inserita in archivio."));
    }

    void emptyArchive_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("fromShown");  // else from a new record, archive missing
        QTest::addColumn<std::optional<int>>("after");

        const std::optional<int> none;
        QTest::newRow("first, new record") << "first" << false << none;
        QTest::newRow("previous, new record") << "previous" << false << none;
        QTest::newRow("next, new record") << "next" << false << none;
        QTest::newRow("last, new record") << "last" << false << none;
        // Record 2 was shown, then the file was emptied behind the screen's back.
        QTest::newRow("first keeps the position") << "first" << true << std::optional<int>(2);
        QTest::newRow("previous keeps the position") << "previous" << true << std::optional<int>(2);
        QTest::newRow("next empties the position") << "next" << true << none;
        QTest::newRow("last keeps the position") << "last" << true << std::optional<int>(2);
    }

    void emptyArchive()
    {
        QFETCH(QString, operation);
        QFETCH(bool, fromShown);
        QFETCH(std::optional<int>, after);

        RecordBrowser browser(m_path, testLayout());
        if (fromShown) {
            QVERIFY(writeBytes(m_path, kThree));
            QCOMPARE(browser.showAt(2).kind, Kind::Shown);
            QVERIFY(writeBytes(m_path, QByteArray()));
        }
        const BrowseOutcome out = run(browser, operation);
        QCOMPARE(out.kind, Kind::Empty);
        QCOMPARE(out.notice, Notice::Information);
        QCOMPARE(out.message, BrowseText::EmptyArchive);
        QVERIFY(!out.record.has_value());
        QCOMPARE(browser.position(), after);
        QCOMPARE(out.position, after);
        // A missing archive is created by the first operation, empty.
        QVERIFY(QFileInfo(m_path).isFile());
        QCOMPARE(QFileInfo(m_path).size(), 0);
    }

    void newRecordGoesToTheFirst_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::newRow("next") << "next";
        QTest::newRow("previous") << "previous";
    }

    void newRecordGoesToTheFirst()
    {
        QFETCH(QString, operation);
        QVERIFY(writeBytes(m_path, kThree));
        RecordBrowser browser(m_path, testLayout());
        browser.last();
        browser.reset();
        QCOMPARE(browser.position(), std::nullopt);
        QCOMPARE(browser.positionText(), QString());
        verifyShown(run(browser, operation), browser, 1);
    }

    void walkingThroughLeavesTheFileAsItIs()
    {
        QVERIFY(writeBytes(m_path, kThree));
        RecordBrowser browser(m_path, testLayout());

        verifyShown(browser.first(), browser, 1);
        verifyUnchanged(browser.previous(), browser, 1);  // before the first: nothing, no message
        verifyShown(browser.next(), browser, 2);
        verifyShown(browser.next(), browser, 3);
        verifyUnchanged(browser.next(), browser, 3);  // past the last: nothing, no message
        verifyShown(browser.previous(), browser, 2);
        verifyShown(browser.last(), browser, 3);
        verifyShown(browser.showAt(1), browser, 1);
        verifyShown(browser.next(), browser, 2);

        QCOMPARE(fileBytes(m_path), kThree);
    }

    void archiveChangedBehindTheScreen()
    {
        QVERIFY(writeBytes(m_path, kThree));
        RecordBrowser browser(m_path, testLayout());
        browser.last();
        QVERIFY(writeBytes(m_path, kAnna));  // one record left, position still 3

        verifyUnchanged(browser.next(), browser, 3);
        verifyShown(browser.previous(), browser, 1);

        // At the first record "previous" does nothing and does not even open the
        // archive: not an empty-archive message, not a failure.
        QVERIFY(writeBytes(m_path, QByteArray()));
        verifyUnchanged(browser.previous(), browser, 1);
        QVERIFY(QFile::remove(m_path));
        QVERIFY(QDir().mkpath(m_path));
        verifyUnchanged(browser.previous(), browser, 1);
        QVERIFY(QDir().rmdir(m_path));
    }

    void saveAppendsThenOverwritesTheSameRecord()
    {
        QVERIFY(writeBytes(m_path, kAnna + kBruno));
        RecordBrowser browser(m_path, testLayout());

        BrowseOutcome out = browser.save(card(QStringLiteral("Dario"), QStringLiteral("d")));
        QCOMPARE(out.kind, Kind::Saved);
        QCOMPARE(out.notice, Notice::Information);
        QCOMPARE(out.message, BrowseText::RecordInserted);
        QCOMPARE(browser.position(), std::optional<int>(3));
        QCOMPARE(out.positionText(), QStringLiteral("3"));
        QCOMPARE(fileBytes(m_path), kAnna + kBruno + stored("Dario", "d"));

        out = browser.save(card(QStringLiteral("Dario Neri"), QStringLiteral("dd")));
        QCOMPARE(out.kind, Kind::Saved);
        QCOMPARE(out.notice, Notice::Information);
        QCOMPARE(out.message, BrowseText::ChangesSaved);
        QCOMPARE(browser.position(), std::optional<int>(3));
        QCOMPARE(fileBytes(m_path), kAnna + kBruno + stored("Dario Neri", "dd"));

        // A record shown by browsing is overwritten in place.
        browser.first();
        out = browser.save(card(QStringLiteral("Anna Rossi"), QString()));
        QCOMPARE(out.message, BrowseText::ChangesSaved);
        QCOMPARE(browser.position(), std::optional<int>(1));
        QCOMPARE(fileBytes(m_path), stored("Anna Rossi", "") + kBruno + stored("Dario Neri", "dd"));
    }

    void saveIntoMissingArchiveCreatesIt()
    {
        RecordBrowser browser(m_path, testLayout());
        const BrowseOutcome out = browser.save(card(QStringLiteral("Anna"), QStringLiteral("a")));
        QCOMPARE(out.message, BrowseText::RecordInserted);
        QCOMPARE(browser.position(), std::optional<int>(1));
        QCOMPARE(fileBytes(m_path), kAnna);
    }

    void changingArchiveForgetsThePosition()
    {
        const QString other = m_dir.filePath(QStringLiteral("Altro.pro"));
        QVERIFY(writeBytes(m_path, kThree));
        QVERIFY(writeBytes(other, kCarla));
        RecordBrowser browser(m_path, testLayout());
        browser.last();

        browser.setPath(other);
        QCOMPARE(browser.path(), other);
        QCOMPARE(browser.position(), std::nullopt);
        // The next save is a new record of the other archive.
        QCOMPARE(browser.save(card(QStringLiteral("Anna"), QStringLiteral("a"))).message, BrowseText::RecordInserted);
        QCOMPARE(fileBytes(other), kCarla + kAnna);
        QCOMPARE(fileBytes(m_path), kThree);
    }

    void failureChangesNothing_data()
    {
        QTest::addColumn<bool>("asFolder");   // the path is a folder; else its folder is missing
        QTest::addColumn<bool>("fromShown");  // record 2 on screen; else a new record
        QTest::addColumn<QString>("operation");
        for (bool asFolder : {true, false})
            for (bool fromShown : {false, true})
                for (const char* operation : {"first", "previous", "next", "last", "save", "showAt1"})
                    QTest::addRow("%s, %s, %s", asFolder ? "path is a folder" : "folder missing",
                                  fromShown ? "record shown" : "new record", operation)
                        << asFolder << fromShown << QString::fromLatin1(operation);
    }

    void failureChangesNothing()
    {
        QFETCH(bool, asFolder);
        QFETCH(bool, fromShown);
        QFETCH(QString, operation);

        const QString folder = m_dir.filePath(QStringLiteral("anno"));
        const QString path = folder + QStringLiteral("/Prova.pro");
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeBytes(path, kThree));
        RecordBrowser browser(path, testLayout());
        std::optional<int> before;
        if (fromShown) {
            verifyShown(browser.showAt(2), browser, 2);
            before = 2;
        }
        // The archive becomes unusable behind the screen's back.
        QVERIFY(QDir(folder).removeRecursively());
        if (asFolder)
            QVERIFY(QDir().mkpath(path));

        const BrowseOutcome out = run(browser, operation);
        QCOMPARE(out.kind, Kind::Failed);
        QCOMPARE(out.notice, Notice::Error);
        QCOMPARE(out.message, ArchiveError::userMessage());
        QVERIFY(!out.record.has_value());
        QCOMPARE(out.position, before);
        QCOMPARE(browser.position(), before);
        QCOMPARE(QFileInfo(path).isDir(), asFolder);
        QCOMPARE(QFileInfo::exists(folder), asFolder);
    }

    void readingOutsideTheArchiveFails()
    {
        QVERIFY(writeBytes(m_path, kThree));
        RecordBrowser browser(m_path, testLayout());
        browser.showAt(2);
        for (int position : {0, 4}) {
            const BrowseOutcome out = browser.showAt(position);
            QCOMPARE(out.kind, Kind::Failed);
            QCOMPARE(out.message, ArchiveError::userMessage());
            QCOMPARE(browser.position(), std::optional<int>(2));
        }
    }
};

QTEST_GUILESS_MAIN(TestBrowser)
#include "tst_browser.moc"
