#include "app/dates.h"
#include "app/ui/browsecontroller.h"
#include "app/ui/formkit.h"
#include "app/ui/frmavvio.h"
#include "app/ui/windows.h"
#include "deadlines/deadlinesfixture.h"
#include "deadlines/ui/deadlinedialogs.h"
#include "deadlines/ui/frmscadenzario.h"
#include "members/ui/frmtrovaanagrafica.h"
#include "members/membersfixture.h"
#include "output/searchhandback.h"
#include "storage/appdir.h"
#include "support/programwindows.h"
#include "support/searchwindowtests.h"
#include "support/windowtests.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

const QString SavedNew = QString::fromUtf8("La scheda corrente è stata salvata in archivio.");
const QString SavedChanges = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString ValidDateTail = QString::fromUtf8("\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida.");

QString need(const char* what)
{
    return QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare ") + QString::fromUtf8(what);
}

}  // namespace

class TestDeadlineScreen : public ProgramWindowsTest {
    Q_OBJECT

    TfrmScadenzario* screen() const { return frmScadenzario; }
    QWidget* field(const char* name) const { return frmScadenzario->field(QLatin1String(name)); }
    QLineEdit* edit(const char* name) const { return qobject_cast<QLineEdit*>(field(name)); }
    QComboBox* list(const char* name) const { return qobject_cast<QComboBox*>(field(name)); }
    QString text(const char* name) const { return frmScadenzario->fieldText(QLatin1String(name)); }
    void click(const char* name) { ProgramWindowsTest::click(screen(), name); }
    // The menu opens the screen on the start panel.
    void openFromMenu() { openArea("btnScadenzario", screen()); }
    void openYear(const QString& year)
    {
        screen()->txtAnno->setText(year);
        click("btnApri");
    }
    void fillRequired(const QString& day = "05", const QString& month = "Marzo")
    {
        list("Giorno")->setEditText(day);
        list("Mese")->setEditText(month);
        edit("Avviso")->setText("3");
        edit("Pagatore")->setText("  Rossi Mario ");
        edit("Beneficiario")->setText("Comune di Verona");
        edit("Dettagli")->setText("Affitto sala");
    }

private slots:
    void init()
    {
        Clock::set(QDateTime(QDate(2025, 3, 5), QTime(9, 30)));
        ProgramWindowsTest::init();
    }

    void startPanelOnEveryShowing()
    {
        QCOMPARE(screen()->calAppuntamenti->selectedDate(), QDate(2025, 3, 5));
        screen()->calAppuntamenti->setSelectedDate(QDate(2025, 7, 1));
        openFromMenu();
        QVERIFY(!frmAvvio->isVisible());
        QCOMPARE(screen()->windowTitle(), QStringLiteral(" Norvalis 2.0 - Scadenzario pagamenti"));
        QVERIFY(screen()->panAvvio->isVisible());
        QVERIFY(!screen()->panContainer->isVisible());
        QCOMPARE(screen()->txtAnno->text(), QStringLiteral("2025"));
        QVERIFY(screen()->txtAnno->hasFocus());
        // The calendar keeps what the user chose; the current year's archive now exists.
        QCOMPARE(screen()->calAppuntamenti->selectedDate(), QDate(2025, 7, 1));
        QVERIFY(QFile::exists(deadlinesPath("2025")));
        shot(screen(), "scadenzario_avvio");

        // Enter in the year goes to "Apri", whose Enter opens the year.
        QTest::keyClick(screen()->txtAnno, Qt::Key_Return);
        QVERIFY(screen()->btnApri->hasFocus());
        QTest::keyClick(screen()->btnApri, Qt::Key_Return);
        QVERIFY(screen()->panContainer->isVisible());
        shot(screen(), "scadenzario_scheda");

        // Closing drops the work panel: the next showing starts again from the year.
        Clock::set(QDateTime(QDate(2026, 1, 2), QTime(8, 0)));
        click("cmdEsci");
        QVERIFY(!screen()->isVisible());
        QVERIFY(frmAvvio->isVisible());
        openFromMenu();
        QVERIFY(screen()->panAvvio->isVisible());
        QVERIFY(!screen()->panContainer->isVisible());
        QCOMPARE(screen()->windowTitle(), QStringLiteral(" Norvalis 2.0 - Scadenzario pagamenti"));
        QCOMPARE(screen()->txtAnno->text(), QStringLiteral("2026"));
    }

