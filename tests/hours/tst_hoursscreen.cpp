// The service-hours screen and its dialogs on real widgets: the fields, the
// Enter chain and highlights, save, duplicate, browse, attachments, the
// search with its hand-back to each caller, the export grid and the print.

#include "app/dates.h"
#include "app/ui/browsecontroller.h"
#include "app/ui/formkit.h"
#include "app/ui/frmavvio.h"
#include "app/ui/frmguida.h"
#include "hours/hoursfixture.h"
#include "hours/ui/frmexporari.h"
#include "hours/ui/frmorari.h"
#include "hours/ui/frmstampaorario.h"
#include "hours/ui/frmtrovaorari.h"
#include "members/ui/frmallegacartella.h"
#include "output/ui/exportflow.h"
#include "support/programwindows.h"
#include "support/searchwindowtests.h"
#include "support/windowtests.h"
#include "testsupport.h"

#include <QLabel>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace {

const QString Inserted = QString::fromUtf8("La scheda corrente è stata inserita in archivio.");
const QString Changed = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

QString slot(const char* stem, int k)
{
    return QLatin1String(stem) + QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
}

// A shift screen as far as an imported template needs it: a window of that
// name with edit fields for every field of a template.
struct ShiftScreenStandIn {
    QWidget window;
    explicit ShiftScreenStandIn(const char* name)
    {
        window.setObjectName(QLatin1String(name));
        for (const QString& field : hours::recordLayout().fieldNames())
            (new QLineEdit(QStringLiteral("prima"), &window))->setObjectName(QStringLiteral("txt") + field);
    }
    QString text(const QString& field) const { return window.findChild<QLineEdit*>("txt" + field)->text(); }
};

}  // namespace

class TestHoursScreen : public ProgramWindowsTest {
    Q_OBJECT

    TfrmOrari* screen() const { return frmOrari; }
    QLineEdit* field(const QString& name) const { return frmOrari->field(name); }
    QString holder(const char* name) const { return frmOrari->findChild<QLabel*>(QLatin1String(name))->text(); }
    void click(const char* name) { ProgramWindowsTest::click(screen(), name); }
    void openFromMenu() { openArea("btnRegistro", screen()); }

private slots:
    void init()
    {
        Clock::set(QDateTime(QDate(2025, 3, 7), QTime(14, 5, 9)));
        ProgramWindowsTest::init();
    }

