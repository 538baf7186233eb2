// Printing and previewing through the desktop doubles: the print dialog's
// answer, the preview window's buttons, the member sheet.
#include "app/dates.h"
#include "members/memberrecord.h"
#include "members/ui/membersheet.h"
#include "output/ui/frmanteprima.h"
#include "output/ui/listprint.h"
#include "storage/record.h"
#include "support/uidoubles.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QtTest>

namespace {

QStringList lines(int n)
{
    QStringList out;
    for (int i = 1; i <= n; ++i)
        out << QStringLiteral("%1  Socio numero %1").arg(i, 4);
    return out;
}

QStringList textsOf(const QList<Report::PreparedPage>& pages)
{
    QStringList out;
    for (const auto& page : pages)
        for (const auto& p : page.items)
            if (p.kind == Report::Primitive::Text)
                out << p.text;
    return out;
}

// Saves the pictures of printed pages when NORVALIS_SHOTS names a folder.
void shot(const QList<Report::PreparedPage>& pages, const QString& name)
{
    const QString dir = qEnvironmentVariable("NORVALIS_SHOTS");
    for (int i = 0; !dir.isEmpty() && i < pages.size(); ++i)
        Report::renderPage(pages.at(i), 150).save(QDir(dir).filePath(QStringLiteral("%1-%2.png").arg(name).arg(i + 1)));
}

}  // namespace

class TestReportWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { Clock::set(QDateTime(QDate(2025, 3, 7), QTime(9, 41, 5))); }
    void cleanup() { Clock::set({}); }

    void cancelledPrintPrintsAndReportsNothing()
    {
        UiDoubles ui;
        ui.printer->cancel = true;
        ListPrint::print(nullptr, QStringLiteral("Elenco"), lines(10));
        QCOMPARE(ui.printer->dialogs, 1);
        QVERIFY(ui.printer->pages.isEmpty());
        QVERIFY(ui.messages->shown.isEmpty());
        QVERIFY(ui.modals.isEmpty());
    }

    void listPrintsDirectlyOverSeveralPages()
    {
        UiDoubles ui;
        ListPrint::print(nullptr, QStringLiteral("Elenco soci"), lines(60));
        QCOMPARE(ui.printer->reports, QStringList{QStringLiteral("Riepilogo dati")});
        QCOMPARE(ui.printer->pages.size(), 2);
        QCOMPARE(ui.printer->pages.first().paperMm, QSizeF(297, 210));
        const QStringList texts = textsOf(ui.printer->pages);
        QCOMPARE(texts.count(QStringLiteral("Elenco soci")), 1);
        QCOMPARE(texts.last(), QStringLiteral("Stampa eseguita in data 07/03/2025"));
        QVERIFY(ui.modals.isEmpty());
        shot(ui.printer->pages, QStringLiteral("elenco"));
    }

    void memberSheetPreviewOffersItsButtonsAndPrints()
    {
        UiDoubles ui;
        Record member(members::recordLayout());
        member.setText(u"Tesserato", u"Bianchi Anna");
        member.setText(u"ComuneRes", u"Lodi");
        member.setText(u"ProvRes", u"LO");
        bool seen = false;
        ui.onModal = [&](QDialog& dialog) {
            auto* preview = qobject_cast<TfrmAnteprima*>(&dialog);
            if (!preview)
                return int(QDialog::Rejected);
            seen = true;
            preview->show();
            for (const char* name : {"btnStampa", "btnZoom", "btnSchermoIntero", "btnChiudi"})
                [&] { QVERIFY2(preview->findChild<QToolButton*>(QLatin1String(name))->isVisible(), name); }();
            [&] {
                QVERIFY(!preview->findChild<QToolButton*>(QStringLiteral("btnPrima")));
                QVERIFY(!preview->findChild<QListWidget*>(QStringLiteral("lstMiniature")));
                QCOMPARE(preview->report().pages.size(), 1);
                preview->setZoom(TfrmAnteprima::Zoom::Percent, 150);
                QCOMPARE(preview->zoomPercent(), 150);
            }();
            QTest::mouseClick(preview->btnStampa, Qt::LeftButton);
            preview->btnChiudi->click();
            return preview->result();
        };
        previewMemberSheet(nullptr, member);
        QVERIFY(seen);
        QCOMPARE(ui.modals, QStringList{QStringLiteral("TfrmAnteprima")});
        QCOMPARE(ui.printer->pages.size(), 1);
        const QStringList texts = textsOf(ui.printer->pages);
        QVERIFY(texts.contains(QStringLiteral("SCHEDA ANAGRAFICA SOCIO")));
        QVERIFY(texts.contains(QStringLiteral("Lodi  LO")));
        shot(ui.printer->pages, QStringLiteral("scheda"));

        // Printing without preview: the same page straight to the print dialog.
        ui.printer->pages.clear();
        printMemberSheet(nullptr, member);
        QCOMPARE(ui.printer->dialogs, 2);
        QCOMPARE(ui.printer->pages.size(), 1);
        QCOMPARE(ui.modals.size(), 1);
    }

    void previewWithNavigationMovesBetweenPages()
    {
        UiDoubles ui;
        ui.onModal = [&](QDialog& dialog) {
            auto* preview = qobject_cast<TfrmAnteprima*>(&dialog);
            preview->show();
            [&] {
                QVERIFY(preview->btnUltima && preview->lstMiniature);
                QCOMPARE(preview->lstMiniature->count(), int(preview->report().pages.size()));
                preview->btnUltima->click();
                QCOMPARE(preview->currentPage(), int(preview->report().pages.size()) - 1);
                QVERIFY(!preview->btnSuccessiva->isEnabled());
                preview->btnPrima->click();
                QCOMPARE(preview->currentPage(), 0);
                QCOMPARE(preview->lblPagina->text(),
                         QStringLiteral("Pagina 1 di %1").arg(preview->report().pages.size()));
            }();
            return int(QDialog::Accepted);
        };
        ListPrint::preview(nullptr, QStringLiteral("Elenco"), lines(200));
        QCOMPARE(ui.modals, QStringList{QStringLiteral("TfrmAnteprima")});
    }
};

QTEST_MAIN(TestReportWindows)
#include "tst_reportwindows.moc"
