// The weekly shift screen and its dialogs on real widgets: the year
// chooser's route, the fixed panel with Sunday in red, the Enter chain and
// highlights, the two date fields, save with its three checks, the template
// import, duplicate and attachments, the search with its hand-back, print
// and preview.

#include "app/dates.h"
#include "app/ui/frmavvio.h"
#include "app/ui/frmcalendario.h"
#include "app/ui/frmguida.h"
#include "app/ui/frmmenuregistro.h"
#include "hours/hoursfixture.h"
#include "members/ui/frmallegacartella.h"
#include "output/ui/frmanteprima.h"
#include "shifts/shiftrecords.h"
#include "shifts/ui/frmsettimanale.h"
#include "shifts/ui/frmstampaset.h"
#include "shifts/ui/frmtrovaset.h"
#include "shifts/ui/frmturni.h"
#include "shifts/weeklyfixture.h"
#include "storage/archive.h"
#include "storage/layout.h"
#include "support/programwindows.h"
#include "support/searchwindowtests.h"
#include "support/windowtests.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

const QString Year = QStringLiteral("2025");
const QString Inserted = QString::fromUtf8("La scheda corrente è stata inserita in archivio.");
const QString Changed = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

using Fields = WeeklyFields;

QString rowName(const char* stem, int r)
{
    return layout::numberedName(stem, r);
}

Archive weeklyArchive()
{
    return weeklyArchive(Year);
}

void writeTables(const QList<Fields>& tables)
{
    QList<Record> records;
    for (const Fields& fields : tables)
        records << weeklyRecord(fields);
    writeWeekly(Year, records);
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

class TestWeeklyScreen : public ProgramWindowsTest {
    Q_OBJECT

    TfrmSettimanale* screen() const { return frmSettimanale; }
    QLineEdit* field(const QString& name) const { return frmSettimanale->field(name); }
    QString holder(const char* name) const
    {
        return frmSettimanale->findChild<QLabel*>(QLatin1String(name))->text();
    }
    void click(const char* name) { ProgramWindowsTest::click(screen(), name); }

    // Through the main menu and the year chooser, as the user gets there.
    void openYear(const QString& year = Year)
    {
        openArea("btnRiepilogo", frmMenuRegistro);
        frmMenuRegistro->txtAnnoSet->setText(year);
        QTest::mouseClick(frmMenuRegistro->btnApriAnnoSet, Qt::LeftButton);
        QVERIFY(screen()->isVisible());
        screen()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen()));
    }

