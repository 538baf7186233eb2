// norvalis-cli cards: the PDF it writes from a member archive, and how it
// refuses what it cannot do.
#include "cards/cardsettings.h"
#include "members/memberphoto.h"
#include "members/membersfixture.h"
#include "cli/clirunner.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Result = CliResult;
Result cli(const QString& dataDir, const QStringList& arguments) { return runCli(dataDir, arguments); }

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int pageCount(const QByteArray& pdf) { return pdfPageCount(pdf); }

constexpr double Dpi = 254;  // 10 pixels per millimetre
int px(double millimetres) { return qRound(millimetres * 10); }

// One page of the PDF as poppler draws it; null when pdftoppm is missing.
QImage renderPdf(const QString& pdf, int page, const QString& folder)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        return {};
    const QString prefix = folder + QStringLiteral("/pagina");
    QProcess::execute(QStringLiteral("pdftoppm"), {"-r", QString::number(Dpi), "-png", "-f", QString::number(page),
                                                   "-l", QString::number(page), "-singlefile", pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

bool isDark(QRgb p) { return qGray(p) < 128; }
bool near(QRgb p, QColor c, int tol = 40)
{
    return qAbs(qRed(p) - c.red()) < tol && qAbs(qGreen(p) - c.green()) < tol && qAbs(qBlue(p) - c.blue()) < tol;
}
double darkAcross(const QImage& img, double yMm, double fromMm)
{
    for (int x = px(fromMm); x < img.width(); ++x)
        if (isDark(img.pixel(x, px(yMm))))
            return x / 10.0;
    return -1;
}
double darkDown(const QImage& img, double xMm, double fromMm)
{
    for (int y = px(fromMm); y < img.height(); ++y)
        if (isDark(img.pixel(px(xMm), y)))
            return y / 10.0;
    return -1;
}

QImage filled(QColor colour)
{
    QImage image(157, 174, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

const QSize A4Landscape(842, 595), A4Portrait(595, 842);

}  // namespace

class TestCliCards : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString pdfPath() const { return m_dir.filePath(QStringLiteral("tessere.pdf")); }

private slots:
    void initTestCase()
    {
        AppDir::set(m_dir.path());
        QList<MemberFields> members;
        for (int i = 1; i <= 10; ++i)
            members.push_back({{"Tesserato", QStringLiteral("Socio %1").arg(i)}, {"NumTessera", QString::number(i)}});
        writeMembers(members);
        QVERIFY(Cards::saveOrganization({QStringLiteral("Circolo"), QStringLiteral("Via Po 1"), {}, {}}));
        QVERIFY(members::writePhoto(2, filled(Qt::green)));
        QVERIFY(Cards::saveLogo(filled(Qt::red)));
    }
    void init() { QFile::remove(pdfPath()); }

    void sheetsOfNine_data()
    {
        QTest::addColumn<QString>("positions");
        QTest::addColumn<int>("pages");
        QTest::newRow("one card") << "1" << 1;
        QTest::newRow("a full sheet") << "1,2,3,4,5,6,7,8,9" << 1;
        QTest::newRow("ten: a second sheet") << "1,2,3,4,5,6,7,8,9,10" << 2;
        QTest::newRow("the same member again") << "2,2,2" << 1;
        QTest::newRow("nineteen") << "10,9,8,7,6,5,4,3,2,1,1,2,3,4,5,6,7,8,9" << 3;
    }
    void sheetsOfNine()
    {
        QFETCH(QString, positions);
        QFETCH(int, pages);
        const Result r = cli(m_dir.path(), {"cards", "--out", pdfPath(), "--sheet", positions});
        QVERIFY2(r.status == 0, r.err.constData());
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.isEmpty(), r.err.constData());
        const QByteArray pdf = readAll(pdfPath());
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pageCount(pdf), pages);
        QCOMPARE(pdfMediaBoxes(pdf), QList<QSize>(pages, A4Landscape));
    }

    void lastSheetHoldsTheCardsLeft()
    {
        const Result r = cli(m_dir.path(), {"cards", "--out", pdfPath(), "--sheet", "1,2,3,4,5,6,7,8,9,2"});
        QCOMPARE(r.status, 0);
        const QImage last = renderPdf(pdfPath(), 2, m_dir.path());
        if (last.isNull())
            QSKIP("pdftoppm not installed");
        QVERIFY(qAbs(last.width() - 2970) <= 1 && qAbs(last.height() - 2100) <= 1);  // landscape
        QVERIFY(qAbs(darkAcross(last, 50, 0) - 10) <= 0.3);
        QVERIFY(near(last.pixel(px(15), px(29)), Qt::green));  // member 2's photo in slot A
        QCOMPARE(darkAcross(last, 50, 100), -1.0);             // nothing in slots B and C
        QCOMPARE(darkDown(last, 15, 66), -1.0);                // nor in the rows below
    }

    void singleCardAtTheOffsets_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QSize>("paper");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::newRow("no offsets") << QStringList{} << A4Portrait << 10.0 << 10.0;
        QTest::newRow("top 5, left -3") << QStringList{"--top", "5", "--left", "-3"} << A4Portrait << 7.0 << 15.0;
        QTest::newRow("landscape, decimal comma")
            << QStringList{"--landscape", "--left", "2,5"} << A4Landscape << 12.5 << 10.0;
    }
    void singleCardAtTheOffsets()
    {
        QFETCH(QStringList, options);
        QFETCH(QSize, paper);
        QFETCH(double, left);
        QFETCH(double, top);
        const Result r = cli(m_dir.path(), QStringList{"cards", "--single", "2", "--out", pdfPath()} + options);
        QVERIFY2(r.status == 0, r.err.constData());
        QVERIFY2(r.err.isEmpty(), r.err.constData());
        const QByteArray pdf = readAll(pdfPath());
        QCOMPARE(pageCount(pdf), 1);
        QCOMPARE(pdfMediaBoxes(pdf), QList<QSize>{paper});

        const QImage img = renderPdf(pdfPath(), 1, m_dir.path());
        if (img.isNull())
            QSKIP("pdftoppm not installed");
        QVERIFY2(qAbs(darkAcross(img, top + 40, 0) - left) <= 0.3, qPrintable(QString::number(darkAcross(img, top + 40, 0))));
        QVERIFY2(qAbs(darkDown(img, left + 5, 0) - top) <= 0.3, qPrintable(QString::number(darkDown(img, left + 5, 0))));
        // The member's photo and the saved logo, where the card puts them.
        QVERIFY(near(img.pixel(px(left + 5), px(top + 19)), Qt::green));
        QVERIFY(near(img.pixel(px(left + 73.2), px(top + 34.9)), Qt::red));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");  // OUT stands for the PDF's path
        QTest::addColumn<bool>("emptyDataDir");
        QTest::addColumn<int>("status");
        QTest::newRow("no --out") << QStringList{"cards", "--sheet", "1"} << false << 2;
        QTest::newRow("neither --sheet nor --single") << QStringList{"cards", "--out", "OUT"} << false << 2;
        QTest::newRow("both") << QStringList{"cards", "--out", "OUT", "--sheet", "1", "--single", "2"} << false << 2;
        QTest::newRow("offset not a number")
            << QStringList{"cards", "--out", "OUT", "--single", "1", "--top", "abc"} << false << 2;
        QTest::newRow("offset without value") << QStringList{"cards", "--out", "OUT", "--single", "1", "--left"}
                                               << false << 2;
        QTest::newRow("position 0") << QStringList{"cards", "--out", "OUT", "--single", "0"} << false << 2;
        QTest::newRow("hole in the list") << QStringList{"cards", "--out", "OUT", "--sheet", "1,,2"} << false << 2;
        QTest::newRow("offsets on a sheet") << QStringList{"cards", "--out", "OUT", "--sheet", "1", "--top", "2"}
                                             << false << 2;
        QTest::newRow("unknown option") << QStringList{"cards", "--out", "OUT", "--single", "1", "--colour"}
                                         << false << 2;
        QTest::newRow("position past the last record")
            << QStringList{"cards", "--out", "OUT", "--sheet", "1,11"} << false << 1;
        QTest::newRow("no archive") << QStringList{"cards", "--out", "OUT", "--single", "1"} << true << 1;
        QTest::newRow("PDF in a missing folder")
            << QStringList{"cards", "--out", "/nonexistent/norvalis/tessere.pdf", "--single", "1"} << false << 1;
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, emptyDataDir);
        QFETCH(int, status);
        QTemporaryDir empty;
        const QString dataDir = emptyDataDir ? empty.path() : m_dir.path();
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^OUT$")), pdfPath());
        {
            QFile earlier(pdfPath());  // an earlier PDF stays as it was
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier");
        }

        const Result r = cli(dataDir, arguments);
        QCOMPARE(r.status, status);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.startsWith("norvalis-cli: "), r.err.constData());
        if (status == 2)
            QVERIFY(r.err.contains("Uso: norvalis-cli"));
        else
            QCOMPARE(r.err.count('\n'), 1);
        QCOMPARE(readAll(pdfPath()), QByteArray("earlier"));
        QVERIFY(!QFileInfo::exists(QDir(empty.path()).filePath(QLatin1String(members::kFileName))));
    }

    void helpNamesTheCommand()
    {
        const Result r = cli(m_dir.path(), {"--help"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("cards --out FILE.pdf --sheet POS[,POS]..."));
        QVERIFY(r.out.contains("cards --out FILE.pdf --single POS [--top MM] [--left MM] [--landscape]"));
    }
};

QTEST_MAIN(TestCliCards)
#include "tst_clicards.moc"
