// The deadline sheet: what each row prints from a record, the title, the
// footer with the clock's date and time, and the page as drawn.

#include "app/dates.h"
#include "deadlines/deadlinesheet.h"
#include "deadlines/deadlinesfixture.h"
#include "testsupport.h"

#include <QTest>

using namespace Report;

namespace {

constexpr double Dpi = 254;  // 10 pixels per millimetre
int px(double millimetres) { return qRound(millimetres * 10); }

bool isTeal(QRgb p) { return qAbs(qRed(p) - 0) < 40 && qAbs(qGreen(p) - 0x80) < 40 && qAbs(qBlue(p) - 0x80) < 40; }
bool isInk(QRgb p) { return qGray(p) < 128 && !isTeal(p); }

QString value(const Template& sheet, int k)
{
    return sheet.object(QStringLiteral("txtCampo%1").arg(k, 2, 10, QLatin1Char('0'))).text;
}
QString label(const Template& sheet, int k)
{
    return sheet.object(QStringLiteral("titCampo%1").arg(k, 2, 10, QLatin1Char('0'))).text;
}

}  // namespace

class TestDeadlineSheet : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::set(QDateTime(QDate(2025, 3, 7), QTime(14, 5, 9))); }
    void cleanup() { Clock::set({}); }

    void rowsFromRecord()
    {
        Record r = deadlineRecord("05/03/2025", "09:30",
                                  {{"Avviso", "3"}, {"Pagatore", "Rossi Mario"}, {"Officina", "Bonifico"},
                                   {"Costo", "12,50"}, {"Note", "nota"}});
        r.setFlag(u"DaConfermare", true);
        Template sheet = DeadlineSheet::design();
        sheet.page.setOrientation(Orientation::Landscape);  // fill sets portrait
        DeadlineSheet::fill(sheet, r);
        QCOMPARE(sheet.page.sizeMm(), QSizeF(210, 297));
        QCOMPARE(sheet.object(QStringLiteral("txtTitolo")).text, QStringLiteral("SCHEDA SCADENZA PAGAMENTO"));
        QCOMPARE(sheet.object(QStringLiteral("txtCalce")).text,
                 QStringLiteral("Stampa eseguita in data 07/03/2025 alle ore 14:05:09"));
        const QList<std::tuple<int, QString, QString>> expected = {
            {1, "Data scadenza:", "05 Marzo 2025"},
            {2, "Ora appuntamento:", "09:30"},
            {3, "Giorni preavviso:", "3"},
            {4, "Pagatore:", "Rossi Mario"},
            {6, "Numero tessera:", ""},
            {15, "Modalit\u00E0 di pagamento:", "Bonifico"},
            {16, "Importo in euro:", "12,50"},
            {18, "Note:", "nota"},
            {19, "Appuntamento da confermare:", "S\u00EC"},
            {20, "Pagamento effettuato:", "No"},
            {21, " ", " "},
            {24, " ", " "},
        };
        for (const auto& [k, l, v] : expected) {
            QCOMPARE(label(sheet, k), l);
            QCOMPARE(value(sheet, k), v);
        }
        QCOMPARE(sheet.previewButtons, StandardPreview | PreviewThumbnails | PreviewPageNavigation);
    }

    // A damaged flag leaves the screen's box unticked; row 01 takes its year
    // from Anno, and an empty day and month leave two blanks before it.
    void damagedFlagsAndEmptyDate()
    {
        QByteArray raw = deadlineRecord("05/03/2025", "09:30", {{"Giorno", ""}, {"Mese", ""}, {"Anno", "2026"}}).bytes();
        place(raw, deadlines::recordLayout().field(u"DaConfermare").offset, bytes({0x02, 's', 0xEC}));
        place(raw, deadlines::recordLayout().field(u"Effettuata").offset, bytes({0x00, 0x00, 0x00}));
        const QList<InfoSheet::Row> rows = DeadlineSheet::rows(Record(deadlines::recordLayout(), raw));
        QCOMPARE(rows.size(), 24);
        QCOMPARE(rows.at(0).value, QStringLiteral("  2026"));
        QCOMPARE(rows.at(18).value, QStringLiteral("No"));
        QCOMPARE(rows.at(19).value, QStringLiteral("No"));
    }

    // The page as drawn: the logo, teal labels down to row 24, and a long
    // reason cut at the right edge of its row (10 + 60 + 128 mm).
    void drawnPage()
    {
        const QImage logo = InfoSheet::fixedLogo();
        QVERIFY(!logo.isNull());
        Template sheet = DeadlineSheet::design(logo);
        DeadlineSheet::fill(sheet, deadlineRecord("05/03/2025", "09:30", {{"Dettagli", QString(250, QLatin1Char('W'))}}));
        const Prepared prepared = sheet.prepare();
        QCOMPARE(prepared.pages.size(), 1);
        const QImage img = renderPage(prepared.pages.first(), Dpi);
        QVERIFY(isTeal(img.pixel(px(20), px(10 + 24 + 3))));
        QVERIFY(isTeal(img.pixel(px(20), px(10 + 254 + 3))));
        QVERIFY(!isTeal(img.pixel(px(20), px(10 + 264 + 3))));
        const int y = px(10 + 24 + 130 + 3);  // row 14
        int rightmost = -1;
        for (int x = 0; x < img.width(); ++x)
            if (isInk(img.pixel(x, y)))
                rightmost = x;
        QVERIFY(rightmost > px(190));
        QVERIFY(rightmost / 10.0 <= 198.05);
        int logoInk = 0;
        for (int x = px(13); x < px(30); ++x)
            for (int yy = px(13); yy < px(26); yy += 5)
                logoInk += qGray(img.pixel(x, yy)) < 230;
        QVERIFY(logoInk > 50);
    }
};

QTEST_MAIN(TestDeadlineSheet)
#include "tst_deadlinesheet.moc"