    void reminderIndicator_data()
    {
        QTest::addColumn<QString>("archive");  // "", "imminent", "later", "unreadable"
        QTest::addColumn<bool>("presenti");
        QTest::addColumn<bool>("okEnabled");
        QTest::addColumn<bool>("sound");
        QTest::newRow("empty archive") << "" << false << false << false;
        QTest::newRow("due in 3 days, 3 of notice") << "imminent" << true << true << true;
        QTest::newRow("due in 4 days, 3 of notice") << "later" << false << false << false;
        // Silent: the design state stays (no picture of imminent deadlines, "OK" enabled).
        QTest::newRow("unreadable archive") << "unreadable" << false << true << false;
    }
    void reminderIndicator()
    {
        QFETCH(QString, archive);
        QFETCH(bool, presenti);
        QFETCH(bool, okEnabled);
        QFETCH(bool, sound);
        if (archive == "imminent" || archive == "later")
            writeDeadlines("2025", QList<Record>{deadlineRecord(archive == "imminent" ? "08/03/2025" : "09/03/2025",
                                                                "10:00", {{"Avviso", "3"}})});
        if (archive == "unreadable")
            QVERIFY(QDir(m_dir->path()).mkdir("2025.sca"));
        openFromMenu();
        QCOMPARE(screen()->imgPresenti->isVisibleTo(screen()), presenti);
        QCOMPARE(screen()->imgAssenti->isVisibleTo(screen()), !presenti);
        QCOMPARE(screen()->btnOK->isEnabled(), okEnabled);
        QVERIFY(m_ui->messages->shown.isEmpty());
        const QStringList chime{"load " + AppDir::programPath() + "Avviso.mp3", "play"};
        QCOMPARE(m_ui->player->calls, sound ? chime : QStringList{});
    }

    // Two imminent deadlines give one chime; each showing announces them
    // again, and closing the screen stops the sound.
    void reminderSound()
    {
        writeDeadlines("2025", QList<Record>{deadlineRecord("05/03/2025", "10:00"),
                                             deadlineRecord("06/03/2025", "11:00", {{"Avviso", "1"}})});
        const QString load = "load " + AppDir::programPath() + "Avviso.mp3";
        openFromMenu();
        QCOMPARE(m_ui->player->calls, (QStringList{load, "play"}));
        screen()->close();
        QCOMPARE(m_ui->player->calls, (QStringList{load, "play", "stop"}));

        // A sound that cannot be loaded is left out without a word.
        m_ui->player->calls.clear();
        m_ui->player->loads = false;
        openFromMenu();
        QCOMPARE(m_ui->player->calls, QStringList{load});
        QVERIFY(m_ui->messages->shown.isEmpty());
        QVERIFY(screen()->imgPresenti->isVisibleTo(screen()));
    }

    void reminderKeepsItsStateWhenTheCheckFails()
    {
        writeDeadlines("2025", QList<Record>{deadlineRecord("05/03/2025", "10:00")});
        openFromMenu();
        QVERIFY(screen()->imgPresenti->isVisibleTo(screen()));
        screen()->close();
        QVERIFY(QFile::remove(deadlinesPath("2025")));
        QVERIFY(QDir(m_dir->path()).mkdir("2025.sca"));
        openFromMenu();
        QVERIFY(screen()->imgPresenti->isVisibleTo(screen()));
        QVERIFY(screen()->btnOK->isEnabled());
    }

