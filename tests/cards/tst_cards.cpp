// Card printing core: the organization data and print settings in
// Tesserini.ini, the logo file, and the two card layouts measured on
// rendered pages (10 pixels per millimetre).
#include "cards/cardlayout.h"
#include "cards/cardpictures.h"
#include "cards/cardsettings.h"
#include "members/membersfixture.h"
#include "storage/appdir.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <unistd.h>

using namespace Cards;

namespace {

constexpr double Dpi = 254;  // 10 pixels per millimetre
int px(double millimetres) { return qRound(millimetres * 10); }
double toMm(int pixels) { return pixels / 10.0; }

bool isDark(QRgb p) { return qGray(p) < 128; }
bool near(QRgb p, QColor c, int tol = 24)
{
    return qAbs(qRed(p) - c.red()) < tol && qAbs(qGreen(p) - c.green()) < tol && qAbs(qBlue(p) - c.blue()) < tol;
}

// The first dark pixel along a row from `fromMm` to the right, or down a
// column; in millimetres, -1 when there is none.
double darkAcross(const QImage& img, double yMm, double fromMm)
{
    for (int x = px(fromMm); x < img.width(); ++x)
        if (isDark(img.pixel(x, px(yMm))))
            return toMm(x);
    return -1;
}
double darkDown(const QImage& img, double xMm, double fromMm)
{
    for (int y = px(fromMm); y < img.height(); ++y)
        if (isDark(img.pixel(px(xMm), y)))
            return toMm(y);
    return -1;
}

// Any dark pixel in the area, given in millimetres.
bool inkIn(const QImage& img, QRectF areaMm)
{
    const QRect area = QRect(px(areaMm.left()), px(areaMm.top()), px(areaMm.width()), px(areaMm.height()))
                           .intersected(img.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isDark(img.pixel(x, y)))
                return true;
    return false;
}

QImage renderOnly(const Report::Template& t)
{
    const Report::Prepared prepared = t.prepare();
    if (prepared.pages.size() != 1)
        return {};
    return Report::renderPage(prepared.pages.first(), Dpi);
}

QRectF boxMm(const Report::Template& t, const QString& name)
{
    const QRectF b = t.object(name).box;
    return {Report::toMm(b.x()), Report::toMm(b.y()), Report::toMm(b.width()), Report::toMm(b.height())};
}

bool sameRect(const QRectF& a, const QRectF& b)
{
    return qAbs(a.x() - b.x()) < 1e-6 && qAbs(a.y() - b.y()) < 1e-6 && qAbs(a.width() - b.width()) < 1e-6
        && qAbs(a.height() - b.height()) < 1e-6;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) == content.size();
}

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Red on the left half, blue on the right.
QImage halves(QSize size)
{
    QImage image = filled(size, Qt::blue);
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height(), Qt::red);
    return image;
}

CardFace face()
{
    CardFace f;
    f.setOrganization({QStringLiteral("  Circolo Remiero "), QStringLiteral(" Via Roma 1, Pavia"),
                       QStringLiteral("Tel. 0382 123456  "), QStringLiteral("  Tessera personale ")});
    f.member = QStringLiteral("  Rossi Mario ");
    f.office = QStringLiteral(" Presidente ");
    f.cardNumber = QStringLiteral(" 42 ");
    f.issued = QStringLiteral(" 01/02/2024");
    f.expires = QStringLiteral("31/12/2024 ");
    return f;
}

QStringList textsOf(const Report::PreparedPage& page)
{
    QStringList out;
    for (const Report::Primitive& p : page.items)
        if (p.kind == Report::Primitive::Text)
            out << p.text;
    return out;
}

const QColor Navy(0, 0, 128);

}  // namespace