private slots:
    void init()
    {
        Clock::set(QDateTime(QDate(2025, 5, 7), QTime(9, 30, 15)));
        ProgramWindowsTest::init();
    }

    // "Apri" of the weekly tables sets the archive and caption and shows the
    // empty screen; leaving it goes back to the main menu.
    void yearChooserOpensTheScreen()
    {
        openYear("2031");
        QCOMPARE(screen()->windowTitle(), QStringLiteral(" Norvalis 2.0 - Programmazione turni anno 2031"));
        QCOMPARE(screen()->archivePath(), AppDir::filePath("2031.set"));
        QCOMPARE(screen()->lblFile->text(), AppDir::filePath("2031.set"));
        QVERIFY(!frmTurni->isVisible());
        QVERIFY(field("Nome")->hasFocus());
        click("cmdUltimo");
        QCOMPARE(lastMessage(), QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(QFileInfo(AppDir::filePath("2031.set")).size(), 0);
        click("btnEsci");
        QVERIFY(!screen()->isVisible());
        QVERIFY(frmAvvio->isVisible());
    }

    // The fixed panel, its controls where they belong, no export, the
    // record's lengths, Sunday's heading and cells in red.
    void fixedPanel()
    {
        openYear();
        auto* panel = screen()->findChild<QWidget*>("panScheda");
        QCOMPARE(panel->size(), QSize(995, 692));
        const QList<std::tuple<const char*, QPoint, int>> places{
            {"btnNuovo", {25, 25}, 42},          {"btnAllega", {217, 25}, 157},     {"btnStampa", {428, 25}, 157},
            {"btnGuida", {591, 25}, 42},         {"btnEsci", {639, 25}, 42},        {"cmdPrimo", {704, 26}, 37},
            {"cmdIndietro", {746, 26}, 37},      {"lblPosizione", {782, 26}, 108},  {"cmdAvanti", {891, 26}, 37},
            {"cmdUltimo", {933, 26}, 37},        {"txtNome", {32, 118}, 348},       {"txtDataInizio", {422, 118}, 114},
            {"txtDataFine", {576, 118}, 114},    {"txtSede", {732, 118}, 230},      {"txtDisposizioni", {32, 194}, 794},
            {"txtInizio01", {30, 286}, 65},      {"txtFine12", {101, 550}, 65},     {"txtLun01", {172, 286}, 108},
            {"txtGio07", {514, 430}, 108},       {"txtDom12", {856, 550}, 108},     {"txtAnnotazioni", {122, 594}, 834},
            {"panInfo", {25, 650}, -1}};
        for (const auto& [name, at, width] : places) {
            auto* w = panel->findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(w, name);
            QCOMPARE(w->pos(), at);
            if (width > 0)
                QCOMPARE(w->width(), width);
        }
        QVERIFY(!screen()->findChild<QWidget*>("btnEsporta"));
        QVERIFY(!screen()->findChild<QWidget*>("impLun01"));
        const QFont font = field("Mer05")->font();
        QCOMPARE(font.family(), QStringLiteral("Verdana"));
        QCOMPARE(font.pointSize(), 12);
        QVERIFY(font.bold());
        const QList<std::pair<const char*, int>> lengths{{"Nome", 50},     {"DataInizio", 10},   {"DataFine", 10},
                                                         {"Sede", 50},     {"Disposizioni", 250}, {"Inizio09", 5},
                                                         {"Fine12", 5},    {"Lun01", 40},         {"Dom12", 40},
                                                         {"Annotazioni", 250}};
        for (const auto& [name, length] : lengths)
            QCOMPARE(field(QLatin1String(name))->maxLength(), length);
        QVERIFY(field("DataInizio")->isReadOnly() && field("DataFine")->isReadOnly());
        QCOMPARE(screen()->findChildren<QLineEdit*>(QRegularExpression("^txt(Lun|Mar|Mer|Gio|Ven|Sab|Dom)\\d\\d$")).size(),
                 84);

        // Sunday's heading and typed text are red; Saturday's are not.
        QLabel* sunday = nullptr;
        QLabel* saturday = nullptr;
        for (QLabel* l : panel->findChildren<QLabel*>()) {
            if (l->text() == QLatin1String("DOMENICA"))
                sunday = l;
            if (l->text() == QLatin1String("SABATO"))
                saturday = l;
        }
        QVERIFY(sunday && saturday);
        const QColor red(0xC6, 0x28, 0x28);
        QVERIFY(sunday->palette().color(QPalette::Window) == red || sunday->styleSheet().contains(red.name()));
        QVERIFY(!saturday->styleSheet().contains(red.name()));
        for (int r : {1, 12}) {
            QCOMPARE(field(rowName("Dom", r))->palette().color(QPalette::Text), red);
            QVERIFY(field(rowName("Sab", r))->palette().color(QPalette::Text) != red);
        }
        shot(screen(), "settimanale_vuota");
        for (int r = 1; r <= 12; ++r)
            for (const char* day : weekly::kDays)
                field(rowName(day, r))->setText(QStringLiteral("ROSSI M., VERDI L. %1").arg(r));
        shot(screen(), "settimanale_piena");
    }

    // Enter: name -> start (which opens the picker); site -> instructions ->
    // each row's start, end, Monday ... Sunday -> notes -> name. Five head
    // fields show their highlight.
    void enterChainAndHighlights()
    {
        openYear();
        QTest::keyClick(field("Nome"), Qt::Key_Return);
        QVERIFY(field("DataInizio")->hasFocus());
        field("Sede")->setFocus();
        QStringList walked;
        QStringList highlighted;
        for (int i = 0; i < 12 * 9 + 4; ++i) {
            auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(focused);
            walked << focused->objectName().mid(3);
            for (QWidget* eff : screen()->findChildren<QWidget*>(QRegularExpression("^eff")))
                if (eff->isVisible())
                    highlighted << eff->objectName();
            QTest::keyClick(focused, Qt::Key_Return);
        }
        QStringList rows;
        for (int r = 1; r <= 12; ++r) {
            rows << rowName("Inizio", r) << rowName("Fine", r);
            for (const char* day : weekly::kDays)
                rows << rowName(day, r);
        }
        QCOMPARE(walked, QStringList({"Sede", "Disposizioni"}) + rows + QStringList({"Annotazioni", "Nome"}));
        QCOMPARE(highlighted, (QStringList{"effSede", "effDisposizioni", "effNome"}));
        QStringList all;
        for (QWidget* eff : screen()->findChildren<QWidget*>(QRegularExpression("^eff")))
            all << eff->objectName();
        all.sort();
        QCOMPARE(all, (QStringList{"effDataFine", "effDataInizio", "effDisposizioni", "effNome", "effSede"}));
        field("DataFine")->setFocus();
        QVERIFY(screen()->findChild<QWidget*>("effDataFine")->isVisible());
        QCOMPARE(m_ui->modals, QStringList{});
    }

    // Each date field opens the picker with its own key and takes only its
    // own date; Delete and Backspace empty it.
    void dateFields()
    {
        openYear();
        QStringList codes;
        QDate pick(2025, 5, 5);
        m_ui->onModal = [&](QDialog& d) {
            auto& picker = static_cast<TfrmCalendario&>(d);
            codes << picker.lblMemory->text();
            picker.calAppuntamenti->setSelectedDate(pick);
            picker.btnImportaData->click();
            return picker.result();
        };
        QTest::keyClick(field("DataInizio"), Qt::Key_Return);
        pick = QDate(2025, 5, 11);
        QTest::keyClick(field("DataFine"), Qt::Key_X);
        QCOMPARE(field("DataInizio")->text(), QStringLiteral("05/05/2025"));
        QCOMPARE(field("DataFine")->text(), QStringLiteral("11/05/2025"));
        QTest::keyClick(field("DataFine"), Qt::Key_Backspace);
        QVERIFY(field("DataFine")->text().isEmpty());
        QCOMPARE(field("DataInizio")->text(), QStringLiteral("05/05/2025"));
        pick = QDate(2025, 5, 12);
        click("impDatainizio");
        pick = QDate(2025, 5, 18);
        click("impDataFine");
        QTest::keyClick(field("DataInizio"), Qt::Key_Delete);
        QCOMPARE(codes, (QStringList{"set_inizio", "set_fine", "set_inizio", "set_fine"}));
        QVERIFY(field("DataInizio")->text().isEmpty());
        QCOMPARE(field("DataFine")->text(), QStringLiteral("18/05/2025"));
    }

    // Name, then start, then end; the dates are not compared. The stored
    // record holds the reserved block as zero bytes and the cells day by day.
    void saveChecksAndRecord()
    {
        openYear();
        const QString noName = QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il nome "
                                                 "identificativo della tabella dei turni.");
        const QString noStart = QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare la data di "
                                                  "inizio della settimana a cui si riferiscono i turni di lavoro.");
        const QString noEnd = QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare la data di "
                                                "fine della settimana a cui si riferiscono i turni di lavoro.");
        const QList<std::tuple<QString, QString, QString, QString, const char*>> refused{
            {" ", "05/05/2025", "11/05/2025", noName, "txtNome"},
            {"Settimana", "", "11/05/2025", noStart, "txtDataInizio"},
            {"Settimana", "05/05/2025", "", noEnd, "txtDataFine"}};
        for (const auto& [name, start, end, message, focus] : refused) {
            field("Nome")->setText(name);
            field("DataInizio")->setText(start);
            field("DataFine")->setText(end);
            field("Sede")->setFocus();
            click("btnSalva");
            QCOMPARE(lastMessage(), message);
            QCOMPARE(m_ui->messages->shown.last().kind, MessageKind::Warning);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(focus));
        }
        QCOMPARE(weeklyArchive().count(), 0);

        // An end before the start is stored as it is.
        field("DataInizio")->setText("12/05/2025");
        field("DataFine")->setText("11/05/2025");
        field("Lun02")->setText("ROSSI");
        field("Mar01")->setText("VERDI");
        field("Inizio09")->setText("18:00");
        field("Dom12")->setText(QString(41, 'D'));
        click("btnSalva");
        QCOMPARE(lastMessage(), Inserted);
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("1"));
        field("Annotazioni")->setText("nota");
        click("btnSalva");
        QCOMPARE(lastMessage(), Changed);
        QCOMPARE(weeklyArchive().count(), 1);
        const QByteArray bytes = fileContent(weekly::archivePath(Year));
        QCOMPARE(bytes.size(), 5841);
        QCOMPARE(bytes.mid(51, 22), QByteArray("\x0a" "12/05/2025" "\x0a" "11/05/2025"));
        QCOMPARE(bytes.mid(722, 121), QByteArray(121, '\0'));
        QCOMPARE(bytes.mid(843, 6), QByteArray("\x05" "18:00"));
        QCOMPARE(bytes.mid(932, 6), QByteArray("\x05" "ROSSI"));
        QCOMPARE(bytes.mid(1383, 6), QByteArray("\x05" "VERDI"));
        QCOMPARE(bytes.mid(3843 + 41 * 11, 41), QByteArray("\x28") + QByteArray(40, 'D'));
        QCOMPARE(bytes.mid(375, 5), QByteArray("\x04" "nota"));

        click("btnNuovo");
        for (const char* name : {"Nome", "DataInizio", "DataFine", "Lun02", "Dom12", "Inizio09", "Annotazioni"})
            QVERIFY2(field(QLatin1String(name))->text().isEmpty(), name);
        QVERIFY(screen()->lblPosizione->text().isEmpty());
        QVERIFY(field("Nome")->hasFocus());
    }

    // A template gives name, site, instructions, notes and the 24 times;
    // the dates, the workers, the attachments and the position stay.
    void templateImport()
    {
        Fields hours{{"Nome", "Schema estivo"}, {"Periodo", "Estate"},     {"Sede", "Verona"},
                     {"Disposizioni", "Puntuali"}, {"Annotazioni", "Nessuna"}, {"Attivita01", "Apertura"},
                     {"File01", "schema.pdf"}};
        for (int r = 1; r <= 4; ++r)
            hours << QPair<QString, QString>{rowName("Inizio", r), QStringLiteral("0%1:00").arg(r + 5)}
                  << QPair<QString, QString>{rowName("Fine", r), QStringLiteral("0%1:30").arg(r + 5)};
        writeHours({hours});
        writeTables({{{"Nome", "Vecchio"}, {"DataInizio", "05/05/2025"}, {"DataFine", "11/05/2025"},
                      {"Inizio07", "20:00"}, {"Lun01", "ROSSI"}, {"Dom12", "BIANCHI"}, {"File02", "tabella.pdf"}}});
        openYear();
        click("cmdPrimo");
        frmTurni->field("Nome")->setText("intatto");
        QStringList keys;
        m_ui->onModal = driveSearch([&keys](SearchDialog& dialog) {
            keys << dialog.callerKey();
            QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
            doubleClickRow(dialog, 0);
        });
        click("impNome");
        QCOMPARE(keys, QStringList{"settimanale"});
        const QList<std::pair<const char*, const char*>> after{
            {"Nome", "Schema estivo"}, {"Sede", "Verona"},          {"Disposizioni", "Puntuali"},
            {"Annotazioni", "Nessuna"}, {"Inizio01", "06:00"},      {"Fine04", "09:30"},
            {"Inizio07", ""},          {"DataInizio", "05/05/2025"}, {"DataFine", "11/05/2025"},
            {"Lun01", "ROSSI"},        {"Dom12", "BIANCHI"}};
        for (const auto& [name, text] : after)
            QCOMPARE(field(QLatin1String(name))->text(), QString::fromUtf8(text));
        QCOMPARE(holder("lblFile02"), QStringLiteral("tabella.pdf"));
        QCOMPARE(holder("lblFile01"), QString());
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(frmTurni->field("Nome")->text(), QStringLiteral("intatto"));
    }

    // The copy has no attachments and no position; its save appends.
    void duplicateAndAttachments()
    {
        writeTables({{{"Nome", "Con allegati"}, {"DataInizio", "05/05/2025"}, {"DataFine", "11/05/2025"},
                      {"File01", "a.pdf"}, {"Desc01", "uno"}}});
        openYear();
        click("btnDuplica");
        QCOMPARE(lastMessage(), QString::fromUtf8("Attenzione: la duplicazione di una scheda può avvenire soltanto "
                                                  "dopo che questa è stata inserita in archivio."));
        click("cmdPrimo");
        QCOMPARE(screen()->btnAllega->text(), QStringLiteral("Allegati (1)"));
        QString key;
        m_ui->onModal = [&key](QDialog& d) {
            auto& dialog = static_cast<TfrmAllegaCartella&>(d);
            key = dialog.lblMemory->text();
            dialog.txtDesc01->setText("cambiata");
            dialog.btnApplica->click();
            return dialog.result();
        };
        click("btnAllega");
        QCOMPARE(key, QStringLiteral("settimanale"));
        QCOMPARE(holder("lblDesc01"), QStringLiteral("cambiata"));
        click("btnDuplica");
        QCOMPARE(m_ui->messages->shown.last().kind, MessageKind::Information);
        QVERIFY(screen()->lblPosizione->text().isEmpty());
        QVERIFY(holder("lblFile01").isEmpty());
        click("btnSalva");
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(weeklyArchive().read(2).text(u"File01"), QString());
        QCOMPARE(weeklyArchive().read(1).text(u"Desc01"), QStringLiteral("uno"));

        QString title;
        m_ui->onModal = [&title](QDialog& d) {
            title = static_cast<TfrmGuida&>(d).lblTitolo->text();
            return 0;
        };
        click("btnGuida");
        QCOMPARE(title, QStringLiteral("Applicazione Calendario Turni."));
    }

    // "/05/" as the start lists the weeks starting in May; the later of two
    // equal lines is loaded, every field, attachments and position.
    void searchLoadsTheTable()
    {
        writeTables({{{"Nome", "Maggio"}, {"DataInizio", "05/05/2025"}, {"DataFine", "11/05/2025"}, {"Sede", "Verona"}},
                     {{"Nome", "Aprile"}, {"DataInizio", "28/04/2025"}, {"DataFine", "04/05/2025"}},
                     {{"Nome", "Maggio"}, {"DataInizio", "05/05/2025"}, {"DataFine", "11/05/2025"}, {"Sede", "Verona"},
                      {"Dom12", "ULTIMO"}, {"Inizio12", "22:00"}, {"File03", "ultima.pdf"}, {"Desc03", "giusta"}}});
        openYear();
        QStringList lines;
        QString count;
        QStringList highlighted;
        m_ui->onModal = driveSearch([&](SearchDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral(" Trova turni di lavoro in archivio"));
            QCOMPARE(dialog.callerKey(), QStringLiteral("settimanale"));
            for (QWidget* eff : dialog.findChildren<QWidget*>(QRegularExpression("^eff")))
                highlighted << eff->objectName();
            dialog.criterion("DataInizio")->setText("/05/");
            shot(&dialog, "trovaset_filtri");
            QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
            shot(&dialog, "trovaset_risultati");
            lines = dialog.model->texts();
            count = dialog.lblTrovate->text();
            doubleClickRow(dialog, 0);
        });
        click("btnTrova");
        QCOMPARE(m_ui->modals, QStringList{"TfrmTrovaSet"});
        highlighted.sort();
        QCOMPARE(highlighted, (QStringList{"effAnnotazioni", "effDataFine", "effDataInizio", "effDisposizioni",
                                           "effNome", "effSede"}));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.first(), QStringLiteral("Maggio") + QString(24, ' ')
                                    + QStringLiteral("  Da: 05/05/2025  A: 11/05/2025  Sede: Verona")
                                    + QString(24, ' ') + QStringLiteral("  Note: "));
        QCOMPARE(count, QStringLiteral("Il presente riepilogo contiene 2 schede."));
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("3"));
        QCOMPARE(field("Dom12")->text(), QStringLiteral("ULTIMO"));
        QCOMPARE(field("Inizio12")->text(), QStringLiteral("22:00"));
        QCOMPARE(holder("lblFile03"), QStringLiteral("ultima.pdf"));
        QCOMPARE(holder("lblDesc03"), QStringLiteral("giusta"));
    }

    void searchCriteriaEnterChainAndPrint()
    {
        writeTables({{{"Nome", "Settimana A"}, {"DataInizio", "05/05/2025"}, {"DataFine", "11/05/2025"}}});
        TfrmTrovaSet dialog(nullptr, weekly::archivePath(Year));
        dialog.setCallerKey("settimanale");
        QVERIFY(showActive(dialog));
        QStringList chain;
        for (int i = 0; i < 7; ++i) {
            QWidget* w = QApplication::focusWidget();
            chain << w->objectName();
            QTest::keyClick(w, Qt::Key_Return);
        }
        QCOMPARE(chain, (QStringList{"txtNome", "txtSede", "txtDataInizio", "txtDataFine", "txtDisposizioni",
                                     "txtAnnotazioni", "txtNome"}));
        QStringList shown;
        for (const QLabel* l : dialog.panAvvio->findChildren<QLabel*>())
            shown << l->text();
        for (const char* label : {"Nome tabella turni:", "Sede operativa:", "Data inizio:", "Data fine:",
                                  "Disposizioni organizzative:", "Annotazioni:"})
            QVERIFY2(shown.contains(QLatin1String(label)), label);
        QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
        QCOMPARE(dialog.model->texts().size(), 1);
        QTest::mouseClick(dialog.btnStampa, Qt::LeftButton);
        QCOMPARE(m_ui->printer->pages.size(), 1);
        QVERIFY(printedTexts(m_ui->printer->pages.first()).contains("Riepilogo turni di lavoro"));
    }

    // Print and preview show the week as it stands on the screen, unsaved.
    void printAndPreviewTheShownTable()
    {
        openYear();
        field("Nome")->setText(" Non salvata ");
        field("DataInizio")->setText("12/05/2025");
        field("DataFine")->setText("11/05/2025");
        field("Lun01")->setText("ROSSI");
        field("Dom12")->setText("BIANCHI");
        m_ui->onModal = [](QDialog& d) {
            auto& window = static_cast<TfrmStampaSet&>(d);
            if (!showActive(window))
                return -1;
            [&] { QCOMPARE(window.windowTitle(), QStringLiteral(" Stampa scheda")); }();
            shot(&window, "stampaset");
            window.btnStampa->click();
            return window.result();
        };
        click("btnStampa");
        QCOMPARE(m_ui->printer->reports, QStringList{"Turno di Lavoro"});
        const Report::PreparedPage& page = m_ui->printer->pages.first();
        QCOMPARE(page.orientation, Report::Orientation::Landscape);
        const QStringList texts = printedTexts(page);
        for (const char* text : {"Non salvata", "SETTIMANA DAL  12/05/2025  AL  11/05/2025 ", "ROSSI", "BIANCHI",
                                 "DOMENICA", "Stampa eseguita in data 07/05/2025 alle ore 09:30:15"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);

        QStringList previewed;
        m_ui->onModal = [&previewed](QDialog& d) {
            if (auto* window = qobject_cast<TfrmAnteprimaSet*>(&d)) {
                [&] { QCOMPARE(window->windowTitle(), QStringLiteral(" Anteprima di stampa")); }();
                window->btnStampa->click();
                return window->result();
            }
            previewed = printedTexts(static_cast<TfrmAnteprima&>(d).report().pages.first());
            return 0;
        };
        click("btnAnteprima");
        QCOMPARE(m_ui->modals.mid(1), (QStringList{"TfrmAnteprimaSet", "TfrmAnteprima"}));
        QVERIFY(previewed.contains("SETTIMANA DAL  12/05/2025  AL  11/05/2025 "));
        QCOMPARE(weeklyArchive().count(), 0);
    }
};

QTEST_MAIN(TestWeeklyScreen)
#include "tst_weeklyscreen.moc"
