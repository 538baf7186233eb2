// The daily shift screen and its dialogs on real widgets: the year chooser's
// route, the fixed panel, the Enter chain and highlights, the date field,
// save, duplicate, the imports of a template and of workers, the search with
// its hand-back, the export grid, print and preview.

#include "app/dates.h"
#include "app/ui/formkit.h"
#include "app/ui/frmavvio.h"
#include "app/ui/frmcalendario.h"
#include "app/ui/frmguida.h"
#include "app/ui/frmmenuregistro.h"
#include "hours/hoursfixture.h"
#include "hours/ui/frmorari.h"
#include "members/memberrecord.h"
#include "members/ui/frmallegacartella.h"
#include "output/ui/exportflow.h"
#include "output/ui/frmanteprima.h"
#include "shifts/dailyfixture.h"
#include "shifts/shiftrecords.h"
#include "shifts/ui/frmexpturni.h"
#include "shifts/ui/frmstampaturno.h"
#include "shifts/ui/frmtrovaturni.h"
#include "shifts/ui/frmturni.h"
#include "storage/archive.h"
#include "support/programwindows.h"
#include "support/searchwindowtests.h"
#include "support/windowtests.h"
#include "testsupport.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace {

const QString Year = QStringLiteral("2025");
const QString Inserted = QString::fromUtf8("La scheda corrente è stata inserita in archivio.");
const QString Changed = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

QString rowName(const char* stem, int r)
{
    return QLatin1String(stem) + QStringLiteral("%1").arg(r, 2, 10, QLatin1Char('0'));
}

Archive dailyArchive()
{
    return dailyArchive(Year);
}

void writeTables(const QList<DailyFields>& tables)
{
    writeDaily(Year, tables);
}

void writeMembers(const QStringList& names)
{
    const Archive archive(AppDir::filePath(QLatin1String(members::kFileName)), members::recordLayout());
    for (const QString& name : names) {
        Record m(members::recordLayout());
        m.setText(u"Tesserato", name);
        m.setText(u"Annullata", QString::fromUtf8("No"));
        archive.append(m);
    }
}

QStringList printedTexts(const Report::PreparedPage& page)
{
    QStringList texts;
    for (const Report::Primitive& p : page.items)
        if (p.kind == Report::Primitive::Text)
            texts << p.text;
    return texts;
}

}  // namespace

class TestDailyScreen : public ProgramWindowsTest {
    Q_OBJECT

    TfrmTurni* screen() const { return frmTurni; }
    QLineEdit* field(const QString& name) const { return frmTurni->field(name); }
    QString holder(const char* name) const { return frmTurni->findChild<QLabel*>(QLatin1String(name))->text(); }
    void click(const char* name) { ProgramWindowsTest::click(screen(), name); }

    // Through the main menu and the year chooser, as the user gets there.
    void openYear(const QString& year = Year)
    {
        openArea("btnRiepilogo", frmMenuRegistro);
        frmMenuRegistro->txtAnnoFatture->setText(year);
        QTest::mouseClick(frmMenuRegistro->btnApriFatture, Qt::LeftButton);
        QVERIFY(screen()->isVisible());
        screen()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen()));
    }