    void openingAYear()
    {
        openFromMenu();
        openYear("202");
        QCOMPARE(lastMessage(), QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        QCOMPARE(m_ui->messages->shown.last().kind, MessageKind::Warning);
        QVERIFY(screen()->panAvvio->isVisible());
        QVERIFY(screen()->txtAnno->hasFocus());
        QTest::keyClicks(screen()->txtAnno, "x");
        QCOMPARE(screen()->txtAnno->text(), QStringLiteral("202"));

        openYear("2024");
        QCOMPARE(screen()->windowTitle(), QStringLiteral(" Norvalis 2.0 - Scadenzario pagamenti anno 2024"));
        QVERIFY(!screen()->panAvvio->isVisible());
        QCOMPARE(screen()->lblFile->text(), deadlinesPath("2024"));
        QVERIFY2(!QFile::exists(deadlinesPath("2024")), "the archive is opened by the first browse or save");
        QCOMPARE(screen()->findChild<QLabel*>("lblAnno")->text(), QStringLiteral("2024"));
        QCOMPARE(text("Giorno"), QString());
        QCOMPARE(list("Giorno")->currentIndex(), -1);
        QCOMPARE(text("OreApp"), QStringLiteral("00"));
        QCOMPARE(text("MinutiApp"), QStringLiteral("00"));
        QCOMPARE(text("Costo"), QStringLiteral("0,00"));
        QVERIFY(screen()->lblPosizione->text().isEmpty());
        QVERIFY(field("Giorno")->hasFocus());
        auto* eff = screen()->findChild<QWidget*>("effGiorno");
        QVERIFY(eff && eff->isVisible());
        QCOMPARE(screen()->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        QCOMPARE(list("Giorno")->count(), 31);
        QCOMPARE(list("MinutiApp")->itemText(59), QStringLiteral("59"));
        QCOMPARE(edit("Dettagli")->maxLength(), 250);
        QCOMPARE(edit("Costo")->maxLength(), 15);
        QCOMPARE(edit("CodFisc")->maxLength(), 16);
    }

    void inputRulesAndEnterChain()
    {
        openFromMenu();
        openYear("2025");
        QTest::keyClicks(field("Giorno"), "a1");
        QCOMPARE(text("Giorno"), QString());
        QTest::keyClicks(field("OreApp"), "x");
        QCOMPARE(text("OreApp"), QStringLiteral("00"));
        QTest::keyClicks(edit("Avviso"), "1a2");
        QCOMPARE(text("Avviso"), QStringLiteral("12"));
        QTest::keyClicks(edit("CodFisc"), " rss mra");
        QCOMPARE(text("CodFisc"), QStringLiteral("RSSMRA"));
        // A loaded text that is not one of the list's is dropped on leaving.
        list("Mese")->setEditText("marzo");
        list("Mese")->setFocus();
        QTest::keyClick(field("Mese"), Qt::Key_Return);
        QVERIFY(field("OreApp")->hasFocus());
        QCOMPARE(text("Mese"), QString());
        // The amount takes digits and one comma, and is normalised on leaving.
        edit("Costo")->setFocus();
        edit("Costo")->clear();
        QTest::keyClicks(edit("Costo"), "12a");
        QCOMPARE(text("Costo"), QStringLiteral("12"));
        QTest::keyClick(edit("Costo"), Qt::Key_Return);
        QVERIFY(field("Contatto")->hasFocus());
        QCOMPARE(text("Costo"), QStringLiteral("12,00"));
        edit("Costo")->setFocus();
        edit("Costo")->clear();
        QTest::keyClicks(edit("Costo"), "3,14159");
        edit("Note")->setFocus();
        QCOMPARE(text("Costo"), QStringLiteral("3,1416"));
        QTest::keyClick(edit("Note"), Qt::Key_Return);
        QVERIFY(field("Giorno")->hasFocus());
    }

    void saveChecks_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("beneficiary");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("kind");
        const int warning = int(MessageKind::Warning);
        QTest::newRow("no day") << "" << "Marzo" << "B" << "C" << need("il giorno della scadenza.") << "Giorno"
                                << warning;
        QTest::newRow("both beneficiary and reason empty")
            << "05" << "Marzo" << "" << "" << need("il nome del Beneficiario.") << "Beneficiario" << warning;
        QTest::newRow("31 April") << "31" << "Aprile" << "B" << "C"
                                  << "Attenzione: la data 31/04/2025 non esiste." + ValidDateTail << "Giorno"
                                  << int(MessageKind::Plain);
        QTest::newRow("29 February, not a leap year")
            << "29" << "Febbraio" << "B" << "C" << "Attenzione: la data 29/02/2025 non esiste." + ValidDateTail
            << "Giorno" << int(MessageKind::Plain);
    }
    void saveChecks()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, beneficiary);
        QFETCH(QString, reason);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(int, kind);
        openFromMenu();
        openYear("2025");
        fillRequired(day, month);
        edit("Beneficiario")->setText(beneficiary);
        edit("Dettagli")->setText(reason);
        edit("Avviso")->setFocus();
        click("cmdSalva");
        QCOMPARE(lastMessage(), message);
        QCOMPARE(int(m_ui->messages->shown.last().kind), kind);
        QVERIFY(field(focus.toLatin1().constData())->hasFocus());
        QCOMPARE(Archive(deadlinesPath("2025"), deadlines::recordLayout()).count(), 0);
    }

    void saveAppendsThenOverwrites()
    {
        QList<Record> seven;
        for (int i = 1; i <= 7; ++i)
            seven << deadlineRecord(QStringLiteral("%1/06/2024").arg(i, 2, 10, QLatin1Char('0')), "09:00");
        writeDeadlines("2024", seven);
        openFromMenu();
        openYear("2024");
        fillRequired("29", "Febbraio");
        list("OreApp")->setEditText("14");
        list("MinutiApp")->setEditText("30");
        edit("Costo")->clear();
        screen()->chkEffettuata->setChecked(true);
        click("cmdSalva");
        QCOMPARE(lastMessage(), SavedNew);
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("8"));
        QCOMPARE(text("Costo"), QStringLiteral("0,00"));
        const Archive archive(deadlinesPath("2024"), deadlines::recordLayout());
        QCOMPARE(archive.count(), 8);
        const Record saved = archive.read(8);
        const QList<std::pair<const char*, QString>> stored{
            {"Giorno", "29"}, {"Mese", "Febbraio"}, {"Anno", "2024"}, {"Data", "29/02/2024"}, {"Ora", "14:30"},
            {"Pagatore", "Rossi Mario"}, {"Costo", "0,00"}};
        for (const auto& [name, value] : stored)
            QCOMPARE(saved.text(QString::fromLatin1(name)), value);
        QCOMPARE(saved.flag(u"Effettuata"), std::optional<bool>(true));
        QCOMPARE(saved.flag(u"DaConfermare"), std::optional<bool>(false));

        edit("Note")->setText("Seconda rata");
        click("cmdSalva");
        QCOMPARE(lastMessage(), SavedChanges);
        QCOMPARE(archive.count(), 8);
        QCOMPARE(archive.read(8).text(u"Note"), QStringLiteral("Seconda rata"));

        // Browsing shows the stored records; "Nuovo" clears the screen again.
        click("cmdPrimo");
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(text("Giorno"), QStringLiteral("01"));
        QCOMPARE(text("Mese"), QStringLiteral("Giugno"));
        QVERIFY(!screen()->chkEffettuata->isChecked());
        click("cmdNuovo");
        QVERIFY(screen()->lblPosizione->text().isEmpty());
        QCOMPARE(text("Mese"), QString());
        QCOMPARE(text("Costo"), QStringLiteral("0,00"));
        QCOMPARE(screen()->findChild<QLabel*>("lblAnno")->text(), QStringLiteral("2024"));
        click("cmdAvanti");
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("1"));
    }

    void duplicate()
    {
        openFromMenu();
        openYear("2025");
        click("cmdDuplica");
        QCOMPARE(lastMessage(), QString::fromUtf8("Attenzione: la duplicazione di una scheda può avvenire soltanto "
                                                  "dopo che questa è stata inserita in archivio."));
        fillRequired();
        list("OreApp")->setEditText("10");
        edit("Costo")->setText("150,00");
        screen()->chkDaConfermare->setChecked(true);
        click("cmdSalva");
        click("cmdDuplica");
        QCOMPARE(lastMessage(), QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente."
                                               "\n\r\n\rAl termine premere Salva per inserire la scheda in archivio."));
        QVERIFY(screen()->lblPosizione->text().isEmpty());
        QCOMPARE(text("Giorno"), QString());
        QCOMPARE(text("Mese"), QString());
        QCOMPARE(text("OreApp"), QStringLiteral("00"));
        QCOMPARE(text("Pagatore"), QStringLiteral("  Rossi Mario "));
        QVERIFY(screen()->chkDaConfermare->isChecked());
        QVERIFY(field("Giorno")->hasFocus());
        const Archive archive(deadlinesPath("2025"), deadlines::recordLayout());
        QCOMPARE(archive.count(), 1);

        fillRequired("05", "Aprile");
        click("cmdSalva");
        QCOMPARE(lastMessage(), SavedNew);
        QCOMPARE(archive.count(), 2);
        const Record copy = archive.read(2);
        QCOMPARE(copy.text(u"Data"), QStringLiteral("05/04/2025"));
        QCOMPARE(copy.text(u"Costo"), QStringLiteral("150,00"));
        QCOMPARE(copy.flag(u"DaConfermare"), std::optional<bool>(true));

        // A duplicate whose archive cannot be used changes nothing.
        QVERIFY(QFile::remove(deadlinesPath("2025")));
        QVERIFY(QDir(m_dir->path()).mkdir("2025.sca"));
        list("Giorno")->setEditText("07");
        click("cmdDuplica");
        QCOMPARE(m_ui->messages->shown.last().kind, MessageKind::Error);
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(text("Giorno"), QStringLiteral("07"));
    }

    void payerImportAndTaxCodeCheck()
    {
        openFromMenu();
        openYear("2025");
        writeDeadlines("2025", QList<Record>{deadlineRecord("01/03/2025", "09:00"),
                                             deadlineRecord("02/03/2025", "09:00")});
        click("cmdUltimo");
        edit("Beneficiario")->setText("Scritto a mano");
        const Record member = memberRecord({{"Tesserato", " Bianchi Anna "}, {"CodFisc", "BNCNNA80A41F205X"},
                                            {"NumTessera", "42"}, {"Carica", "Tesoriere"}, {"TelCel", "333 1234567"},
                                            {"Recapito", "Sede"}, {"Note", "non importata"}});
        QVERIFY(SearchHandBack::deliver(TfrmTrovaAnagrafica::route("scadenzario"), 3, member));
        const QList<std::pair<const char*, QString>> imported{
            {"Pagatore", "Bianchi Anna"}, {"CodFisc", "BNCNNA80A41F205X"}, {"NumTessera", "42"},
            {"Carica", "Tesoriere"},      {"TelCel", "333 1234567"},       {"Recapito", "Sede"}};
        for (const auto& [name, value] : imported)
            QCOMPARE(text(name), value);
        QCOMPARE(text("Note"), QString());
        QCOMPARE(text("Beneficiario"), QStringLiteral("Scritto a mano"));
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("2"));

        click("impPag");
        QCOMPARE(m_ui->modals, QStringList{"TfrmTrovaAnagrafica"});
        // Digits only are a VAT number; anything else, or nothing, a tax code.
        const std::pair<const char*, const char*> checks[] = {
            {"12345678903", "TfrmPartitaIva"}, {"BNCNNA80A41F205X", "TfrmCodFisc"}, {"", "TfrmCodFisc"}};
        for (const auto& [code, window] : checks) {
            m_ui->modals.clear();
            edit("CodFisc")->setText(code);
            click("btnCodFisc");
            QCOMPARE(m_ui->modals, QStringList{window});
        }

        // A deadline picked in the screen's own lists and search is shown as if browsed to.
        for (const SearchHandBack::Route& route : deadlineScreenRoutes()) {
            click("cmdNuovo");
            QVERIFY(SearchHandBack::deliver(route, 1, Record(deadlines::recordLayout())));
            QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("1"));
            QCOMPARE(text("Giorno"), QStringLiteral("01"));
        }
    }

    // A deadline picked in the search becomes the current record: saving it
    // again updates it in place instead of adding a copy.
    void aDeadlinePickedInTheSearchIsSavedInPlace()
    {
        writeDeadlines("2025", QList<Record>{deadlineRecord("01/03/2025", "09:00", {{"Dettagli", "Luce"}}),
                                             deadlineRecord("02/03/2025", "09:00", {{"Dettagli", "Gas"}})});
        openFromMenu();
        openYear("2025");
        m_ui->onModal = driveSearch([](SearchDialog& dialog) {
            dialog.criterion("Dettagli")->setText("gas");
            QTest::mouseClick(dialog.btnCerca, Qt::LeftButton);
            doubleClickRow(dialog, 0);
        });
        click("cmdTrova");
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("2"));
        edit("Note")->setText("pagata in ritardo");
        click("cmdSalva");
        QCOMPARE(lastMessage(), SavedChanges);
        const Archive archive(deadlinesPath("2025"), deadlines::recordLayout());
        QCOMPARE(archive.count(), 2);
        QCOMPARE(archive.read(2).text(u"Note"), QStringLiteral("pagata in ritardo"));
    }

    void hintsAndTheWindowsTheButtonsOpen()
    {
        openFromMenu();
        openYear("2025");
        auto* hints = screen()->findChild<HintBar*>();
        QVERIFY(hints);
        const std::pair<const char*, const char*> some[] = {
            {"cmdDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
            {"cmdImporta", "Visualizza l'anteprima di stampa."},
            {"impPag", "Importa i dati del Pagatore dall'archivio anagrafico dei Soci."},
            {"chkEffettuata", "Spunta questa casella per annotare che il pagamento \u00E8 stata effettuato."}};
        for (const auto& [name, hint] : some)
            QCOMPARE(hints->hintFor(screen()->findChild<QWidget*>(name)), QString::fromUtf8(hint));
        // The lists, the search, the export and the preview open modally; the
        // sheet goes to the print dialog.
        for (const char* name : {"cmdTrova", "cmdImporta", "cmdEsporta", "cmdDaConfermare", "cmdDaEffettuare",
                                 "cmdEffettuate"}) {
            const qsizetype before = m_ui->modals.size();
            click(name);
            QVERIFY2(m_ui->modals.size() == before + 1, name);
        }
        click("cmdStampa");
        QCOMPARE(m_ui->printer->dialogs, 1);
    }

    // A line picked in a status list fills the real screen: the month in its
    // drop-down, date, time, flags and the position.
    void aLinePickedInAListFillsTheScreen()
    {
        writeDeadlines("2025", QList<Record>{deadlineRecord("01/02/2025", "08:00", {{"Dettagli", "Gas"}}),
                                             deadlineRecord("15/07/2025", "17:45",
                                                            {{"Dettagli", "Luce"}, {"Effettuata", "S\u00EC"}})});
        openFromMenu();
        openYear("2025");
        m_ui->onModal = pickFirstLine();
        click("cmdEffettuate");
        QCOMPARE(screen()->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(text("Dettagli"), QStringLiteral("Luce"));
        QCOMPARE(list("Giorno")->currentText(), QStringLiteral("15"));
        QCOMPARE(list("Mese")->currentText(), QStringLiteral("Luglio"));
        QCOMPARE(text("OreApp") + ":" + text("MinutiApp"), QStringLiteral("17:45"));
        QVERIFY(screen()->chkEffettuata->isChecked());
        QVERIFY(!screen()->chkDaConfermare->isChecked());
    }

    void startPanelListsOpen()
    {
        openFromMenu();
        for (const char* name : {"btnGiorno", "btnMese"}) {
            const qsizetype before = m_ui->modals.size();
            QTest::mouseClick(screen()->findChild<QToolButton*>(name), Qt::LeftButton);
            QVERIFY2(m_ui->modals.size() == before + 1, name);
        }
    }
};

QTEST_MAIN(TestDeadlineScreen)
#include "tst_deadlinescreen.moc"
