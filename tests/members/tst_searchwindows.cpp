#include "app/dates.h"
#include "app/ui/frmavvio.h"
#include "app/ui/windows.h"
#include "members/membersearch.h"
#include "members/membersfixture.h"
#include "members/ui/frmanagrafica.h"
#include "members/ui/frmsospesi.h"
#include "members/ui/frmtrovaanagrafica.h"
#include "output/report.h"
#include "output/searchhandback.h"
#include "storage/archiveerror.h"
#include "support/searchwindowtests.h"
#include "support/uidoubles.h"
#include "support/windowtests.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

void pressEnter(QWidget* w)
{
    QTest::keyClick(w, Qt::Key_Return);
}

const QList<MemberFields> Club = {
    {{"Tesserato", "Rossi Carlo"}, {"NumTessera", "12"}, {"DataScade", "31/12/2025"}, {"Recapito", "0612345"},
     {"ComuneRes", "Roma"}},
    {{"Tesserato", "Carlo Ross"}, {"NumTessera", "13"}, {"ComuneRes", "Milano"}},
    {{"Tesserato", "Rossi Anna"}, {"Annullata", "S\u00EC"}},
    {{"Tesserato", "Bianchi Ugo"}, {"NumTessera", "14"}, {"Note", "rossiccio"}},
};

}  // namespace

class TestSearchWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UiDoubles> m_ui;

    static QWidget* focused() { return QApplication::focusWidget(); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        AppDir::set(m_dir->path());
        m_ui = std::make_unique<UiDoubles>();
        Clock::set(QDateTime(QDate(2025, 3, 5), QTime(9, 30)));
    }
    void cleanup()
    {
        m_ui.reset();
        Clock::set({});
    }

    void searchGoesFromCriteriaToResults()
    {
        writeMembers(Club);
        TfrmTrovaAnagrafica dialog;
        QVERIFY(showActive(dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Trova Soci in archivio"));
        QVERIFY(dialog.panAvvio->isVisible());
        QVERIFY(!dialog.panContainer->isVisible());
        QCOMPARE(focused(), dialog.criterion("Tesserato"));

        // Enter walks the ten fields and comes back to the first.
        for (int i = 0; i < 10; ++i)
            pressEnter(focused());
        QCOMPARE(focused(), dialog.criterion("Tesserato"));
        pressEnter(focused());
        QCOMPARE(focused(), dialog.criterion("Carica"));

        shot(&dialog, "trovaanagrafica_criteri");
        QTest::keyClicks(dialog.criterion("Tesserato"), "ROSS");
        QTest::mousePress(dialog.btnCerca, Qt::LeftButton);
        QVERIFY(dialog.lblAttendere->isVisible());
        QCOMPARE(dialog.lblAttendere->text(), QStringLiteral("Ricerca schede in corso. Attendere..."));
        QTest::mouseRelease(dialog.btnCerca, Qt::LeftButton);

        QVERIFY(!dialog.panAvvio->isVisible());
        QVERIFY(dialog.panContainer->isVisible());
        QCOMPARE(dialog.lblConta->text(), QStringLiteral("1"));
        QCOMPARE(dialog.lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 2 schede."));
        QCOMPARE(dialog.model->texts(),
                 (QStringList{members::resultLine(memberRecord(Club.at(0))),
                              members::resultLine(memberRecord(Club.at(1)))}));
        QCOMPARE(dialog.model->data(dialog.model->index(0), Qt::FontRole).value<QFont>().family(),
                 QStringLiteral("Courier New"));
        QCOMPARE(focused(), dialog.txtTrova);
        shot(&dialog, "trovaanagrafica_risultati");

        QTest::mouseClick(dialog.btnChiudi, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.model->rowCount(), 0);
    }

    void archiveFailureKeepsTheCriteriaPage()
    {
        QVERIFY(QDir(m_dir->path()).mkdir(QLatin1String(members::kFileName)));  // a folder where the file should be
        TfrmTrovaAnagrafica dialog;
        dialog.show();
        // "Cerca" from the keyboard: Enter on the focused button, with the
        // waiting notice shown while the search runs.
        bool waitingShown = false;
        connect(dialog.btnCerca, &QPushButton::pressed, this,
                [&] { waitingShown = dialog.lblAttendere->isVisible(); });
        dialog.btnCerca->setFocus();
        QTest::keyClick(dialog.btnCerca, Qt::Key_Return);
        QVERIFY(waitingShown);
        QCOMPARE(m_ui->messages->texts(), QStringList{ArchiveError::userMessage()});
        QCOMPARE(m_ui->messages->shown.first().kind, MessageKind::Information);
        QVERIFY(dialog.panAvvio->isVisible());
        QVERIFY(!dialog.panContainer->isVisible());
        QVERIFY(!dialog.lblAttendere->isVisible());
    }

    void trovaStepsWrapsAndReportsAnEmptyList()
    {
        writeMembers(Club);
        TfrmTrovaAnagrafica dialog;
        dialog.show();
        dialog.criterion("Tesserato")->setText("nessuno");
        QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
        QTest::mouseClick(dialog.btnTrova, Qt::LeftButton);
        QCOMPARE(m_ui->messages->texts(),
                 QStringList{"Ricerca non applicabile: la lista non contiene nessuna voce."});

        dialog.close();
        TfrmTrovaAnagrafica all;
        QVERIFY(showActive(all));
        QTest::mouseClick(all.btnCerca, Qt::LeftButton);
        QCOMPARE(all.model->rowCount(), 3);  // Rossi Carlo, Carlo Ross, Bianchi Ugo (note "rossiccio")
        QTest::keyClicks(all.txtTrova, "ROSSI");
        pressEnter(all.txtTrova);
        QCOMPARE(focused(), all.btnTrova);
        QList<int> visited;
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(all.btnTrova, Qt::LeftButton);
            visited << all.selectedRow();
        }
        QCOMPARE(visited, (QList<int>{0, 2, 0}));
        all.txtTrova->setText("carlo ");
        pressEnter(all.btnTrova);  // Enter on the focused button presses it; a new text starts at the top
        QCOMPARE(all.selectedRow(), 0);  // the blanks padding "Rossi Carlo" follow "Carlo"
        QTest::mouseClick(all.btnTrova, Qt::LeftButton);
        QCOMPARE(all.selectedRow(), 1);
        all.txtTrova->setText("ugo  ");
        QTest::mouseClick(all.btnTrova, Qt::LeftButton);
        QCOMPARE(all.selectedRow(), 2);
        all.txtTrova->setText("nessuno");
        QTest::mouseClick(all.btnTrova, Qt::LeftButton);
        QCOMPARE(all.selectedRow(), 2);  // not found: the selection stays
    }

    void doubleClickHandsBackTheClickedRecordOfIdenticalLines()
    {
        // The same line for two members who differ in a field the line does not show.
        writeMembers({{{"Tesserato", "Neri Paolo"}, {"Carica", "Presidente"}},
                      {{"Tesserato", "Neri Paolo"}, {"Carica", "Tesoriere"}}});
        QList<QPair<int, QString>> got;
        SearchHandBack::registerReceiver(TfrmTrovaAnagrafica::route("prova"), [&got](int position, const Record& r) {
            got.push_back({position, r.text(u"Carica")});
        });
        TfrmTrovaAnagrafica dialog;
        dialog.setCallerKey("prova");
        QVERIFY(showActive(dialog));
        QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
        QCOMPARE(dialog.model->line(0).text, dialog.model->line(1).text);
        doubleClickRow(dialog, 1);
        SearchHandBack::registerReceiver(TfrmTrovaAnagrafica::route("prova"), {});
        QCOMPARE(got, (QList<QPair<int, QString>>{{2, "Tesoriere"}}));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void memberScreenShowsThePickedMember()
    {
        writeMembers(Club);
        createWindows();
        registerMemberSearchReceivers();
        frmAvvio->show();
        QTest::mouseClick(frmAvvio->findChild<QPushButton*>("btnAnagrafica"), Qt::LeftButton);
        QVERIFY(frmAnagrafica->isVisible());

        m_ui->onModal = [](QDialog& d) {
            auto& dialog = static_cast<SearchDialog&>(d);
            if (!showActive(dialog))
                return -1;
            dialog.criterion("NumTessera")->setText("13");
            QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
            doubleClickRow(dialog, 0);
            return dialog.result();
        };
        TfrmTrovaAnagrafica::open(frmAnagrafica, "anagrafica");
        QCOMPARE(m_ui->modals, QStringList{"TfrmTrovaAnagrafica"});
        QCOMPARE(frmAnagrafica->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(frmAnagrafica->field("Tesserato")->text(), QStringLiteral("Carlo Ross"));

        // The renewal list hands back through the same receiver.
        writeMembers({{{"Tesserato", "Futuro"}, {"DataScade", "31/12/2030"}, {"Preavviso", "0"}},
                      {{"Tesserato", "Scaduto"}, {"DataScade", "31/12/2024"}, {"Preavviso", "0"}}});
        m_ui->onModal = pickFirstLine();
        TfrmSospesi::open(frmAnagrafica);
        QCOMPARE(frmAnagrafica->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(frmAnagrafica->field("Tesserato")->text(), QStringLiteral("Scaduto"));
        destroyWindows();
    }

    void renewalListOpensOnTheDueCards()
    {
        writeMembers({
            {{"Tesserato", "Rossi Carlo"}, {"NumTessera", "12"}, {"DataScade", "15/03/2025"}, {"Preavviso", "10"},
             {"Recapito", "0612345"}},
            {{"Tesserato", "Verdi Anna"}, {"NumTessera", "15"}, {"DataScade", "15/03/2025"}, {"Preavviso", "9"}},
            {{"Tesserato", "Bianchi Ugo"}, {"NumTessera", "14"}, {"DataScade", "10/01/2024"}, {"Preavviso", "0"},
             {"Note", "da sollecitare"}},
        });
        TfrmSospesi dialog;
        QVERIFY(showActive(dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Riepilogo tessere in attesa di rinnovo"));
        QVERIFY(!dialog.panAvvio);
        QVERIFY(dialog.panContainer->isVisible());
        QVERIFY(!dialog.lblTrovate->isVisible());
        QCOMPARE(dialog.model->rowCount(), 2);
        QVERIFY(dialog.model->line(0).text.startsWith("Rossi Carlo"));
        QCOMPARE(dialog.model->line(1).position, 3);
        QCOMPARE(dialog.selectedRow(), 0);
        QCOMPARE(focused(), dialog.txtTrova);
        shot(&dialog, "sospesi");
        dialog.txtTrova->setText("sollecitare");
        QTest::mouseClick(dialog.btnTrova, Qt::LeftButton);
        QCOMPARE(dialog.selectedRow(), 1);

        // "Stampa": the title and every line, in list order, through the print dialog.
        QTest::mouseClick(dialog.btnStampa, Qt::LeftButton);
        QCOMPARE(m_ui->printer->dialogs, 1);
        QStringList printed;
        for (const Report::PreparedPage& page : m_ui->printer->pages)
            for (const Report::Primitive& item : page.items)
                if (item.kind == Report::Primitive::Text)
                    printed << item.text;
        QVERIFY(printed.contains("Riepilogo tessere in attesa di rinnovo"));
        const qsizetype first = printed.indexOf(dialog.model->line(0).text);
        const qsizetype second = printed.indexOf(dialog.model->line(1).text);
        QVERIFY2(first >= 0 && second > first, qPrintable(printed.join('|')));
    }
};

QTEST_MAIN(TestSearchWindows)
#include "tst_searchwindows.moc"