    void opensEmptyFromTheMenuAndReturnsToIt()
    {
        writeHours({{{"Nome", "Esistente"}}});
        openFromMenu();
        QCOMPARE(screen()->windowTitle(), QStringLiteral(" Norvalis 2.0 - Impostazione Orari"));
        QCOMPARE(screen()->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        QVERIFY(field("Nome")->hasFocus());
        QVERIFY(screen()->lblPosizione->text().isEmpty());
        const QList<std::pair<QString, int>> lengths{{"Nome", 50}, {"Periodo", 50}, {"Sede", 50}, {"Disposizioni", 250},
                                                     {"Inizio01", 5}, {"Fine12", 5}, {"Attivita07", 120},
                                                     {"Annotazioni", 250}};
        for (const auto& [name, length] : lengths)
            QCOMPARE(field(name)->maxLength(), length);
        shot(screen(), "orari");

        // Browsed or typed, the next opening starts empty again.
        click("cmdUltimo");
        QCOMPARE(field("Nome")->text(), QStringLiteral("Esistente"));
        click("btnEsci");
        QVERIFY(!screen()->isVisible());
        QVERIFY(frmAvvio->isVisible());
        openFromMenu();
        QVERIFY(field("Nome")->text().isEmpty());
        QVERIFY(screen()->lblPosizione->text().isEmpty());
    }

    // Enter walks name, period, site, instructions, then each slot's start,
    // end and activity, then the notes, and back to the name. Only the first
    // four show a highlight.
    void enterChainAndHighlights()
    {
        openFromMenu();
        QStringList walked;
        QStringList highlighted;
        for (int i = 0; i < 42; ++i) {
            auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(focused);
            walked << focused->objectName().mid(3);
            for (QWidget* eff : screen()->findChildren<QWidget*>(QRegularExpression("^eff")))
                if (eff->isVisible())
                    highlighted << eff->objectName();
            QTest::keyClick(focused, Qt::Key_Return);
        }
        QStringList expected{"Nome", "Periodo", "Sede", "Disposizioni"};
        for (int k = 1; k <= 12; ++k)
            expected << slot("Inizio", k) << slot("Fine", k) << slot("Attivita", k);
        expected << "Annotazioni" << "Nome";
        QCOMPARE(walked, expected);
        QCOMPARE(highlighted, (QStringList{"effNome", "effPeriodo", "effSede", "effDisposizioni", "effNome"}));
        QCOMPARE(screen()->findChildren<QWidget*>(QRegularExpression("^eff")).size(), 4);
    }

    void hints()
    {
        auto* hints = screen()->findChild<HintBar*>();
        QVERIFY(hints);
        const std::pair<const char*, const char*> some[] = {
            {"btnNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
            {"btnDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
            {"btnAllega", "Allega file alla scheda corrente."},
            {"btnGuida", "Visualizza la guida in linea."},
            {"btnEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
            {"btnEsci", "Esci da questa schermata di lavoro."},
            {"cmdUltimo", "Visualizza l'ultima scheda in archivio."}};
        for (const auto& [name, hint] : some)
            QCOMPARE(hints->hintFor(screen()->findChild<QWidget*>(name)), QString::fromUtf8(hint));
        QVERIFY(hints->hintFor(field("Nome")).isEmpty());

        // The mouse over a section frame empties the bar.
        openFromMenu();
        QTest::mouseMove(screen()->findChild<QWidget*>("btnSalva"));
        QCOMPARE(screen()->panInfo->text(), QStringLiteral("Salva la scheda corrente in archivio."));
        QWidget* frame = field("Inizio05")->parentWidget();
        const QPoint at = frame->mapTo(screen(), QPoint(frame->width() - 4, frame->height() - 4));
        QMouseEvent move(QEvent::MouseMove, at, screen()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(screen(), &move);
        QVERIFY(screen()->panInfo->text().isEmpty());
    }

    // Only the name is needed; blanks are no name. A second save overwrites.
    void saveNeedsOnlyTheName()
    {
        openFromMenu();
        field("Periodo")->setText("Estate");
        for (const QString& name : {QString(), QStringLiteral("   ")}) {
            field("Nome")->setText(name);
            field("Periodo")->setFocus();
            click("btnSalva");
            QCOMPARE(lastMessage(), QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il nome "
                                                      "identificativo della tabella dei turni."));
            QCOMPARE(m_ui->messages->shown.last().kind, MessageKind::Warning);
            QVERIFY(field("Nome")->hasFocus());
            QCOMPARE(hoursArchive().count(), 0);
        }
        field("Nome")->setText("  Solo il nome ");
        field("Periodo")->clear();
        field("Inizio03")->setText("boh");  // times are free text
        click("btnSalva");
        QCOMPARE(lastMessage(), Inserted);
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("1"));
        field("Annotazioni")->setText("aggiunta");
        click("btnSalva");
        QCOMPARE(lastMessage(), Changed);
        QCOMPARE(hoursArchive().count(), 1);
        const Record saved = hoursArchive().read(1);
        QCOMPARE(saved.text(u"Nome"), QStringLiteral("Solo il nome"));
        QCOMPARE(saved.text(u"Inizio03"), QStringLiteral("boh"));
        QCOMPARE(saved.text(u"Annotazioni"), QStringLiteral("aggiunta"));
        QCOMPARE(saved.text(u"Attivita01"), QString());

        click("btnNuovo");
        QVERIFY(field("Nome")->text().isEmpty() && field("Inizio03")->text().isEmpty());
        QVERIFY(screen()->lblPosizione->text().isEmpty());
        QVERIFY(field("Nome")->hasFocus());
    }

    // The copy has no attachments; the stored original keeps its own.
    void duplicate()
    {
        openFromMenu();
        field("Nome")->setText("Da copiare");
        click("btnDuplica");
        QCOMPARE(lastMessage(), QString::fromUtf8("Attenzione: la duplicazione di una scheda può avvenire soltanto "
                                                  "dopo che questa è stata inserita in archivio."));
        QCOMPARE(field("Nome")->text(), QStringLiteral("Da copiare"));

        writeHours({{{"Nome", "Con allegati"}, {"Attivita01", "Sportello"}, {"File01", "a.pdf"}, {"Desc01", "uno"},
                     {"File03", "c.doc"}, {"Desc03", "tre"}}});
        click("cmdPrimo");
        QCOMPARE(holder("lblFile01"), QStringLiteral("a.pdf"));
        QCOMPARE(screen()->lblAllegati->text(), QStringLiteral("a.pdf (uno), c.doc (tre)"));
        click("btnDuplica");
        QCOMPARE(lastMessage(), QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente."
                                               "\n\r\n\rAl termine premere Salva per inserire la scheda in archivio."));
        QCOMPARE(m_ui->messages->shown.last().kind, MessageKind::Information);
        QVERIFY(screen()->lblPosizione->text().isEmpty());
        for (const char* name : {"lblFile01", "lblFile03", "lblDesc01", "lblDesc03"})
            QVERIFY2(holder(name).isEmpty(), name);
        QCOMPARE(screen()->lblAllegati->text(), QStringLiteral("nessun file allegato"));
        QCOMPARE(field("Attivita01")->text(), QStringLiteral("Sportello"));
        QVERIFY(field("Nome")->hasFocus());
        field("Nome")->setText("Copia");
        click("btnSalva");
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("2"));
        const Record original = hoursArchive().read(1);
        const Record copy = hoursArchive().read(2);
        QCOMPARE(original.text(u"File01"), QStringLiteral("a.pdf"));
        QCOMPARE(original.text(u"Desc03"), QStringLiteral("tre"));
        QCOMPARE(copy.text(u"File01"), QString());
        QCOMPARE(copy.text(u"Desc03"), QString());
        QCOMPARE(copy.text(u"Attivita01"), QStringLiteral("Sportello"));
    }

    // The attachments dialog gets the holders and gives them back; the next save stores them.
    void attachments()
    {
        writeHours({{{"Nome", "Turno"}, {"File02", "b.pdf"}, {"Desc02", "vecchio"}}});
        openFromMenu();
        click("cmdPrimo");
        m_ui->onModal = [](QDialog& d) {
            auto& dialog = static_cast<TfrmAllegaCartella&>(d);
            [&] { QCOMPARE(dialog.lblMemory->text(), QStringLiteral("orari")); }();
            [&] { QCOMPARE(dialog.txtFile02->text(), QStringLiteral("b.pdf")); }();
            dialog.txtDesc02->setText(" nuovo ");
            dialog.txtDesc01->setText("solo descrizione");
            dialog.btnApplica->click();
            return dialog.result();
        };
        click("btnAllega");
        QCOMPARE(m_ui->modals, QStringList{"TfrmAllegaCartella"});
        QCOMPARE(holder("lblDesc02"), QStringLiteral("nuovo"));
        QCOMPARE(screen()->lblAllegati->text(), QStringLiteral("b.pdf (nuovo)"));
        QCOMPARE(hoursArchive().read(1).text(u"Desc02"), QStringLiteral("vecchio"));
        click("btnSalva");
        QCOMPARE(hoursArchive().read(1).text(u"Desc02"), QStringLiteral("nuovo"));
        QCOMPARE(hoursArchive().read(1).text(u"Desc01"), QStringLiteral("solo descrizione"));
        QCOMPARE(hoursArchive().read(1).text(u"File02"), QStringLiteral("b.pdf"));
    }

    // The search's two pages: an activity filter looks in its own slot only;
    // a double-click shows the template on the screen as if browsed to,
    // attachments and position included, the later of two equal lines.
    void searchHandsTheTemplateToTheScreen()
    {
        writeHours({{{"Nome", "Uguale"}, {"Attivita02", "Sportello"}, {"File01", "primo.pdf"}},
                    {{"Nome", "Altro"}, {"Attivita03", "Sportello"}},
                    {{"Nome", "Uguale"}, {"Attivita02", "Sportello pomeriggio"}, {"File01", "secondo.pdf"},
                     {"Desc01", "ultimo"}}});
        openFromMenu();
        QStringList lines;
        QString count;
        QString focused;
        m_ui->onModal = driveSearch([&](SearchDialog& dialog) {
            focused = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
            QCOMPARE(dialog.windowTitle(), QStringLiteral(" Trova orari di lavoro in archivio"));
            QCOMPARE(dialog.callerKey(), QStringLiteral("orari"));
            shot(&dialog, "trovaorari_filtri");
            dialog.criterion("Attivita02")->setText("sportello");
            QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
            shot(&dialog, "trovaorari_risultati");
            lines = dialog.model->texts();
            count = dialog.lblTrovate->text();
            doubleClickRow(dialog, 0);
        });
        click("btnTrova");
        QCOMPARE(m_ui->modals, QStringList{"TfrmTrovaOrari"});
        QCOMPARE(focused, QStringLiteral("txtNome"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(count, QStringLiteral("Il presente riepilogo contiene 2 schede."));
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("3"));
        QCOMPARE(field("Attivita02")->text(), QStringLiteral("Sportello pomeriggio"));
        QCOMPARE(holder("lblFile01"), QStringLiteral("secondo.pdf"));
        QCOMPARE(holder("lblDesc01"), QStringLiteral("ultimo"));
        // It is the current record now: a save overwrites it.
        field("Annotazioni")->setText("rivista");
        click("btnSalva");
        QCOMPARE(lastMessage(), Changed);
        QCOMPARE(hoursArchive().count(), 3);
        QCOMPARE(hoursArchive().read(3).text(u"Annotazioni"), QStringLiteral("rivista"));
    }

    void searchFiltersEnterChainAndPrint()
    {
        writeHours({{{"Nome", "Turno A"}}, {{"Nome", "Turno B"}}});
        TfrmTrovaOrari dialog;
        dialog.setCallerKey("orari");
        QVERIFY(showActive(dialog));
        const QStringList labels{"Nome tabella turni:",     "Periodo validità:",       "Sede operativa:",
                                 "Disposizioni organizzative:", "Attività da svolgere 1:", "Attività da svolgere 2:",
                                 "Attività da svolgere 3:", "Attività da svolgere 4:", "Attività da svolgere 5:",
                                 "Annotazioni:"};
        QStringList chain;
        for (int i = 0; i < 11; ++i) {
            QWidget* w = QApplication::focusWidget();
            chain << w->objectName();
            QTest::keyClick(w, Qt::Key_Return);
        }
        QCOMPARE(chain, (QStringList{"txtNome", "txtPeriodo", "txtSede", "txtDisposizioni", "txtAttivita01",
                                     "txtAttivita02", "txtAttivita03", "txtAttivita04", "txtAttivita05",
                                     "txtAnnotazioni", "txtNome"}));
        QStringList shown;
        for (const QLabel* l : dialog.panAvvio->findChildren<QLabel*>())
            shown << l->text();
        for (const QString& label : labels)
            QVERIFY2(shown.contains(label), qPrintable(label));
        QVERIFY(!dialog.criterion("Attivita06"));
        QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
        QVERIFY(dialog.panContainer->isVisible());
        QTest::mouseClick(dialog.btnStampa, Qt::LeftButton);
        QCOMPARE(m_ui->printer->reports, QStringList{"Riepilogo dati"});
        QCOMPARE(m_ui->printer->pages.size(), 1);
        QStringList printed;
        for (const Report::Primitive& p : m_ui->printer->pages.first().items)
            if (p.kind == Report::Primitive::Text)
                printed << p.text;
        QVERIFY(printed.contains("Riepilogo orari di lavoro"));
        QVERIFY(printed.contains(hours::resultLine(hoursRecord({{"Nome", "Turno B"}}))));
    }

    // "turni" and "settimanale" take their own fields into their screen and
    // nothing else; the same key in the member search is another route.
    void importIntoTheShiftScreens()
    {
        writeHours({{{"Nome", "Schema"}, {"Periodo", "Estate"}, {"Sede", "Verona"}, {"Disposizioni", "Puntuali"},
                     {"Annotazioni", "nota"}, {"Inizio01", "08:00"}, {"Fine12", "20:00"}, {"Attivita01", "Apertura"},
                     {"File01", "a.pdf"}}});
        ShiftScreenStandIn daily("frmTurni");
        ShiftScreenStandIn weekly("frmSettimanale");
        SearchHandBack::registerReceiver(TfrmTrovaOrari::route("turni"), [&](int, const Record& t) {
            importTemplate(&daily.window, t, hours::Importer::Daily);
        });
        SearchHandBack::registerReceiver(TfrmTrovaOrari::route("settimanale"), [&](int, const Record& t) {
            importTemplate(&weekly.window, t, hours::Importer::Weekly);
        });
        m_ui->onModal = driveSearch([](SearchDialog& dialog) {
            QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
            doubleClickRow(dialog, 0);
        });
        TfrmTrovaOrari::open(nullptr, "turni");
        TfrmTrovaOrari::open(nullptr, "settimanale");
        SearchHandBack::registerReceiver(TfrmTrovaOrari::route("turni"), {});
        SearchHandBack::registerReceiver(TfrmTrovaOrari::route("settimanale"), {});

        const QList<std::tuple<const char*, const char*, const char*>> expected{
            // field, daily, weekly
            {"Nome", "Schema", "Schema"},       {"Periodo", "Estate", "prima"},   {"Sede", "Verona", "Verona"},
            {"Disposizioni", "Puntuali", "Puntuali"}, {"Annotazioni", "nota", "nota"},
            {"Inizio01", "08:00", "08:00"},     {"Fine12", "20:00", "20:00"},     {"Fine01", "", ""},
            {"Attivita01", "Apertura", "prima"}, {"Attivita02", "", "prima"},     {"File01", "prima", "prima"}};
        for (const auto& [name, inDaily, inWeekly] : expected) {
            QCOMPARE(daily.text(QLatin1String(name)), QString::fromUtf8(inDaily));
            QCOMPARE(weekly.text(QLatin1String(name)), QString::fromUtf8(inWeekly));
        }
        // The member search's "turni" route was never touched.
        QVERIFY(!SearchHandBack::hasReceiver({"frmTrovaAnagrafica", "turni"}));
    }

    // The grid: "N.", 25 columns, an empty slot as "Dalle  alle "; the file
    // is written from it, every cell trimmed.
    void exportGrid()
    {
        writeHours({{{"Nome", "Mattina"}, {"Inizio01", "08:00"}, {"Fine01", "12:00"}, {"Attivita01", "Sportello"}},
                    {{"Nome", "Vuoto"}}});
        openFromMenu();
        QStringList seen;
        m_ui->onModal = [&seen](QDialog& d) {
            if (!showActive(d))
                return -1;
            shot(&d, "exporari");
            auto* grid = d.findChild<QTableView*>("grdRecords");
            auto* info = d.findChild<QLabel*>("panInfo");
            seen << d.windowTitle() << info->text() << QString::number(grid->model()->columnCount())
                 << QString::number(grid->model()->rowCount());
            for (int c : {0, 1, 5, 6, 7, 25})
                seen << grid->model()->headerData(c, Qt::Horizontal).toString();
            for (int c : {0, 1, 5, 6, 7})
                seen << grid->model()->index(1, c).data().toString();
            QTest::mouseClick(d.findChild<QToolButton*>("cmdEsporta"), Qt::LeftButton);
            return 0;
        };
        m_ui->messages->answers = {MessageAnswer::Yes, MessageAnswer::No};
        click("btnEsporta");
        QCOMPARE(m_ui->modals, QStringList{"TfrmExpOrari"});
        QCOMPARE(seen, (QStringList{" Esporta archivio orari di lavoro in Microsoft Excel",
                                    "Esportazione archivio in Microsoft Excel.", "26", "2", "N.",
                                    "Nome tabella turni", "Orario 1", QString::fromUtf8("Attività da svolgere 1"),
                                    "Orario 2", "Annotazioni", "2", "Vuoto", "Dalle  alle ", "", "Dalle  alle "}));
        QCOMPARE(m_ui->messages->texts(), (QStringList{ExportFlow::AskText, ExportFlow::DoneText}));
        const QByteArray file = fileContent(AppDir::filePath("Orari_Lavoro.xls"));
        QVERIFY(file.contains(">Dalle 08:00 alle 12:00</td>"));
        QVERIFY(file.contains(">Dalle  alle</td>"));
        QVERIFY(!file.contains("Dalle  alle </td>"));
        QVERIFY(m_ui->shell->opened.isEmpty());
    }

    void exportWindowHelpAndHints()
    {
        TfrmExpOrari window;
        const auto* hints = window.findChild<HintBar*>();
        QCOMPARE(hints->hintFor(window.cmdEsporta), QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
        QCOMPARE(hints->hintFor(window.cmdGuida), QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
        QCOMPARE(hints->hintFor(window.cmdEsci), QStringLiteral("Esci da questo ambiente di lavoro."));
        QStringList titles;
        m_ui->onModal = [&titles](QDialog& d) {
            auto& help = static_cast<TfrmGuida&>(d);
            titles << help.lblTitolo->text() << QString::number(help.txtGuida->toPlainText().split("\n\n").size());
            return 0;
        };
        window.cmdGuida->click();
        openFromMenu();
        click("btnGuida");
        QCOMPARE(titles, (QStringList{"Esportazione archivio orari di lavoro in Microsoft Excel.", "3",
                                      "Applicazione Impostazione Orari.", "6"}));
    }

    // "Stampa" prints the fields as they stand, saved or not, landscape, with
    // the footer's date and time; "Annulla" prints nothing.
    void printTheShownTemplate()
    {
        openFromMenu();
        field("Nome")->setText(" Non salvato ");
        field("Attivita12")->setText("Chiusura");
        m_ui->onModal = [](QDialog& d) {
            auto& window = static_cast<TfrmStampaOrario&>(d);
            window.show();
            [&] { QCOMPARE(window.windowTitle(), QStringLiteral(" Stampa scheda")); }();
            [&] { QCOMPARE(window.btnStampa->text(), QStringLiteral("Stampa")); }();
            [&] { QCOMPARE(window.btnAnnulla->text(), QStringLiteral("Annulla")); }();
            shot(&window, "stampaorario");
            window.btnAnnulla->click();
            return window.result();
        };
        click("btnStampa");
        QCOMPARE(m_ui->modals, QStringList{"TfrmStampaOrario"});
        QCOMPARE(m_ui->printer->dialogs, 0);

        m_ui->onModal = [](QDialog& d) {
            static_cast<TfrmStampaOrario&>(d).btnStampa->click();
            return d.result();
        };
        click("btnStampa");
        QCOMPARE(m_ui->printer->reports, QStringList{"Orario di Lavoro"});
        QCOMPARE(m_ui->printer->pages.size(), 1);
        const Report::PreparedPage& page = m_ui->printer->pages.first();
        QCOMPARE(page.orientation, Report::Orientation::Landscape);
        QStringList texts;
        for (const Report::Primitive& p : page.items)
            if (p.kind == Report::Primitive::Text)
                texts << p.text;
        for (const char* text : {"Non salvato", "Chiusura", "Stampa eseguita in data 07/03/2025 alle ore 14:05:09",
                                 "FIRMA DEL RESPONSABILE:"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
        QCOMPARE(hoursArchive().count(), 0);
    }
};

QTEST_MAIN(TestHoursScreen)
#include "tst_hoursscreen.moc"
