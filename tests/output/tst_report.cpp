// The report engine on rendered pages: boxes where the tables put them,
// clipping, pictures, orientation, the list layout's flow over pages, and
// the member sheet.
#include "app/dates.h"
#include "members/memberrecord.h"
#include "members/membersheet.h"
#include "output/report.h"
#include "storage/record.h"

#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Report;

namespace {

constexpr double Dpi = 300;
double pxToMm(double px) { return px / Dpi * 25.4; }
int mmToPx(double millimetres) { return qRound(millimetres / 25.4 * Dpi); }

bool isColour(QRgb p, QColor c, int tol = 40)
{
    return qAbs(qRed(p) - c.red()) < tol && qAbs(qGreen(p) - c.green()) < tol && qAbs(qBlue(p) - c.blue()) < tol;
}
bool isInk(QRgb p) { return qGray(p) < 160; }

// First pixel of colour `c` along a row (or column) from `from` in steps of +-1; -1 when none.
int scanRow(const QImage& img, int y, int from, int step, QColor c)
{
    for (int x = from; x >= 0 && x < img.width(); x += step)
        if (isColour(img.pixel(x, y), c))
            return x;
    return -1;
}
int scanColumn(const QImage& img, int x, int from, int step, QColor c)
{
    for (int y = from; y >= 0 && y < img.height(); y += step)
        if (isColour(img.pixel(x, y), c))
            return y;
    return -1;
}

Template blankA4()
{
    Template t;
    t.page.leftMargin = t.page.topMargin = 10;
    return t;
}

Record member()
{
    Record r(members::recordLayout());
    r.setText(u"Tesserato", u"  Rossi Mario ");
    r.setText(u"ComuneNasc", u"Pavia");
    r.setText(u"ProvNasc", u"PV");
    r.setText(u"ComuneRes", u"Milano");
    r.setText(u"ProvRes", u"MI");
    r.setText(u"Note", u"nota");
    return r;
}

QStringList textsOf(const PreparedPage& page)
{
    QStringList out;
    for (const Primitive& p : page.items)
        if (p.kind == Primitive::Text)
            out << p.text;
    return out;
}

const QColor Teal(0, 128, 128), DarkOrange(255, 140, 0), SlateGrey(112, 128, 144);

}  // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void init() { Clock::set(QDateTime(QDate(2025, 3, 7), QTime(9, 41, 5))); }
    void cleanup() { Clock::set({}); }

    // Edges of coloured boxes, measured on the page, against the table (+ 10 mm margins).
    void boxEdgesOnImageAndPdf_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::newRow("image") << false;
        QTest::newRow("pdf") << true;
    }
    void boxEdgesOnImageAndPdf()
    {
        QFETCH(bool, pdf);
        Template sheet = MemberSheet::design();
        MemberSheet::fill(sheet, member());
        const Prepared prepared = sheet.prepare();
        QCOMPARE(prepared.pages.size(), 1);
        QImage img;
        if (!pdf) {
            img = renderPage(prepared.pages.first(), Dpi);
        } else {
            if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
                QSKIP("pdftoppm not installed");
            QTemporaryDir dir;
            const QString file = dir.filePath(QStringLiteral("scheda.pdf"));
            QVERIFY(writePdf(prepared, file));
            QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                                       {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                                        QStringLiteral("-singlefile"), file, dir.filePath(QStringLiteral("p"))}),
                     0);
            img.load(dir.filePath(QStringLiteral("p.png")));
        }
        QVERIFY(qAbs(img.width() - mmToPx(210)) <= 1);
        QVERIFY(qAbs(img.height() - mmToPx(297)) <= 1);

        struct Edge {
            const char* what;
            double expectedMm;
            double measuredMm;
        };
        const int row1 = mmToPx(10 + 24 + 3);
        const QList<Edge> edges = {
            {"titCampo01 left", 13, pxToMm(scanRow(img, row1, 0, 1, Teal))},
            {"titCampo01 right", 65, pxToMm(scanRow(img, row1, mmToPx(100), -1, Teal) + 1)},
            {"titCampo01 top", 34, pxToMm(scanColumn(img, mmToPx(20), 0, 1, Teal))},
            {"titCampo24 bottom", 270, pxToMm(scanColumn(img, mmToPx(20), img.height() - 1, -1, Teal) + 1)},
            {"txtTitolo left", 33, pxToMm(scanRow(img, mmToPx(14), 0, 1, DarkOrange))},
            {"txtTitolo right", 198, pxToMm(scanRow(img, mmToPx(14), img.width() - 1, -1, DarkOrange) + 1)},
            {"txtTitolo top", 13, pxToMm(scanColumn(img, mmToPx(40), 0, 1, DarkOrange))},
            {"txtCalce bottom", 285, pxToMm(scanColumn(img, mmToPx(14), img.height() - 1, -1, DarkOrange) + 1)},
        };
        for (const Edge& e : edges)
            QVERIFY2(qAbs(e.measuredMm - e.expectedMm) <= 0.2,
                     qPrintable(QStringLiteral("%1: %2 mm instead of %3").arg(QLatin1String(e.what)).arg(e.measuredMm).arg(e.expectedMm)));
    }

    void textClippedAtBoxWithoutWrapAndWrappedWithin()
    {
        Template t = blankA4();
        Object box = textBox(QStringLiteral("txt"), 10, 10, 40, 12, QString(50, QLatin1Char('M')),
                             QStringLiteral("Arial"), 10);
        box.wordWrap = false;
        t.add(box);
        Object wrapped = textBox(QStringLiteral("wrap"), 10, 40, 40, 9,
                                 QStringLiteral("parola ").repeated(40), QStringLiteral("Arial"), 10);
        t.add(wrapped);
        const QImage img = renderPage(t.prepare().pages.first(), Dpi);

        auto inkIn = [&](double l, double tp, double r, double b) {
            int n = 0;
            for (int y = mmToPx(tp); y < mmToPx(b); ++y)
                for (int x = mmToPx(l); x < mmToPx(r); ++x)
                    n += isInk(img.pixel(x, y));
            return n;
        };
        // Paper (20, 20) is the box's corner; the box ends at 60 mm.
        QVERIFY(inkIn(50, 20, 60, 32) > 0);
        QCOMPARE(inkIn(60, 18, 120, 34), 0);
        // Wrapped: a second line within the 9 mm box, nothing below it or to its right.
        QVERIFY(inkIn(20, 55, 60, 59) > 0);
        QCOMPARE(inkIn(20, 59.1, 120, 80), 0);
        QCOMPARE(inkIn(60.2, 50, 120, 59), 0);
    }

    void pictureScaledIntoBoxKeepingProportions_data()
    {
        QTest::addColumn<QSize>("imageSize");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<QRectF>("expectedMm");  // on paper, box at (20, 20) 40 x 40
        QTest::newRow("larger, centred") << QSize(2000, 1000) << true << QRectF(20, 30, 40, 20);
        QTest::newRow("smaller, centred") << QSize(20, 40) << true << QRectF(30, 20, 20, 40);
        QTest::newRow("top-left") << QSize(200, 100) << false << QRectF(20, 20, 40, 20);
    }
    void pictureScaledIntoBoxKeepingProportions()
    {
        QFETCH(QSize, imageSize);
        QFETCH(bool, centred);
        QFETCH(QRectF, expectedMm);
        QImage red(imageSize, QImage::Format_RGB32);
        red.fill(Qt::red);
        Template t = blankA4();
        t.add(picture(QStringLiteral("img"), 10, 10, 40, 40, centred)).setPicture(red);
        const QImage img = renderPage(t.prepare().pages.first(), Dpi);
        const int midY = mmToPx(expectedMm.center().y()), midX = mmToPx(expectedMm.center().x());
        const QRectF found(QPointF(pxToMm(scanRow(img, midY, 0, 1, Qt::red)),
                                   pxToMm(scanColumn(img, midX, 0, 1, Qt::red))),
                           QPointF(pxToMm(scanRow(img, midY, img.width() - 1, -1, Qt::red) + 1),
                                   pxToMm(scanColumn(img, midX, img.height() - 1, -1, Qt::red) + 1)));
        for (auto [a, b] : {std::pair{found.left(), expectedMm.left()}, {found.top(), expectedMm.top()},
                            {found.right(), expectedMm.right()}, {found.bottom(), expectedMm.bottom()}})
            QVERIFY2(qAbs(a - b) <= 0.2, qPrintable(QStringLiteral("%1 instead of %2").arg(a).arg(b)));

        // An empty picture leaves the box blank.
        t.object(QStringLiteral("img")).setPicture(QImage());
        const QImage blank = renderPage(t.prepare().pages.first(), 100);
        for (int y = 0; y < blank.height(); y += 4)
            for (int x = 0; x < blank.width(); x += 4)
                QVERIFY(blank.pixel(x, y) == qRgb(255, 255, 255));
    }

    void landscapeSwapsThePaperOnce()
    {
        Template t = blankA4();
        t.add(rectangle(QStringLiteral("r"), 0, 0, 10, 10, Qt::blue));
        t.page.setOrientation(Orientation::Landscape);
        QCOMPARE(t.page.sizeMm(), QSizeF(297, 210));
        t.page.setOrientation(Orientation::Landscape);
        QCOMPARE(t.page.sizeMm(), QSizeF(297, 210));
        const QImage img = renderPage(t.prepare().pages.first(), Dpi);
        QCOMPARE(img.size(), QSize(mmToPx(297), mmToPx(210)));
        t.page.setOrientation(Orientation::Portrait);
        QCOMPARE(t.prepare().pages.first().paperMm, QSizeF(210, 297));
    }

    void marginsMoveEverything()
    {
        Template t = blankA4();
        t.add(rectangle(QStringLiteral("r"), 5, 5, 10, 10, Qt::blue));
        t.page.setTopMargin(-2.5);
        t.page.setLeftMargin(20.5);
        const QImage img = renderPage(t.prepare().pages.first(), Dpi);
        QVERIFY(qAbs(pxToMm(scanRow(img, mmToPx(5), 0, 1, Qt::blue)) - 25.5) <= 0.2);
        QVERIFY(qAbs(pxToMm(scanColumn(img, mmToPx(30), 0, 1, Qt::blue)) - 2.5) <= 0.2);
    }

    void dateExpressionOnlyWhenOn()
    {
        Template t = blankA4();
        t.add(textBox(QStringLiteral("a"), 0, 0, 100, 10, QStringLiteral("del [DATE]"), QStringLiteral("Arial"), 10));
        Object off = textBox(QStringLiteral("b"), 0, 20, 100, 10, QStringLiteral("del [DATE]"), QStringLiteral("Arial"), 10);
        off.expressions = false;
        t.add(off);
        QCOMPARE(textsOf(t.prepare().pages.first()), QStringList({"del 07/03/2025", "del [DATE]"}));
    }

    void unknownNameIsAnError()
    {
        Template t = listLayout(QStringLiteral("x"), {});
        QVERIFY_THROWS_EXCEPTION(Report::Error, t.object(QStringLiteral("txtNessuno")));
        QVERIFY_THROWS_EXCEPTION(Report::Error, t.band(QStringLiteral("Nessuna")));
    }

    void longListFlowsOverPagesWithOneTitleAndOneFooter()
    {
        QStringList lines;
        for (int i = 1; i <= 200; ++i)
            lines << QStringLiteral("Riga %1").arg(i, 3, 10, QLatin1Char('0'));
        const Template t = listLayout(QStringLiteral("Elenco soci"), lines);
        QCOMPARE(t.object(QStringLiteral("txtRiepilogo")).box.height(), 200 * ListLinePitch);
        const Prepared p = t.prepare();
        QVERIFY(p.pages.size() >= 4);

        QStringList all;
        int titles = 0, footers = 0;
        for (int i = 0; i < p.pages.size(); ++i) {
            const QStringList texts = textsOf(p.pages.at(i));
            titles += texts.count(QStringLiteral("Elenco soci"));
            footers += texts.count(QStringLiteral("Stampa eseguita in data 07/03/2025"));
            if (i == 0)
                QCOMPARE(texts.first(), QStringLiteral("Elenco soci"));
            for (const QString& s : texts)
                if (s.startsWith(QLatin1String("Riga")))
                    all << s;
            // Nothing leaves the printable area (10 mm margins).
            for (const Primitive& prim : p.pages.at(i).items)
                QVERIFY(prim.rect.bottom() <= mm(200) + 0.01);
        }
        QCOMPARE(titles, 1);
        QCOMPARE(footers, 1);
        QCOMPARE(all, lines);
        // The footer follows the last line, on the last page.
        const QList<Primitive>& last = p.pages.last().items;
        double lastLine = 0, footer = 0;
        for (const Primitive& prim : last) {
            if (prim.text == QLatin1String("Riga 200"))
                lastLine = prim.rect.bottom();
            if (prim.text.startsWith(QLatin1String("Stampa")))
                footer = prim.rect.top();
        }
        QVERIFY(lastLine > 0 && footer > lastLine);
    }

    void emptyListShowsTitleAndFooterOnly()
    {
        Template t = listLayout(QStringLiteral("Vuoto"), {});
        QCOMPARE(t.band(QStringLiteral("MasterData")).height, 10.0);
        const Prepared p = t.prepare();
        QCOMPARE(p.pages.size(), 1);
        QCOMPARE(textsOf(p.pages.first()), QStringList({"Vuoto", "Stampa eseguita in data 07/03/2025"}));
        // Title band 8 mm, data 10 units, then the footer's box 2 mm lower.
        const QImage img = renderPage(p.pages.first(), Dpi);
        const double footerTop = pxToMm(scanColumn(img, mmToPx(30), mmToPx(20), 1, SlateGrey));
        QVERIFY(qAbs(footerTop - (10 + 8 + toMm(10) + 2)) <= 0.2);
    }

    void memberSheetRows()
    {
        Template sheet = MemberSheet::design();
        MemberSheet::fill(sheet, member());
        QCOMPARE(sheet.object(QStringLiteral("txtTitolo")).text, QStringLiteral("SCHEDA ANAGRAFICA SOCIO"));
        QCOMPARE(sheet.object(QStringLiteral("titCampo01")).text, QStringLiteral("Cognome e nome:"));
        QCOMPARE(sheet.object(QStringLiteral("txtCampo01")).text, QStringLiteral("Rossi Mario"));
        QCOMPARE(sheet.object(QStringLiteral("txtCampo07")).text, QStringLiteral("Pavia PV"));
        QCOMPARE(sheet.object(QStringLiteral("txtCampo08")).text, QStringLiteral("Milano  MI"));
        QCOMPARE(sheet.object(QStringLiteral("titCampo18")).text, QStringLiteral("Codice Fiscale:"));
        QCOMPARE(sheet.object(QStringLiteral("titCampo24")).text, QStringLiteral("Note:"));
        QCOMPARE(sheet.object(QStringLiteral("txtCampo24")).text, QStringLiteral("nota"));
        QCOMPARE(sheet.object(QStringLiteral("txtCampo02")).text, QString());  // empty prints empty
        QVERIFY(sheet.object(QStringLiteral("txtCalce")).text.startsWith(
            QLatin1String("Stampa eseguita in data 07/03/2025 alle ore 09")));
        const QStringList texts = textsOf(sheet.prepare().pages.first());
        QVERIFY(!texts.join(QLatin1Char(' ')).contains(QLatin1String("Campo")));

        // A value longer than its box is cut at the box's right edge (10 + 60 + 128 mm).
        Record r = member();
        r.setText(u"Note", QString(250, QLatin1Char('W')));
        sheet.page.setOrientation(Orientation::Landscape);  // reset by fill
        MemberSheet::fill(sheet, r);
        QCOMPARE(sheet.page.sizeMm(), QSizeF(210, 297));
        const QImage img = renderPage(sheet.prepare().pages.first(), Dpi);
        const int y = mmToPx(10 + 24 + 230 + 3);
        int rightmost = -1;
        for (int x = 0; x < img.width(); ++x)
            if (isInk(img.pixel(x, y)))
                rightmost = x;
        QVERIFY(rightmost > mmToPx(190));
        QVERIFY(pxToMm(rightmost) <= 198.05);
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
