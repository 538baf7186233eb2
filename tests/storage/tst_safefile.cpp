// Files are replaced whole or not at all: the helper itself, every writer of
// the program on a disk with no room left (a device that fails on flush, and
// a real small tmpfs filled up), and the command-line exports that must keep
// their earlier files.

#include "app/inifile.h"
#include "app/password.h"
#include "cards/cardsettings.h"
#include "members/attachments.h"
#include "members/memberexport.h"
#include "members/memberphoto.h"
#include "members/membersfixture.h"
#include "output/report.h"
#include "output/spreadsheet.h"
#include "storage/appdir.h"
#include "storage/safefile.h"
#include "support/fulldisk.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtTest>

#include <cstring>
#include <optional>

#include <sys/mount.h>

namespace {

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

SafeFile::Writer writing(const QByteArray& data, bool completes = true)
{
    return [data, completes](QIODevice& device) { return device.write(data) == data.size() && completes; };
}

// The system's reason for a full disk.
QString noRoom()
{
    return QString::fromLocal8Bit(std::strerror(ENOSPC));
}

QImage picture()
{
    QImage image(240, 200, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image;
}

struct Result {
    int status;
    QByteArray err;
};

Result cli(const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral(NORVALIS_CLI), QStringList{"--data-dir", AppDir::path()} + arguments);
    if (!p.waitForFinished(60000))
        return {-1, "did not finish"};
    return {p.exitCode(), p.readAllStandardError()};
}

// A tmpfs mounted for the test and unmounted when it ends, however it ends.
class SmallDisk {
public:
    explicit SmallDisk(const QString& folder) : m_folder(folder.toLocal8Bit())
    {
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=2m") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted && ::umount(m_folder.constData()) != 0)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }

    // Writes a filler file until the disk refuses another byte.
    bool fill() const
    {
        QFile filler(QString::fromLocal8Bit(m_folder) + QStringLiteral("/riempitivo"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray chunk(64 * 1024, 'x');
        while (filler.write(chunk) == chunk.size()) {
        }
        while (filler.write("x", 1) == 1) {
        }
        return true;
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

}  // namespace

class TestSafeFile : public QObject {
    Q_OBJECT
private slots:
    void replacesOrCreatesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("dati.ini"));
        QString error;
        QVERIFY(SafeFile::replace(path, writing("primo contenuto, lungo"), &error));
        QCOMPARE(fileContent(path), QByteArray("primo contenuto, lungo"));
        QVERIFY(SafeFile::replace(path, writing("secondo"), &error));
        QCOMPARE(fileContent(path), QByteArray("secondo"));
        QVERIFY(error.isEmpty());
        QCOMPARE(entries(dir.path()), QStringList{"dati.ini"});
    }

    // A long file, sent on to the disk while it is written, arrives whole:
    // pieces of every size, small ones held by the device and large ones past
    // its buffer, across several steps of the early writeback.
    void longFileArrivesWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lungo.xls"));
        QByteArray expected;
        QVERIFY(SafeFile::replace(path, [&expected](QIODevice& device) {
            // The same pieces on every run.
            QRandomGenerator random(7);
            while (expected.size() < (30 << 20)) {
                // Mostly small pieces, one in seven up to 3 MiB.
                const qsizetype size = 1 + random.bounded(3 << 20) / (random.bounded(7) == 0 ? 1 : 1024);
                QByteArray piece(size, char('a' + random.bounded(26)));
                if (device.write(piece) != size)
                    return false;
                expected += piece;
            }
            return true;
        }));
        QCOMPARE(QFileInfo(path).size(), expected.size());
        QVERIFY(fileContent(path) == expected);
    }

    // A long file that replaces another is whole at once, and the old one,
    // let go of in the background, leaves nothing open behind it.
    void replacingALongFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lungo.xls"));
        const auto openFiles = [] { return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files).size(); };
        QVERIFY(SafeFile::replace(path, writing(QByteArray(20 << 20, 'a'))));
        const qsizetype opened = openFiles();
        const QByteArray second((20 << 20) + 5, 'b');
        QVERIFY(SafeFile::replace(path, writing(second)));
        QVERIFY(fileContent(path) == second);
        QCOMPARE(entries(dir.path()), QStringList{"lungo.xls"});
        QTRY_COMPARE(openFiles(), opened);
    }