private slots:
    void init()
    {
        Clock::set(QDateTime(QDate(2025, 3, 7), QTime(14, 5, 9)));
        ProgramWindowsTest::init();
    }

    // "Apri" sets the archive and caption and shows the empty screen; a bad
    // year keeps the chooser; leaving the screen goes back to the main menu.
    void yearChooserOpensTheScreen()
    {
        openArea("btnRiepilogo", frmMenuRegistro);
        frmMenuRegistro->txtAnnoFatture->setText("25");
        QTest::mouseClick(frmMenuRegistro->btnApriFatture, Qt::LeftButton);
        QCOMPARE(lastMessage(), QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        QVERIFY(frmMenuRegistro->isVisible());
        QVERIFY(!screen()->isVisible());
        // The chooser's own exit goes back to the menu.
        QTest::mouseClick(frmMenuRegistro->imgEsci, Qt::LeftButton);
        QVERIFY(frmAvvio->isVisible());
        QVERIFY(!screen()->isVisible());

        openYear("2031");
        QCOMPARE(screen()->windowTitle(), QStringLiteral(" Norvalis 2.0 - Programmazione turni anno 2031"));
        QCOMPARE(screen()->archivePath(), AppDir::filePath("2031.ore"));
        QCOMPARE(screen()->lblFile->text(), AppDir::filePath("2031.ore"));
        QVERIFY(!frmMenuRegistro->isVisible());
        QVERIFY(field("Nome")->hasFocus());
        QCOMPARE(screen()->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        // Browsing an archive not made yet makes it, empty.
        click("cmdPrimo");
        QCOMPARE(lastMessage(), QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(QFileInfo(AppDir::filePath("2031.ore")).size(), 0);
        click("btnEsci");
        QVERIFY(!screen()->isVisible());
        QVERIFY(frmAvvio->isVisible());
    }

    // The fixed panel in the middle of the window, its fields where they
    // belong, in Verdana 12 pt bold, with the record's lengths.
    void fixedPanel()
    {
        openYear();
        auto* panel = screen()->findChild<QWidget*>("panScheda");
        QVERIFY(panel);
        QCOMPARE(panel->size(), QSize(995, 692));
        screen()->resize(1400, 900);
        QApplication::processEvents();
        const QPoint offset = panel->geometry().topLeft();
        QVERIFY(qAbs(offset.x() - (screen()->width() - 995) / 2) <= 1);
        QVERIFY(qAbs(offset.y() - (screen()->height() - 692) / 2) <= 1);
        const QList<std::tuple<const char*, QPoint, int>> places{
            {"btnNuovo", {25, 25}, 42},       {"btnAllega", {217, 25}, 157}, {"btnStampa", {428, 25}, 157},
            {"btnEsci", {687, 25}, 42},       {"cmdPrimo", {752, 26}, 37},    {"lblPosizione", {830, 26}, 60},
            {"cmdUltimo", {933, 26}, 37},     {"txtNome", {40, 118}, 270},    {"txtData", {350, 118}, 114},
            {"txtSede", {736, 118}, 218},     {"txtDisposizioni", {40, 194}, 786},
            {"txtInizio01", {40, 294}, 108},  {"txtFine12", {154, 558}, 108}, {"txtLavoratore12", {268, 558}, 352},
            {"impLavoratore12", {624, 558}, 22}, {"txtAttivita05", {652, 390}, 302},
            {"txtAnnotazioni", {130, 594}, -1}, {"panInfo", {25, 650}, -1}};
        for (const auto& [name, at, width] : places) {
            auto* w = panel->findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(w, name);
            QCOMPARE(w->pos(), at);
            if (width > 0)
                QCOMPARE(w->width(), width);
        }
        const QFont font = field("Attivita07")->font();
        QCOMPARE(font.family(), QStringLiteral("Verdana"));
        QCOMPARE(font.pointSize(), 12);
        QVERIFY(font.bold());
        const QList<std::pair<const char*, int>> lengths{{"Nome", 50}, {"Data", 10}, {"Periodo", 50}, {"Sede", 50},
                                                         {"Disposizioni", 250}, {"Inizio01", 5}, {"Fine12", 5},
                                                         {"Lavoratore07", 120}, {"Attivita03", 120},
                                                         {"Annotazioni", 250}};
        for (const auto& [name, length] : lengths)
            QCOMPARE(field(QLatin1String(name))->maxLength(), length);
        QVERIFY(field("Data")->isReadOnly());
        shot(screen(), "turni_vuota");
    }

    // Enter: name -> date (which opens the picker), period -> ... -> notes ->
    // name; Tab takes the date too. Five fields show their highlight.
    void enterChainTabOrderAndHighlights()
    {
        openYear();
        QTest::keyClick(field("Nome"), Qt::Key_Return);
        QVERIFY(field("Data")->hasFocus());
        field("Periodo")->setFocus();
        QStringList walked;
        QStringList highlighted;
        for (int i = 0; i < 53; ++i) {
            auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(focused);
            walked << focused->objectName().mid(3);
            for (QWidget* eff : screen()->findChildren<QWidget*>(QRegularExpression("^eff")))
                if (eff->isVisible())
                    highlighted << eff->objectName();
            QTest::keyClick(focused, Qt::Key_Return);
        }
        QStringList rows;
        for (int r = 1; r <= 12; ++r)
            rows << rowName("Inizio", r) << rowName("Fine", r) << rowName("Lavoratore", r) << rowName("Attivita", r);
        QCOMPARE(walked, QStringList({"Periodo", "Sede", "Disposizioni"}) + rows + QStringList({"Annotazioni", "Nome"}));
        QCOMPARE(highlighted, (QStringList{"effPeriodo", "effSede", "effDisposizioni", "effNome"}));
        QCOMPARE(screen()->findChildren<QWidget*>(QRegularExpression("^eff")).size(), 5);
        field("Data")->setFocus();
        QVERIFY(screen()->findChild<QWidget*>("effData")->isVisible());

        field("Nome")->setFocus();
        QStringList tabbed;
        for (int i = 0; i < 54; ++i) {
            tabbed << QApplication::focusWidget()->objectName().mid(3);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(tabbed, QStringList({"Nome", "Data", "Periodo", "Sede", "Disposizioni"}) + rows
                             + QStringList({"Annotazioni"}));
        QCOMPARE(m_ui->modals, QStringList{});
    }

    // The date is typed by no one: Delete and Backspace empty it, any other
    // key opens the picker ("turni"), which writes the chosen day.
    void dateFieldKeys()
    {
        openYear();
        QStringList codes;
        m_ui->onModal = [&codes](QDialog& d) {
            auto& picker = static_cast<TfrmCalendario&>(d);
            codes << picker.lblMemory->text();
            picker.calAppuntamenti->setSelectedDate(QDate(2025, 4, 12));
            picker.btnImportaData->click();
            return picker.result();
        };
        QTest::keyClick(field("Data"), Qt::Key_A);
        QCOMPARE(field("Data")->text(), QStringLiteral("12/04/2025"));
        QTest::keyClick(field("Data"), Qt::Key_Delete);
        QVERIFY(field("Data")->text().isEmpty());
        QTest::keyClick(field("Data"), Qt::Key_Return);
        QCOMPARE(field("Data")->text(), QStringLiteral("12/04/2025"));
        QTest::keyClick(field("Data"), Qt::Key_Backspace);
        QVERIFY(field("Data")->text().isEmpty());
        click("impData");
        QCOMPARE(codes, (QStringList{"turni", "turni", "turni"}));
        QCOMPARE(m_ui->modals, (QStringList{"TfrmCalendario", "TfrmCalendario", "TfrmCalendario"}));

        // Cancelled, the field keeps what it held.
        m_ui->onModal = [](QDialog& d) {
            static_cast<TfrmCalendario&>(d).btnAnnulla->click();
            return d.result();
        };
        QTest::keyClick(field("Data"), Qt::Key_5);
        QCOMPARE(field("Data")->text(), QStringLiteral("12/04/2025"));
    }

    // Name first, then date; with both, the first save appends at 1 and the
    // second overwrites the same record.
    void saveNeedsNameAndDate()
    {
        openYear();
        const QString noName = QString::fromUtf8(
            "Attenzione: per salvare la scheda è necessario indicare il nome identificativo della tabella dei turni.");
        const QString noDate = QString::fromUtf8(
            "Attenzione: per salvare la scheda è necessario indicare la data a cui si riferiscono i turni di lavoro.");
        const QList<std::tuple<QString, QString, QString, const char*>> refused{
            {"", "07/03/2025", noName, "txtNome"}, {"  ", "", noName, "txtNome"}, {"Turno", "", noDate, "txtData"}};
        for (const auto& [name, date, message, focus] : refused) {
            field("Nome")->setText(name);
            field("Data")->setText(date);
            field("Sede")->setFocus();
            click("btnSalva");
            QCOMPARE(lastMessage(), message);
            QCOMPARE(m_ui->messages->shown.last().kind, MessageKind::Warning);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(focus));
        }
        QCOMPARE(dailyArchive().count(), 0);

        field("Nome")->setText(" Solo nome e data ");
        field("Data")->setText("07/03/2025");
        click("btnSalva");
        QCOMPARE(lastMessage(), Inserted);
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("1"));
        field("Annotazioni")->setText("poi una nota");
        click("btnSalva");
        QCOMPARE(lastMessage(), Changed);
        QCOMPARE(dailyArchive().count(), 1);
        const QByteArray bytes = fileContent(daily::archivePath(Year));
        QCOMPARE(bytes.size(), 5220);
        QCOMPARE(bytes.left(17), QByteArray("\x10Solo nome e data", 17));
        QCOMPARE(bytes.mid(51, 11), QByteArray("\x0a" "07/03/2025"));
        QCOMPARE(int(bytes.at(415)), 12);  // the notes
        for (int offset : {62, 113, 164, 666, 672, 678, 2262, 3714, 4969})
            QCOMPARE(int(bytes.at(offset)), 0);

        click("btnNuovo");
        QVERIFY(field("Nome")->text().isEmpty() && field("Data")->text().isEmpty());
        QVERIFY(screen()->lblPosizione->text().isEmpty());
        QVERIFY(field("Nome")->hasFocus());
    }

    // Two members into row 1 give "A, B"; what passes 120 characters is
    // lost on storing.
    void workersFromTheMemberSearch()
    {
        writeMembers({"ROSSI MARIO", "BIANCHI ANNA", QString(50, 'L')});
        openYear();
        QStringList keys;
        int pick = 0;
        m_ui->onModal = driveSearch([&](SearchDialog& dialog) {
            keys << dialog.callerKey();
            QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
            doubleClickRow(dialog, pick);
        });
        click("impLavoratore01");
        QCOMPARE(field("Lavoratore01")->text(), QStringLiteral("ROSSI MARIO"));
        pick = 1;
        click("impLavoratore01");
        QCOMPARE(field("Lavoratore01")->text(), QStringLiteral("ROSSI MARIO, BIANCHI ANNA"));
        pick = 2;
        for (int i = 0; i < 3; ++i)
            click("impLavoratore12");
        QCOMPARE(keys, (QStringList{"turni_01", "turni_01", "turni_12", "turni_12", "turni_12"}));
        QCOMPARE(m_ui->modals.first(), QStringLiteral("TfrmTrovaAnagrafica"));
        // The field holds its 120 characters; the rest is lost.
        const QString cut = QString(50, 'L') + QStringLiteral(", ") + QString(50, 'L') + QStringLiteral(", ") + QString(16, 'L');
        QCOMPARE(field("Lavoratore12")->text(), cut);
        QCOMPARE(field("Lavoratore02")->text(), QString());

        field("Nome")->setText("Turni");
        field("Data")->setText("07/03/2025");
        click("btnSalva");
        const Record saved = dailyArchive().read(1);
        QCOMPARE(saved.text(u"Lavoratore01"), QStringLiteral("ROSSI MARIO, BIANCHI ANNA"));
        QCOMPARE(saved.text(u"Lavoratore12"), cut);
    }

    // A template fills the 41 texts; the date, workers, attachments and the
    // position stay. The service-hours screen still gets its own templates.
    void templateImportKeepsTheTable()
    {
        writeHours({{{"Nome", "Schema estivo"}, {"Periodo", "Estate"}, {"Sede", "Verona"}, {"Inizio01", "08:00"},
                     {"Attivita12", "Chiusura"}, {"File01", "schema.pdf"}}});
        writeTables({{{"Nome", "Vecchio"}, {"Data", "07/03/2025"}, {"Lavoratore01", "ROSSI"}, {"Attivita03", "via"},
                      {"File02", "tabella.pdf"}},
                     {{"Nome", "Secondo"}, {"Data", "08/03/2025"}}});
        openYear();
        click("cmdPrimo");
        QStringList keys;
        m_ui->onModal = driveSearch([&keys](SearchDialog& dialog) {
            keys << dialog.callerKey() << dialog.windowTitle();
            QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
            doubleClickRow(dialog, 0);
        });
        click("impNome");
        QCOMPARE(keys, (QStringList{"turni", " Trova orari di lavoro in archivio"}));
        const QList<std::pair<const char*, const char*>> after{
            {"Nome", "Schema estivo"}, {"Periodo", "Estate"}, {"Sede", "Verona"}, {"Inizio01", "08:00"},
            {"Attivita12", "Chiusura"}, {"Attivita03", ""}, {"Data", "07/03/2025"}, {"Lavoratore01", "ROSSI"}};
        for (const auto& [name, text] : after)
            QCOMPARE(field(QLatin1String(name))->text(), QString::fromUtf8(text));
        QCOMPARE(holder("lblFile02"), QStringLiteral("tabella.pdf"));
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("1"));
        click("btnSalva");
        QCOMPARE(lastMessage(), Changed);
        QCOMPARE(dailyArchive().count(), 2);
        QCOMPARE(dailyArchive().read(1).text(u"Nome"), QStringLiteral("Schema estivo"));

        // The same template from the service-hours screen's own search goes
        // there, whole, and not into the daily screen.
        field("Nome")->setText("intatto");
        click("btnEsci");
        openArea("btnRegistro", frmOrari);
        ProgramWindowsTest::click(frmOrari, "btnTrova");
        QCOMPARE(frmOrari->field("Nome")->text(), QStringLiteral("Schema estivo"));
        QCOMPARE(frmOrari->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(field("Nome")->text(), QStringLiteral("intatto"));
    }

    // The copy has no attachments and no position; its save appends.
    void duplicateAndAttachments()
    {
        writeTables({{{"Nome", "Con allegati"}, {"Data", "07/03/2025"}, {"File01", "a.pdf"}, {"Desc01", "uno"}}});
        openYear();
        click("btnDuplica");
        QCOMPARE(lastMessage(), QString::fromUtf8("Attenzione: la duplicazione di una scheda può avvenire soltanto "
                                                  "dopo che questa è stata inserita in archivio."));
        click("cmdUltimo");
        QCOMPARE(screen()->btnAllega->text(), QStringLiteral("Allegati (1)"));
        m_ui->onModal = [](QDialog& d) {
            auto& dialog = static_cast<TfrmAllegaCartella&>(d);
            [&] { QCOMPARE(dialog.lblMemory->text(), QStringLiteral("turni")); }();
            [&] { QCOMPARE(dialog.txtFile01->text(), QStringLiteral("a.pdf")); }();
            dialog.txtDesc01->setText("cambiata");
            dialog.btnApplica->click();
            return dialog.result();
        };
        click("btnAllega");
        QCOMPARE(holder("lblDesc01"), QStringLiteral("cambiata"));
        QCOMPARE(dailyArchive().read(1).text(u"Desc01"), QStringLiteral("uno"));
        click("btnSalva");
        QCOMPARE(dailyArchive().read(1).text(u"Desc01"), QStringLiteral("cambiata"));

        click("btnDuplica");
        QCOMPARE(m_ui->messages->shown.last().kind, MessageKind::Information);
        QVERIFY(screen()->lblPosizione->text().isEmpty());
        QVERIFY(holder("lblFile01").isEmpty() && holder("lblDesc01").isEmpty());
        QCOMPARE(screen()->btnAllega->text(), QStringLiteral("Allega file"));
        QCOMPARE(field("Data")->text(), QStringLiteral("07/03/2025"));
        click("btnSalva");
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(dailyArchive().read(2).text(u"File01"), QString());
        QCOMPARE(dailyArchive().read(1).text(u"File01"), QStringLiteral("a.pdf"));
    }

    // A Turnista 1 criterion looks in row 1 only; the later of two equal
    // lines is loaded, every field, attachments and position.
    void searchLoadsTheTable()
    {
        writeTables({{{"Nome", "Uguale"}, {"Data", "07/03/2025"}, {"Lavoratore01", "ROSSI MARIO"}},
                     {{"Nome", "Altra"}, {"Data", "08/03/2025"}, {"Lavoratore06", "rossi mario"}},
                     {{"Nome", "Uguale"}, {"Data", "07/03/2025"}, {"Lavoratore01", "Rossi Mario, Verdi"},
                      {"Attivita12", "Chiusura"}, {"File03", "ultima.pdf"}, {"Desc03", "la giusta"}}});
        openYear();
        QStringList lines;
        QString count;
        QStringList highlighted;
        m_ui->onModal = driveSearch([&](SearchDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral(" Trova turni di lavoro in archivio"));
            QCOMPARE(dialog.callerKey(), QStringLiteral("turni"));
            for (QWidget* eff : dialog.findChildren<QWidget*>(QRegularExpression("^eff")))
                highlighted << eff->objectName();
            dialog.criterion("Lavoratore01")->setText("rossi");
            shot(&dialog, "trovaturni_filtri");
            QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
            shot(&dialog, "trovaturni_risultati");
            lines = dialog.model->texts();
            count = dialog.lblTrovate->text();
            doubleClickRow(dialog, 0);
        });
        click("btnTrova");
        QCOMPARE(m_ui->modals, QStringList{"TfrmTrovaTurni"});
        highlighted.sort();
        QStringList expected;
        for (const char* f : daily::kSearchFields)
            expected << QStringLiteral("eff") + QLatin1String(f);
        expected.sort();
        QCOMPARE(highlighted, expected);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.first(), QStringLiteral("Uguale") + QString(24, ' ') + QStringLiteral("  Data: 07/03/2025  Sede: ")
                                    + QString(30, ' ') + QStringLiteral("  Note: "));
        QCOMPARE(count, QStringLiteral("Il presente riepilogo contiene 2 schede."));
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("3"));
        QCOMPARE(field("Lavoratore01")->text(), QStringLiteral("Rossi Mario, Verdi"));
        QCOMPARE(field("Attivita12")->text(), QStringLiteral("Chiusura"));
        QCOMPARE(holder("lblFile03"), QStringLiteral("ultima.pdf"));
        QCOMPARE(holder("lblDesc03"), QStringLiteral("la giusta"));
    }

    void searchCriteriaEnterChainAndPrint()
    {
        writeTables({{{"Nome", "Turno A"}, {"Data", "07/03/2025"}}});
        TfrmTrovaTurni dialog(nullptr, daily::archivePath(Year));
        dialog.setCallerKey("turni");
        QVERIFY(showActive(dialog));
        QStringList chain;
        for (int i = 0; i < 11; ++i) {
            QWidget* w = QApplication::focusWidget();
            chain << w->objectName();
            QTest::keyClick(w, Qt::Key_Return);
        }
        QCOMPARE(chain, (QStringList{"txtNome", "txtData", "txtSede", "txtDisposizioni", "txtLavoratore01",
                                     "txtLavoratore02", "txtLavoratore03", "txtLavoratore04", "txtLavoratore05",
                                     "txtAnnotazioni", "txtNome"}));
        QStringList shown;
        for (const QLabel* l : dialog.panAvvio->findChildren<QLabel*>())
            shown << l->text();
        for (const char* label : {"Nome tabella turni:", "Data:", "Turnista 1:", "Turnista 5:", "Annotazioni:"})
            QVERIFY2(shown.contains(QLatin1String(label)), label);
        QVERIFY(!dialog.criterion("Lavoratore06"));
        QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
        QTest::mouseClick(dialog.btnStampa, Qt::LeftButton);
        QCOMPARE(m_ui->printer->pages.size(), 1);
        QVERIFY(printedTexts(m_ui->printer->pages.first()).contains("Riepilogo turni di lavoro"));
    }

    // 26 columns; rows 11 and 12 are not there; an empty row is "Dalle  alle ".
    void exportGrid()
    {
        writeTables({{{"Nome", "Mattina"}, {"Data", "07/03/2025"}, {"Inizio01", "08:00"}, {"Fine01", "12:00"},
                      {"Lavoratore01", "ROSSI"}, {"Lavoratore11", "UNDICI"}, {"Lavoratore12", "DODICI"}}});
        openYear();
        QStringList seen;
        m_ui->onModal = [&seen](QDialog& d) {
            if (!showActive(d))
                return -1;
            shot(&d, "expturni");
            auto* grid = d.findChild<QTableView*>("grdRecords");
            const QAbstractItemModel* model = grid->model();
            seen << d.windowTitle() << QString::number(model->columnCount()) << QString::number(model->rowCount());
            for (int c : {0, 1, 2, 5, 6, 24, 25})
                seen << model->headerData(c, Qt::Horizontal).toString();
            for (int c : {5, 6, 7})
                seen << model->index(0, c).data().toString();
            for (int c = 0; c < model->columnCount(); ++c)
                if (model->index(0, c).data().toString().contains("DODICI")
                    || model->index(0, c).data().toString().contains("UNDICI"))
                    seen << "riga 11 o 12 esportata";
            QTest::mouseClick(d.findChild<QToolButton*>("cmdEsporta"), Qt::LeftButton);
            return 0;
        };
        m_ui->messages->answers = {MessageAnswer::Yes, MessageAnswer::No};
        click("btnEsporta");
        QCOMPARE(m_ui->modals, QStringList{"TfrmExpTurni"});
        QCOMPARE(seen, (QStringList{" Esporta archivio turni di lavoro in Microsoft Excel", "26", "1", "N.",
                                    "Nome tabella turni", "Data", "Orario 1", "Turnista 1", "Turnista 10",
                                    "Annotazioni", "Dalle 08:00 alle 12:00", "ROSSI", "Dalle  alle "}));
        QCOMPARE(m_ui->messages->texts(), (QStringList{ExportFlow::AskText, ExportFlow::DoneText}));
        const QByteArray file = fileContent(AppDir::filePath("Turni_Lavoro.xls"));
        QVERIFY(file.contains("Turni Lavoro"));
        QVERIFY(file.contains(">Dalle  alle</td>"));

        TfrmExpTurni window(nullptr, daily::archivePath(Year));
        QStringList titles;
        m_ui->onModal = [&titles](QDialog& d) {
            titles << static_cast<TfrmGuida&>(d).lblTitolo->text();
            return 0;
        };
        window.cmdGuida->click();
        click("btnGuida");
        QCOMPARE(titles, (QStringList{"Esportazione archivio turni di lavoro in Microsoft Excel.",
                                      "Applicazione Calendario Turni."}));
    }

    // Print and preview show the page as it stands on the screen, unsaved.
    void printAndPreviewTheShownTable()
    {
        openYear();
        field("Nome")->setText(" Non salvata ");
        field("Data")->setText("09/03/2025");
        field("Lavoratore01")->setText("ROSSI, BIANCHI");
        field("Attivita12")->setText("Chiusura");
        m_ui->onModal = [](QDialog& d) {
            auto& window = static_cast<TfrmStampaTurno&>(d);
            if (!showActive(window))
                return -1;
            [&] { QCOMPARE(window.windowTitle(), QStringLiteral(" Stampa scheda")); }();
            shot(&window, "stampaturno");
            window.btnStampa->click();
            return window.result();
        };
        click("btnStampa");
        QCOMPARE(m_ui->printer->reports, QStringList{"Turno di Lavoro"});
        const Report::PreparedPage& page = m_ui->printer->pages.first();
        QCOMPARE(page.orientation, Report::Orientation::Landscape);
        const QStringList texts = printedTexts(page);
        for (const char* text : {"Non salvata", "DATA:  09/03/2025 ", "ROSSI, BIANCHI", "Chiusura", "TURNISTI",
                                 "Stampa eseguita in data 07/03/2025 alle ore 14:05:09"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);

        QStringList previewed;
        m_ui->onModal = [&previewed](QDialog& d) {
            if (auto* window = qobject_cast<TfrmAnteprimaTurno*>(&d)) {
                [&] { QCOMPARE(window->windowTitle(), QStringLiteral(" Anteprima di stampa")); }();
                [&] { QCOMPARE(window->btnStampa->text(), QStringLiteral("Mostra anteprima")); }();
                window->btnStampa->click();
                return window->result();
            }
            auto& preview = static_cast<TfrmAnteprima&>(d);
            previewed = printedTexts(preview.report().pages.first());
            return 0;
        };
        click("btnAnteprima");
        QCOMPARE(m_ui->modals.mid(1), (QStringList{"TfrmAnteprimaTurno", "TfrmAnteprima"}));
        QVERIFY(previewed.contains("DATA:  09/03/2025 "));
        QCOMPARE(dailyArchive().count(), 0);
    }
};

QTEST_MAIN(TestDailyScreen)
#include "tst_dailyscreen.moc"