class TestCards : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString settingsPath() const { return m_dir->filePath(SettingsFileName); }
    QString logoPath() const { return m_dir->filePath(LogoFileName); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        AppDir::set(m_dir->path());
    }

    // --- Tesserini.ini ---------------------------------------------------

    void firstRunWithoutSettingsFile()
    {
        QCOMPARE(loadOrganization(), Organization{});
        const PrintSettings settings = loadPrintSettings();
        QCOMPARE(settings.top, QStringLiteral("0"));
        QCOMPARE(settings.left, QStringLiteral("0"));
        QVERIFY(!settings.landscape);
        QVERIFY(!QFile::exists(settingsPath()));  // reading creates nothing
    }

    void organizationIsSavedTrimmedInWindows1252()
    {
        const Organization typed{QStringLiteral("  Società Canottieri "), QStringLiteral(" Piazza Libertà 3, Città"),
                                 QStringLiteral("Tel. 06 123  "), QStringLiteral("\tSoci dal 1990 ")};
        QVERIFY(saveOrganization(typed));
        const QByteArray file = readAll(settingsPath());
        QVERIFY(file.startsWith("[Dati Ente]\r\n"));
        QVERIFY(file.contains("\r\nDenominazione=Societ\xE0 Canottieri\r\n"));
        QVERIFY(file.contains("\r\nSottotitolo 1=Piazza Libert\xE0 3, Citt\xE0\r\n"));
        QVERIFY(file.contains("\r\nSottotitolo 2=Tel. 06 123\r\n"));
        QVERIFY(file.contains("\r\nAnnotazioni=Soci dal 1990\r\n"));
        QCOMPARE(loadOrganization(), typed.trimmed());
        QCOMPARE(loadOrganization().subtitle1, QStringLiteral("Piazza Libertà 3, Città"));
    }

    // Files as another program (or an older run) left them.
    void settingsReadFromHandWrittenFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("everything set")
            << QByteArray("[Dati Ente]\r\nDenominazione=Pro Loco Cant\xF9\r\nSottotitolo 1=Via Po\r\n"
                          "[Margini Stampa]\r\nSuperiore=5\r\nSinistro=-3\r\n"
                          "[Stampa Tesserino]\r\nOrientamento=Orizzontale\r\n")
            << QStringLiteral("Pro Loco Cantù") << "5" << "-3" << true;
        QTest::newRow("empty offsets read as 0, portrait named")
            << QByteArray("[Margini Stampa]\r\nSuperiore=\r\nSinistro=  \r\n[Stampa Tesserino]\r\nOrientamento=Verticale\r\n")
            << QString() << "0" << "0" << false;
        QTest::newRow("unknown orientation leaves portrait")
            << QByteArray("[Stampa Tesserino]\r\nOrientamento=Landscape\r\n") << QString() << "0" << "0" << false;
        QTest::newRow("other case leaves portrait")
            << QByteArray("[Stampa Tesserino]\r\nOrientamento=ORIZZONTALE\r\n") << QString() << "0" << "0" << false;
        QTest::newRow("not a number is kept as text")
            << QByteArray("[Margini Stampa]\r\nSuperiore=abc\r\n") << QString() << "abc" << "0" << false;
    }
    void settingsReadFromHandWrittenFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        QFETCH(QString, top);
        QFETCH(QString, left);
        QFETCH(bool, landscape);
        QVERIFY(writeBytes(settingsPath(), file));
        QCOMPARE(loadOrganization().name, name);
        const PrintSettings settings = loadPrintSettings();
        QCOMPARE(settings.top, top);
        QCOMPARE(settings.left, left);
        QCOMPARE(settings.landscape, landscape);
    }

    void printSettingsRoundTripKeepsTheOrganization()
    {
        QVERIFY(saveOrganization({QStringLiteral("Ente"), {}, {}, {}}));
        QVERIFY(savePrintSettings({QStringLiteral(" 5 "), QStringLiteral("-3"), true}));
        QByteArray file = readAll(settingsPath());
        QVERIFY(file.contains("[Margini Stampa]\r\nSuperiore=5\r\nSinistro=-3\r\n"));
        QVERIFY(file.contains("[Stampa Tesserino]\r\nOrientamento=Orizzontale\r\n"));
        QVERIFY(file.contains("[Dati Ente]\r\nDenominazione=Ente\r\n"));
        PrintSettings loaded = loadPrintSettings();
        QCOMPARE(loaded.top, QStringLiteral("5"));
        QCOMPARE(loaded.left, QStringLiteral("-3"));
        QVERIFY(loaded.landscape);

        QVERIFY(savePrintSettings({QStringLiteral("0"), QStringLiteral("12"), false}));
        file = readAll(settingsPath());
        QVERIFY(file.contains("Orientamento=Verticale\r\n"));
        QVERIFY(!file.contains("Orizzontale"));
        loaded = loadPrintSettings();
        QCOMPARE(loaded.left, QStringLiteral("12"));
        QVERIFY(!loaded.landscape);
        QCOMPARE(loadOrganization().name, QStringLiteral("Ente"));
    }

    void saveFailsWhereNothingCanBeWritten()
    {
        AppDir::set(m_dir->filePath(QStringLiteral("manca")));
        QVERIFY(!saveOrganization({QStringLiteral("Ente"), {}, {}, {}}));
        QVERIFY(!savePrintSettings({}));
        QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("manca"))));
    }

    void stepOffset_data()
    {
        QTest::addColumn<QString>("offset");
        QTest::addColumn<int>("delta");
        QTest::addColumn<QString>("result");  // empty: no value
        QTest::addColumn<QString>("error");
        QTest::newRow("0 + 1") << "0" << 1 << "1" << QString();
        QTest::newRow("0 - 1 goes negative") << "0" << -1 << "-1" << QString();
        QTest::newRow("-3 - 1") << "-3" << -1 << "-4" << QString();
        QTest::newRow("-1 + 1") << "-1" << 1 << "0" << QString();
        QTest::newRow("not a number") << "abc" << 1 << QString()
                                      << QStringLiteral("'abc' non è un valore intero valido.");
        QTest::newRow("decimal") << "2.5" << 1 << QString()
                                 << QStringLiteral("'2.5' non è un valore intero valido.");
        QTest::newRow("empty") << "" << -1 << QString() << QStringLiteral("'' non è un valore intero valido.");
        QTest::newRow("past the integer range") << "2147483647" << 1 << QString()
                                                << QStringLiteral("'2147483647' non è un valore intero valido.");
    }
    void stepOffset()
    {
        QFETCH(QString, offset);
        QFETCH(int, delta);
        QFETCH(QString, result);
        QFETCH(QString, error);
        const OffsetStep step = Cards::stepOffset(offset, delta);
        QCOMPARE(step.text.has_value(), !result.isEmpty());
        if (step.text)
            QCOMPARE(*step.text, result);
        QCOMPARE(step.error, error);
    }

    void offsetMillimetres_data()
    {
        QTest::addColumn<QString>("offset");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("millimetres");
        QTest::newRow("whole") << "5" << true << 5.0;
        QTest::newRow("negative") << "-3" << true << -3.0;
        QTest::newRow("decimal comma") << "2,5" << true << 2.5;
        QTest::newRow("decimal point") << "-0.5" << true << -0.5;
        QTest::newRow("blanks") << " 7 " << true << 7.0;
        QTest::newRow("text") << "abc" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("infinite") << "inf" << false << 0.0;
    }
    void offsetMillimetres()
    {
        QFETCH(QString, offset);
        QFETCH(bool, valid);
        QFETCH(double, millimetres);
        const std::optional<double> value = Cards::offsetMillimetres(offset);
        QCOMPARE(value.has_value(), valid);
        if (valid)
            QCOMPARE(*value, millimetres);
    }

    // --- Logo.jpg --------------------------------------------------------

    void logoIsStretchedTo119By118()
    {
        QVERIFY(saveLogo(halves(QSize(300, 50))));
        QVERIFY(readAll(logoPath()).startsWith("\xFF\xD8\xFF"));
        const QImage saved(logoPath());
        QCOMPARE(saved.size(), QSize(LogoWidth, LogoHeight));
        // Stretched, not fitted: both halves reach the top and bottom rows.
        for (int y : {1, 59, 116}) {
            QVERIFY2(near(saved.pixel(10, y), Qt::red), qPrintable(QString::number(y)));
            QVERIFY2(near(saved.pixel(50, y), Qt::red), qPrintable(QString::number(y)));
            QVERIFY2(near(saved.pixel(68, y), Qt::blue), qPrintable(QString::number(y)));
            QVERIFY2(near(saved.pixel(117, y), Qt::blue), qPrintable(QString::number(y)));
        }
        const QImage loaded = loadLogo();
        QCOMPARE(loaded.size(), QSize(LogoWidth, LogoHeight));
        QVERIFY(near(loaded.pixel(10, 1), Qt::red));

        // The cleared logo (the dot) comes back as a white 119 x 118 picture.
        QVERIFY(saveLogo(dotPicture()));
        QCOMPARE(loadLogo().size(), QSize(LogoWidth, LogoHeight));
        QVERIFY(near(loadLogo().pixel(60, 60), Qt::white));
    }

    void unreadableLogoLoadsAsNull()
    {
        QVERIFY(loadLogo().isNull());  // missing
        QVERIFY(writeBytes(logoPath(), QByteArray("\xFF\xD8\xFF\xE0 non un JPEG")));
        QVERIFY(loadLogo().isNull());
        QVERIFY(writeBytes(logoPath(), QByteArray()));
        QVERIFY(loadLogo().isNull());
    }

    void failedLogoSaveKeepsTheFile()
    {
        QVERIFY(saveLogo(filled(QSize(40, 40), Qt::green)));
        const QByteArray before = readAll(logoPath());
        QVERIFY(!before.isEmpty());

        QVERIFY(!saveLogo(QImage()));
        QCOMPARE(readAll(logoPath()), before);

        if (::geteuid() != 0) {
            QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner));
            const bool saved = saveLogo(filled(QSize(40, 40), Qt::red));
            QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QVERIFY(!saved);
            QCOMPARE(readAll(logoPath()), before);
        }

        // Fails for root as well: a folder where the file should be.
        QVERIFY(QFile::remove(logoPath()));
        QVERIFY(QDir(m_dir->path()).mkdir(LogoFileName));
        QVERIFY(!saveLogo(filled(QSize(40, 40), Qt::red)));
        QVERIFY(QFileInfo(logoPath()).isDir());
        QVERIFY(loadLogo().isNull());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());  // no stray temporary file
    }

    // --- Single card: where it lands --------------------------------------

    void singleCardPlacement_data()
    {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<double>("topMm");
        QTest::addColumn<double>("leftMm");
        QTest::addColumn<double>("edgeLeft");
        QTest::addColumn<double>("edgeTop");
        QTest::newRow("offsets 0") << false << 0.0 << 0.0 << 10.0 << 10.0;
        QTest::newRow("top 5, left -3") << false << 5.0 << -3.0 << 7.0 << 15.0;
        QTest::newRow("landscape, top 5, left -3") << true << 5.0 << -3.0 << 7.0 << 15.0;
        QTest::newRow("decimal offsets") << false << 2.5 << 1.5 << 11.5 << 12.5;
        QTest::newRow("negative top") << false << -4.0 << 0.0 << 10.0 << 6.0;
    }
    void singleCardPlacement()
    {
        QFETCH(bool, landscape);
        QFETCH(double, topMm);
        QFETCH(double, leftMm);
        QFETCH(double, edgeLeft);
        QFETCH(double, edgeTop);
        Report::Template card = singleCardDesign();
        placeSingleCard(card, landscape, topMm, leftMm);
        fillSingleCard(card, face());
        const QImage img = renderOnly(card);
        QVERIFY(!img.isNull());
        QCOMPARE(img.size(), landscape ? QSize(2970, 2100) : QSize(2100, 2970));

        // The outline: first ink coming from the paper's edge, across the
        // photo's height and down the photo's column.
        const double across = darkAcross(img, edgeTop + 40, 0);
        const double down = darkDown(img, edgeLeft + 5, 0);
        QVERIFY2(qAbs(across - edgeLeft) <= 0.3, qPrintable(QString::number(across)));
        QVERIFY2(qAbs(down - edgeTop) <= 0.3, qPrintable(QString::number(down)));
        QVERIFY(near(img.pixel(px(edgeLeft - 0.5), px(edgeTop + 40)), Qt::white));
        QVERIFY(near(img.pixel(px(edgeLeft), px(edgeTop + 40)), Qt::black, 100));
        // The contents moved with it: the header starts 1 mm inside and the
        // card ends 86 mm to the right.
        QVERIFY(near(img.pixel(px(edgeLeft + 70), px(edgeTop + 1.5)), Navy));
        QVERIFY(!near(img.pixel(px(edgeLeft + 70), px(edgeTop + 0.5)), Navy));
        const double right = darkAcross(img, edgeTop + 30, edgeLeft + 85.5);
        QVERIFY2(qAbs(right - (edgeLeft + CardWidthMm)) <= 0.3, qPrintable(QString::number(right)));
        QVERIFY(!inkIn(img, QRectF(edgeLeft + CardWidthMm + 0.5, edgeTop, 20, CardHeightMm)));
    }

    void previewIsAlwaysAtTheCorner()
    {
        const Report::Template preview = singleCardPreviewDesign();
        QCOMPARE(preview.page.orientation, Report::Orientation::Portrait);
        QCOMPARE(preview.page.topMargin, 0.0);
        QCOMPARE(preview.page.leftMargin, 0.0);
        QCOMPARE(preview.page.sizeMm(), QSizeF(210, 297));
        Report::Template card = preview;
        fillSingleCard(card, face());
        const QImage img = renderOnly(card);
        QCOMPARE(img.size(), QSize(2100, 2970));
        QVERIFY(qAbs(darkAcross(img, 50, 0) - 10) <= 0.3);
        QVERIFY(qAbs(darkDown(img, 15, 0) - 10) <= 0.3);
    }

    // Where the three drawings of the card differ.
    void cardStylesDiffer_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("outline");
        QTest::addColumn<int>("vAlign");
        QTest::addColumn<double>("noteTop");
        QTest::addColumn<double>("issuedTop");
        QTest::addColumn<double>("expiresTop");
        QTest::newRow("print") << int(CardStyle::SinglePrint) << "shpSfondo" << int(Report::VAlign::Centre) << 58.0
                               << 42.6 << 51.6;
        QTest::newRow("preview") << int(CardStyle::SinglePreview) << "shpTessera" << int(Report::VAlign::Top)
                                 << 58.2 << 42.4 << 51.4;
        QTest::newRow("sheet") << int(CardStyle::Sheet) << "shpTessera" << int(Report::VAlign::Top) << 58.0 << 42.4
                               << 51.4;
    }
    void cardStylesDiffer()
    {
        QFETCH(int, style);
        QFETCH(QString, outline);
        QFETCH(int, vAlign);
        QFETCH(double, noteTop);
        QFETCH(double, issuedTop);
        QFETCH(double, expiresTop);
        Report::Template t;
        for (Report::Object& o : cardObjects(CardStyle(style)))
            t.add(std::move(o));
        QCOMPARE(t.objects.front().name, outline);
        QVERIFY(sameRect(boxMm(t, outline), QRectF(10, 10, 86, 54)));
        for (const char* name : {"txtAssociazione", "txtSottotitolo01", "txtSottotitolo02", "txtTesserato",
                                 "txtCarica", "txtNumTessera", "titDataRil", "titDataScade"})
            QCOMPARE(int(t.object(QLatin1String(name)).vAlign), vAlign);
        for (const char* name : {"txtAnnotazioni", "txtDataRil", "txtDataScade"}) {
            QCOMPARE(t.object(QLatin1String(name)).vAlign, Report::VAlign::Centre);
            QCOMPARE(t.object(QLatin1String(name)).hAlign, Report::HAlign::Centre);
        }
        QVERIFY(sameRect(boxMm(t, "txtAnnotazioni"), QRectF(12, noteTop, 82, 3.8)));
        QVERIFY(sameRect(boxMm(t, "txtDataRil"), QRectF(41.4, issuedTop, 22.2, 3.0)));
        QVERIFY(sameRect(boxMm(t, "txtDataScade"), QRectF(41.4, expiresTop, 22.2, 3.0)));
        for (const Report::Object& o : t.objects)
            if (o.kind == Report::ObjectKind::Text) {
                QVERIFY2(!o.wordWrap, qPrintable(o.name));
                QVERIFY2(!o.expressions, qPrintable(o.name));
            }
    }

    // --- Sheet -------------------------------------------------------------

    void sheetHasNineCardsInThreeRows()
    {
        Report::Template sheet = sheetDesign();
        QList<CardFace> faces(SheetSlots, face());
        fillSheet(sheet, faces);
        const QImage img = renderOnly(sheet);
        QCOMPARE(img.size(), QSize(2970, 2100));  // A4 landscape
        const double lefts[] = {10, 105, 199};
        const double tops[] = {10, 75, 140};
        for (int slot = 1; slot <= SheetSlots; ++slot) {
            const double left = lefts[(slot - 1) % 3], top = tops[(slot - 1) / 3];
            const double across = darkAcross(img, top + 40, left - 5);
            const double down = darkDown(img, left + 5, top - 5);
            QVERIFY2(qAbs(across - left) <= 0.3, qPrintable(QStringLiteral("slot %1: %2").arg(slot).arg(across)));
            QVERIFY2(qAbs(down - top) <= 0.3, qPrintable(QStringLiteral("slot %1: %2").arg(slot).arg(down)));
            QVERIFY(near(img.pixel(px(left + 70), px(top + 1.5)), Navy));
            // Nothing in the gap to the right of the card and below it.
            QVERIFY(!inkIn(img, QRectF(left + 86.5, top + 2, 5, 50)));
            QVERIFY(!inkIn(img, QRectF(left + 2, top + 54.5, 80, 5)));
        }
    }

    void sheetSlotsAreCopiesOfSlotA()
    {
        const Report::Template sheet = sheetDesign();
        QCOMPARE(sheet.page.sizeMm(), QSizeF(297, 210));
        QCOMPARE(sheet.name, QStringLiteral("Tesserini"));
        // The nine outlines come first, then the contents.
        for (int slot = 1; slot <= SheetSlots; ++slot)
            QCOMPARE(sheet.objects.at(std::size_t(slot - 1)).name, QStringLiteral("shpTessera") + slotSuffix(slot));
        QStringList slotA;
        for (const Report::Object& o : sheet.objects)
            if (o.name.endsWith(QLatin1String("_A")))
                slotA << o.name.chopped(2);
        QCOMPARE(slotA.size(), 18);
        QCOMPARE(int(sheet.objects.size()), 18 * SheetSlots);
        for (int slot = 2; slot <= SheetSlots; ++slot)
            for (const QString& base : slotA) {
                const QRectF expected = boxMm(sheet, base + QStringLiteral("_A")).translated(slotOffsetMm(slot));
                QVERIFY2(sameRect(boxMm(sheet, base + slotSuffix(slot)), expected),
                         qPrintable(base + slotSuffix(slot)));
            }
        // Slot 5 sits in the middle: centred across (148 against 148.5) and
        // the middle row down (102 against 105).
        const QRectF middle = boxMm(sheet, QStringLiteral("shpTessera_E"));
        QVERIFY(sameRect(middle, QRectF(105, 75, 86, 54)));
        QVERIFY(qAbs(middle.center().x() - 297 / 2.0) <= 1);
        QVERIFY(qAbs(middle.center().y() - 210 / 2.0) <= 3);
    }

    void shortSheetHoldsOnlyItsCards()
    {
        Report::Template sheet = sheetDesign(4);
        QVERIFY(sheet.hasObject(QStringLiteral("txtDataScade_D")));
        QVERIFY(!sheet.hasObject(QStringLiteral("shpTessera_E")));
        fillSheet(sheet, QList<CardFace>(SheetSlots, face()));  // more faces than slots: the rest is ignored
        const QImage img = renderOnly(sheet);
        QVERIFY(qAbs(darkDown(img, 15, 66) - 75) <= 0.3);  // slot D
        QVERIFY(!inkIn(img, QRectF(100, 70, 197, 140)));    // nothing from E on
    }

    // --- Filling -----------------------------------------------------------

    void fillingTrimsEveryText()
    {
        Report::Template card = singleCardDesign();
        fillSingleCard(card, face());
        const std::pair<const char*, const char*> expected[] = {
            {"txtAssociazione", "Circolo Remiero"}, {"txtSottotitolo01", "Via Roma 1, Pavia"},
            {"txtSottotitolo02", "Tel. 0382 123456"}, {"txtAnnotazioni", "Tessera personale"},
            {"txtTesserato", "Rossi Mario"},         {"txtCarica", "Presidente"},
            {"txtNumTessera", "42"},                 {"txtDataRil", "01/02/2024"},
            {"txtDataScade", "31/12/2024"},          {"titDataRil", "Data rilascio:"},
            {"titDataScade", "Data scadenza:"},
        };
        for (const auto& [name, text] : expected)
            QCOMPARE(card.object(QLatin1String(name)).text, QString::fromUtf8(text));
    }

    void memberComesFromTheFirstFiveFields()
    {
        CardFace f = face();
        f.setMember(memberRecord({{"Tesserato", " Bianchi Anna "}, {"Carica", "Socia "}, {"NumTessera", " 7"},
                                  {"DataRil", "02/01/2025"}, {"DataScade", "31/12/2025"}, {"Note", "altro"}}));
        QCOMPARE(f.member, QStringLiteral("Bianchi Anna"));
        QCOMPARE(f.office, QStringLiteral("Socia"));
        QCOMPARE(f.cardNumber, QStringLiteral("7"));
        QCOMPARE(f.issued, QStringLiteral("02/01/2025"));
        QCOMPARE(f.expires, QStringLiteral("31/12/2025"));
        QCOMPARE(f.association, QStringLiteral("  Circolo Remiero "));  // the organization stays
    }

    void missingPicturesPrintThePlaceholders()
    {
        Report::Template card = singleCardDesign();
        CardFace blank = face();
        fillSingleCard(card, blank);  // no photo, no logo
        QCOMPARE(card.object(QStringLiteral("imgFoto")).picture, placeholderPortrait());
        QCOMPARE(card.object(QStringLiteral("imgLogo")).picture, placeholderLogo());
        QImage img = renderOnly(card);
        // The portrait's background near the photo box's corner, the gold
        // star in the middle of the logo box.
        QVERIFY(near(img.pixel(px(15), px(29)), QColor(0xE4, 0xE9, 0xEF), 12));
        QVERIFY(near(img.pixel(px(83.2), px(44.9)), QColor(0xC8, 0x9B, 0x2C)));

        // A real photo and logo take their places.
        blank.photo = filled(QSize(157, 174), Qt::green);
        blank.logo = filled(QSize(119, 118), Qt::red);
        fillSingleCard(card, blank);
        img = renderOnly(card);
        QVERIFY(near(img.pixel(px(15), px(29)), Qt::green));
        QVERIFY(near(img.pixel(px(83.2), px(44.9)), Qt::red));
    }

    void clearedAndPlaceholderMembers()
    {
        CardFace f = face();
        f.clearMember();
        Report::Template card = singleCardDesign();
        fillSingleCard(card, f);
        Report::Prepared prepared = card.prepare();
        QCOMPARE(textsOf(prepared.pages.first()),
                 (QStringList{"Circolo Remiero", "Via Roma 1, Pavia", "Tel. 0382 123456", "Tessera personale",
                              "Data rilascio:", "Data scadenza:"}));
        // The empty member part shows no ink where the texts would be.
        const QImage img = Report::renderPage(prepared.pages.first(), Dpi);
        QVERIFY(!inkIn(img, QRectF(40.5, 25.2, 54, 8.5)));
        QVERIFY(!inkIn(img, QRectF(40.5, 33.9, 30, 3.3)));

        f.setMemberPlaceholders();
        fillSingleCard(card, f);
        prepared = card.prepare();
        const QStringList texts = textsOf(prepared.pages.first());
        for (const QString& placeholder : {MemberPlaceholder, OfficePlaceholder, CardNumberPlaceholder})
            QVERIFY2(texts.contains(placeholder), qPrintable(placeholder));
        QCOMPARE(texts.count(DatePlaceholder), 2);
    }

    void longNameIsCutAtTheBoxEdge()
    {
        CardFace f = face();
        f.member = QStringLiteral("Bartolomeo Massimiliano Giovanbattista De Santis Castelfranchi");
        f.office.clear();
        Report::Template card = singleCardDesign();
        fillSingleCard(card, f);
        const QImage img = renderOnly(card);
        const QRectF name(40, 25, 55, 4);
        // The line runs to the box's right edge (a wrapped first line would
        // stop at a word well before it) and not beyond it.
        QVERIFY(inkIn(img, QRectF(name.right() - 1.5, name.top(), 1.4, name.height())));
        QVERIFY(!inkIn(img, QRectF(name.right() + 0.2, name.top(), 0.6, name.height())));
        // No second line below the box, where the office would be.
        QVERIFY(!inkIn(img, QRectF(name.left(), name.bottom() + 0.2, name.width(), 4)));
    }
};

QTEST_MAIN(TestCards)
#include "tst_cards.moc"