    void failureKeepsTheOldFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("completes");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("reason");
        // A few bytes stay in the device's buffer until the flush: the case
        // where a full disk was once renamed into place as an empty file.
        QTest::newRow("full disk, small file") << QByteArray("[Accesso]\r\nValore=1234\r\n") << true << true
                                               << noRoom();
        QTest::newRow("full disk, large file") << QByteArray(1 << 20, 'x') << true << true << noRoom();
        QTest::newRow("writer gives up") << QByteArray("met") << false << false << QString();
    }
    void failureKeepsTheOldFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, completes);
        QFETCH(bool, diskFull);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("dati.ini"));
        QVERIFY(setFileContent(path, "contenuto precedente"));

        std::optional<FullDisk> full;
        if (diskFull)
            full.emplace();
        QString error;
        QVERIFY(!SafeFile::replace(path, writing(content, completes), &error));
        full.reset();

        QVERIFY(!error.isEmpty());
        if (!reason.isEmpty())
            QCOMPARE(error, reason);
        QCOMPARE(fileContent(path), QByteArray("contenuto precedente"));
        QCOMPARE(entries(dir.path()), QStringList{"dati.ini"});  // no temporary file left behind
    }

    void fileThatCannotBeMade()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("cartella")));
        for (const QString& name : {QStringLiteral("cartella"), QStringLiteral("mancante/dati.ini")}) {
            QString error;
            QVERIFY2(!SafeFile::replace(dir.filePath(name), writing("x"), &error), qPrintable(name));
            QVERIFY2(!error.isEmpty(), qPrintable(name));
        }
        QCOMPARE(entries(dir.path()), QStringList{"cartella"});
    }

    // Every file the program writes goes through the helper: on a disk that
    // fails, each writer says so and its earlier file stays byte for byte.
    void everyWriterKeepsItsFileOnAFullDisk()
    {
        QTemporaryDir dir;
        AppDir::set(dir.path());
        const QString password = AppDir::filePath(QLatin1String(PasswordFile::FileName));
        QVERIFY(PasswordFile::storePassword(password, QStringLiteral("VECCHIA")));
        QVERIFY(setFileContent(AppDir::filePath(Cards::SettingsFileName), "[Dati Ente]\r\nDenominazione=X\r\n"));
        QVERIFY(Cards::saveLogo(picture()));
        QVERIFY(members::writePhoto(1, picture()));
        QVERIFY(attachments::ensureFolder());
        QVERIFY(setFileContent(attachments::pathOf(QStringLiteral("verbale.txt")), "verbale precedente"));
        QVERIFY(setFileContent(dir.filePath(QStringLiteral("nuovo.txt")), "verbale nuovo"));
        const QString xls = AppDir::filePath(QLatin1String(members::kExportFileName));
        const QString pdf = dir.filePath(QStringLiteral("elenco.pdf"));
        QVERIFY(setFileContent(xls, "esportazione precedente"));
        QVERIFY(setFileContent(pdf, "%PDF precedente"));
        QMap<QString, QByteArray> before;
        for (const QString& name : entries(dir.path()))
            before[name] = fileContent(dir.filePath(name));
        const QByteArray attachment = fileContent(attachments::pathOf(QStringLiteral("verbale.txt")));

        {
            const FullDisk full;
            QVERIFY(!Cards::saveOrganization({QStringLiteral("Nuovo nome"), {}, {}, {}}));
            QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                     PasswordFile::change(password, QStringLiteral("vecchia"),
                                                          QStringLiteral("nuova"), QStringLiteral("nuova")));
            QVERIFY(!Cards::saveLogo(picture()));
            QVERIFY(!members::writePhoto(1, picture()));
            QVERIFY(!attachments::copyIn(dir.filePath(QStringLiteral("nuovo.txt")), QStringLiteral("verbale.txt")));
            QString error;
            const auto table = Spreadsheet::Table::of(QStringLiteral("W"), {{QStringLiteral("V"), 10}}, {{"001"}});
            QVERIFY(!Spreadsheet::writeFile(xls, table, &error));
            QCOMPARE(error, noRoom());
            const auto list = Report::listLayout(QStringLiteral("Elenco"), {QStringLiteral("riga")}).prepare();
            QVERIFY(!Report::writePdf(list, pdf, &error));
            QCOMPARE(error, noRoom());
        }

        for (const QString& name : before.keys())
            QVERIFY2(fileContent(dir.filePath(name)) == before.value(name), qPrintable(name));
        QCOMPARE(entries(dir.path()), before.keys());
        QCOMPARE(fileContent(attachments::pathOf(QStringLiteral("verbale.txt"))), attachment);
        QCOMPARE(entries(attachments::folder()), QStringList{"verbale.txt"});
        QVERIFY(PasswordFile::matches(password, QStringLiteral("vecchia")));
    }

    // The same on a real disk that fills up, the exports through norvalis-cli.
    void smallDiskThatFillsUp()
    {
        QTemporaryDir base;
        const QString folder = base.filePath(QStringLiteral("disco"));
        QVERIFY(QDir().mkpath(folder));
        const SmallDisk disk(folder);
        if (!disk.mounted())
            QSKIP("mounting a tmpfs is not permitted here");
        AppDir::set(folder);

        writeMembers({{{"Tesserato", "Rossi Mario"}, {"NumTessera", "001"}, {"PartitaIva", "01234560587"}}});
        QVERIFY(IniFile(AppDir::filePath(Cards::SettingsFileName))
                    .setValue(QStringLiteral("Dati Ente"), QStringLiteral("Denominazione"), QStringLiteral("Circolo")));
        QVERIFY(Cards::saveLogo(picture()));
        QVERIFY(members::writePhoto(1, picture()));
        const QString pdf = AppDir::filePath(QStringLiteral("tessera.pdf"));
        QCOMPARE(cli({"export", "members"}).status, 0);
        QCOMPARE(cli({"cards", "--out", pdf, "--single", "1"}).status, 0);
        QMap<QString, QByteArray> before;
        for (const QString& name : entries(folder))
            before[name] = fileContent(AppDir::filePath(name));
        QCOMPARE(before.size(), 6);
        QVERIFY(before.value(QStringLiteral("tessera.pdf")).startsWith("%PDF"));

        QVERIFY(disk.fill());
        QVERIFY(!IniFile(AppDir::filePath(Cards::SettingsFileName))
                     .setValue(QStringLiteral("Dati Ente"), QStringLiteral("Denominazione"), QStringLiteral("Altro")));
        QVERIFY(!Cards::saveLogo(picture()));
        QVERIFY(!members::writePhoto(1, picture()));
        for (const QStringList& command : {QStringList{"export", "members"},
                                           QStringList{"cards", "--out", pdf, "--single", "1"}}) {
            const Result r = cli(command);
            QVERIFY2(r.status == 1, r.err.constData());
            QVERIFY2(r.err.startsWith("norvalis-cli: ") && r.err.count('\n') == 1, r.err.constData());
        }

        for (const QString& name : before.keys())
            QVERIFY2(fileContent(AppDir::filePath(name)) == before.value(name), qPrintable(name));
        QStringList expected = QStringList(before.keys()) << QStringLiteral("riempitivo");
        QStringList left = entries(folder);
        expected.sort();
        left.sort();
        QCOMPARE(left, expected);
    }
};

QTEST_MAIN(TestSafeFile)
#include "tst_safefile.moc"
