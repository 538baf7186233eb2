#include "app/crypt.h"
#include "app/dates.h"
#include "app/helptexts.h"
#include "app/password.h"
#include "app/shellrules.h"
#include "app/ui/formkit.h"
#include "app/ui/frmavvio.h"
#include "app/ui/frmcalendario.h"
#include "app/ui/frmcambiapassword.h"
#include "app/ui/frmguida.h"
#include "app/ui/frminfo.h"
#include "app/ui/frmmenuregistro.h"
#include "shifts/ui/frmsettimanale.h"
#include "app/ui/frmpassword.h"
#include "app/ui/frmverifica.h"
#include "app/ui/windows.h"
#include "output/infosheet.h"
#include "cards/ui/frmtessera.h"
#include "cards/ui/frmtessere.h"
#include "deadlines/ui/frmscadenzario.h"
#include "hours/ui/frmorari.h"
#include "members/ui/frmanagrafica.h"
#include "storage/appdir.h"
#include "support/fulldisk.h"
#include "support/programwindows.h"
#include "support/uidoubles.h"
#include "support/windowtests.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

QString passwordPath()
{
    return AppDir::filePath(QLatin1String(PasswordFile::FileName));
}

void writeFile(const QString& path)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write("%PDF-1.4\n");
}

void writePasswordFile(const QByteArray& content)
{
    QFile f(passwordPath());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

QByteArray readPasswordFile()
{
    QFile f(passwordPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Types any text, accented letters included, as key presses.
void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(widget, QString(c));
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
            QApplication::sendEvent(widget, &release);
        }
    }
}

}  // namespace

class TestShell : public ProgramWindowsTest {
    Q_OBJECT

private slots:
    void cleanup()
    {
        ProgramWindowsTest::cleanup();
        AppDir::setProgramPath(QCoreApplication::applicationDirPath());
    }

    void windowsAreCreatedOnceInOrder()
    {
        QCOMPARE(createdWindows(),
                 (QStringList{"frmPassword", "frmAvvio", "frmAllegaCartella", "frmAnagrafica", "frmAnteprima",
                              "frmAnteprimaTessera", "frmAnteprimaTessere", "frmCalendario", "frmCambiaPassword",
                              "frmCarta", "frmCodFisc", "frmDatiEnte", "frmExpAnagrafica", "frmGuida", "frmIban",
                              "frmInfo", "frmPartitaIva", "frmScadenzario", "frmSospesi", "frmSplash",
                              "frmStampaTessera", "frmStampaTessere", "frmTessera", "frmTessere",
                              "frmTrovaAnagrafica", "frmZoom", "frmOrari", "frmTrovaOrari", "frmExpOrari",
                              "frmStampaOrario", "frmMenuRegistro", "frmTurni", "frmSettimanale", "frmTrovaTurni",
                              "frmExpTurni", "frmAnteprimaTurno", "frmStampaTurno", "frmStampaSet", "frmAnteprimaSet",
                              "frmTrovaSet", "frmWebCam"}));
        QCOMPARE(frmPassword->windowTitle(), QStringLiteral(" Norvalis 2.0 - Accesso"));
        QVERIFY(!(frmPassword->windowFlags() & Qt::WindowCloseButtonHint));
    }

    void login_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("lower case") << "RAVENQUILLOTTO" << "ravenquillotto" << true;
        QTest::newRow("mixed case, blanks around") << "RAVENQUILLOTTO" << "  RavenQuillotto \t" << true;
        QTest::newRow("blank inside") << "RAVENQUILLOTTO" << "raven quillotto" << false;
        QTest::newRow("accented letter not upper-cased") << QString::fromUtf8("CITTÀ2024")
                                                         << QString::fromUtf8("città2024") << false;
        QTest::newRow("accented letter as stored") << QString::fromUtf8("CITTÀ2024")
                                                   << QString::fromUtf8("cittÀ2024") << true;
        QTest::newRow("stored lower case never matches") << "segreto" << "segreto" << false;
    }
    void login()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QVERIFY(PasswordFile::storePassword(passwordPath(), stored));
        activate(frmPassword);
        typeText(frmPassword->txtPassword, typed);
        QVERIFY(frmPassword->cmdOK->isEnabled());
        QTest::mouseClick(frmPassword->cmdOK, Qt::LeftButton);
        QCOMPARE(frmAvvio->isVisible(), accepted);
        QCOMPARE(frmPassword->isVisible(), !accepted);
        if (!accepted) {
            QCOMPARE(m_ui->messages->texts(), QStringList{"Attenzione: password errata."});
            QCOMPARE(m_ui->messages->shown.first().kind, MessageKind::Information);
            QVERIFY(frmPassword->txtPassword->text().isEmpty());
            QVERIFY(frmPassword->txtPassword->hasFocus());
        } else {
            QVERIFY(m_ui->messages->shown.isEmpty());
        }
    }

    void loginFileFailures()
    {
        activate(frmPassword);
        QFile::remove(passwordPath());
        QTest::keyClicks(frmPassword->txtPassword, "ravenquillotto");
        QTest::keyClick(frmPassword->txtPassword, Qt::Key_Return);
        QCOMPARE(m_ui->messages->texts(), QStringList{"Attenzione: password errata."});

        writePasswordFile("[Accesso]\r\nValore=08F641X598\r\n");
        QTest::keyClicks(frmPassword->txtPassword, "ravenquillotto");
        QTest::keyClick(frmPassword->txtPassword, Qt::Key_Return);
        QCOMPARE(m_ui->messages->texts().last(),
                 QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                                "password. Si consiglia di reinstallare il software."));
        // The window stays as it was.
        QCOMPARE(frmPassword->txtPassword->text(), QStringLiteral("ravenquillotto"));
        QVERIFY(frmPassword->isVisible());
    }

    void okNeedsAPassword()
    {
        activate(frmPassword);
        QVERIFY(!frmPassword->cmdOK->isEnabled());
        QTest::keyClicks(frmPassword->txtPassword, "   ");
        QVERIFY(!frmPassword->cmdOK->isEnabled());
        QTest::keyClick(frmPassword->txtPassword, Qt::Key_Return);
        QVERIFY(m_ui->messages->shown.isEmpty());
        QTest::keyClicks(frmPassword->txtPassword, "x");
        QVERIFY(frmPassword->cmdOK->isEnabled());
        auto* eff = frmPassword->findChild<QFrame*>("effPassword");
        QVERIFY(eff && eff->isVisible());
        frmPassword->cmdOK->setFocus();
        QVERIFY(!eff->isVisible());
        shot(frmPassword, "login");
    }

    void passwordChange()
    {
        activate(frmPassword);
        QTest::mouseClick(frmPassword->btnCambiaPassword, Qt::LeftButton);
        QVERIFY(!frmPassword->isVisible());
        activate(frmCambiaPassword);
        auto* w = frmCambiaPassword;
        QVERIFY(w->txtPasswordOld->hasFocus());
        QVERIFY(!w->cmdOK->isEnabled());

        // Enter goes round the fields and never presses OK.
        QTest::keyClicks(w->txtPasswordOld, "ravenquillotto");
        QTest::keyClick(w->txtPasswordOld, Qt::Key_Return);
        QVERIFY(w->txtPasswordNew->hasFocus());
        QTest::keyClicks(w->txtPasswordNew, "  nuova Chiave1 ");
        QTest::keyClick(w->txtPasswordNew, Qt::Key_Return);
        QVERIFY(w->txtConferma->hasFocus());
        QVERIFY(!w->cmdOK->isEnabled());
        QTest::keyClicks(w->txtConferma, "nuova chiave1");
        QVERIFY(w->cmdOK->isEnabled());
        QTest::keyClick(w->txtConferma, Qt::Key_Return);
        QVERIFY(w->txtPasswordOld->hasFocus());
        QVERIFY(m_ui->messages->shown.isEmpty());
        shot(w, "cambia_password");

        // Confirmation differing in letter case is refused.
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        QCOMPARE(m_ui->messages->texts().last(),
                 QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                                "E' necessario reinserire entrambi i valori."));
        QVERIFY(w->txtPasswordNew->text().isEmpty() && w->txtConferma->text().isEmpty());
        QVERIFY(w->txtPasswordNew->hasFocus());

        QTest::keyClicks(w->txtPasswordNew, "  nuova Chiave1 ");
        QTest::keyClicks(w->txtConferma, "nuova Chiave1");
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        QCOMPARE(m_ui->messages->texts().last(), QStringLiteral("Modifica della password completata con successo."));
        // Stored upper case, blanks around dropped, the blank inside kept.
        QCOMPARE(readPasswordFile(),
                 "[Accesso]\r\nValore=" + Crypt::ScrambleText("NUOVA CHIAVE1").toLatin1() + "\r\n");
        // Back at the login, empty, which now takes the new password in any case.
        QVERIFY(!w->isVisible());
        QVERIFY(frmPassword->isVisible());
        QVERIFY(frmPassword->txtPassword->text().isEmpty());
        QTest::keyClicks(frmPassword->txtPassword, "Nuova chiavE1");
        QTest::mouseClick(frmPassword->cmdOK, Qt::LeftButton);
        QVERIFY(frmAvvio->isVisible());
    }

    void passwordChangeRefusals()
    {
        activate(frmCambiaPassword);
        auto* w = frmCambiaPassword;
        QTest::keyClicks(w->txtPasswordOld, "sbagliata");
        QTest::keyClicks(w->txtPasswordNew, "a");
        QTest::keyClicks(w->txtConferma, "a");
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        QCOMPARE(m_ui->messages->texts().last(), QStringLiteral("Attenzione: vecchia password errata."));
        QVERIFY(w->txtPasswordOld->text().isEmpty() && w->txtPasswordOld->hasFocus());
        QCOMPARE(w->txtPasswordNew->text(), QStringLiteral("a"));

        // A damaged file: the reinstall message, the window stays open.
        writePasswordFile("[Accesso]\r\nValore=QQ\r\n");
        QTest::keyClicks(w->txtPasswordOld, "x");
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        QCOMPARE(m_ui->messages->texts().last(),
                 QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della "
                                "password. Si consiglia di reinstallare il software."));
        QVERIFY(w->isVisible());
        QCOMPARE(readPasswordFile(), QByteArray("[Accesso]\r\nValore=QQ\r\n"));

        // A disk with no room left: the same message, and the old password still opens.
        QVERIFY(PasswordFile::storePassword(passwordPath(), QStringLiteral("VECCHIA")));
        const QByteArray stored = readPasswordFile();
        w->txtPasswordOld->clear();
        QTest::keyClicks(w->txtPasswordOld, "vecchia");
        {
            const FullDisk full;
            QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        }
        QCOMPARE(m_ui->messages->texts().last(), PasswordFile::ChangeFailureMessage);
        QVERIFY(w->isVisible());
        QCOMPARE(readPasswordFile(), stored);
        QVERIFY(PasswordFile::matches(passwordPath(), QStringLiteral("vecchia")));

        // "Chiudi" returns to the login window.
        QTest::mouseClick(w->cmdEsci, Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QVERIFY(frmPassword->isVisible());
    }

    void passwordChangeKeepsOnlyWhatTheScrambleKeeps_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("accented Latin letters") << QString::fromUtf8("perché sì ÿ") << true;
        QTest::newRow("euro sign") << QString::fromUtf8("prezzo€10") << false;
        QTest::newRow("Greek letter") << QString::fromUtf8("omegaΩ1234") << false;
        QTest::newRow("outside the basic plane") << QString::fromUtf8("chiave\U0001F511") << false;
    }
    void passwordChangeKeepsOnlyWhatTheScrambleKeeps()
    {
        QFETCH(QString, password);
        QFETCH(bool, accepted);
        const QByteArray before = readPasswordFile();
        activate(frmCambiaPassword);
        auto* w = frmCambiaPassword;
        QTest::keyClicks(w->txtPasswordOld, "ravenquillotto");
        // Set, not typed: typeText sends one key a UTF-16 unit, which would split
        // a character outside the basic plane.
        w->txtPasswordNew->setText(password);
        w->txtConferma->setText(password);
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        if (!accepted) {
            QCOMPARE(m_ui->messages->texts(), QStringList{PasswordFile::NotStorableMessage});
            QVERIFY(m_ui->messages->texts().first().startsWith(
                QStringLiteral("Attenzione: la password può contenere soltanto lettere, cifre e simboli "
                               "dell'alfabeto latino")));
            QCOMPARE(m_ui->messages->shown.first().kind, MessageKind::Warning);
            QCOMPARE(readPasswordFile(), before);
            QVERIFY(w->isVisible());
            QVERIFY(w->txtPasswordNew->text().isEmpty() && w->txtConferma->text().isEmpty());
            QVERIFY(w->txtPasswordNew->hasFocus());
            QCOMPARE(w->txtPasswordOld->text(), QStringLiteral("ravenquillotto"));
            return;
        }
        // What was stored is what the login takes afterwards.
        QCOMPARE(m_ui->messages->texts(), QStringList{PasswordFile::ChangedMessage});
        frmPassword->txtPassword->setText(password);
        QTest::mouseClick(frmPassword->cmdOK, Qt::LeftButton);
        QVERIFY(frmAvvio->isVisible());
    }

    void mainMenu()
    {
        activate(frmAvvio);
        shot(frmAvvio, "menu");
        // The card, deadline and service-hours screens open from the menu, which hides.
        const std::pair<const char*, QWidget*> cardAreas[] = {{"btnTessera", (QWidget*)frmTessera},
                                                              {"btnTessere", (QWidget*)frmTessere},
                                                              {"btnScadenzario", (QWidget*)frmScadenzario},
                                                              {"btnRegistro", (QWidget*)frmOrari}};
        for (const auto& [bar, screen] : cardAreas) {
            QTest::mouseClick(frmAvvio->findChild<QPushButton*>(bar), Qt::LeftButton);
            QVERIFY2(screen->isVisible() && !frmAvvio->isVisible(), bar);
            screen->close();
            QVERIFY2(frmAvvio->isVisible(), bar);
        }
        QCOMPARE(frmAvvio->findChild<QPushButton*>("btnRiepilogo")->text(), QStringLiteral("CALENDARIO TURNI"));

        // About: the e-mail link, enclosed in double quotes.
        m_ui->onModal = [](QDialog& d) {
            shot(&d, QString::fromLatin1(d.metaObject()->className()));
            if (auto* link = d.findChild<LinkLabel*>("lnkWeb"))
                emit link->clicked();
            return int(QDialog::Accepted);
        };
        QTest::mouseClick(frmAvvio->findChild<QToolButton*>("imgInfo"), Qt::LeftButton);
        QTest::mouseClick(frmAvvio->findChild<QToolButton*>("imgCopyright"), Qt::LeftButton);
        QCOMPARE(m_ui->modals, (QStringList{"TfrmInfo", "TfrmSplash"}));
        QCOMPARE(m_ui->shell->opened,
                 (QStringList{"\"mailto:info@norvalis.it?subject=Software Norvalis 2.0&body=Salve, desidererei "
                              "avere le seguenti informazioni sul software in oggetto:\"",
                              "https://www.norvalis.it"}));

        // The shift calendar goes through the year chooser; the menu hides.
        QTest::mouseClick(frmAvvio->findChild<QPushButton*>("btnRiepilogo"), Qt::LeftButton);
        QVERIFY(frmMenuRegistro->isVisible());
        QVERIFY(!frmAvvio->isVisible());
        frmMenuRegistro->close();
        QVERIFY(frmAvvio->isVisible());

        QTest::mouseClick(frmAvvio->findChild<QToolButton*>("imgEsci"), Qt::LeftButton);
        QVERIFY(!frmAvvio->isVisible());
    }

    // "Verifica archivi..." in the about window checks the data folder and
    // lists what it found; a second look after a repair says all is well.
    void archiveCheckWindow()
    {
        const QString sca = m_dir->filePath("2025.sca");
        QFile damaged(sca);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(1368 + 10, '\0'));  // one record of empty fields and 10 bytes more
        damaged.close();
        QStringList seen;
        m_ui->onModal = [&seen](QDialog& d) {
            if (auto* info = qobject_cast<TfrmInfo*>(&d)) {
                QTest::mouseClick(info->btnVerifica, Qt::LeftButton);
                return int(QDialog::Accepted);
            }
            auto& check = static_cast<TfrmVerifica&>(d);
            check.show();
            shot(&check, "verifica");
            seen << check.lblEsito->text() << check.txtProblemi->toPlainText();
            QFile::resize(check.txtProblemi->toPlainText().section(':', 0, 0), 0);
            QTest::mouseClick(check.btnVerifica, Qt::LeftButton);
            seen << check.lblEsito->text();
            [&] { QCOMPARE(check.focusWidget(), check.btnChiudi); }();
            return int(QDialog::Accepted);
        };
        QTest::mouseClick(frmAvvio->findChild<QToolButton*>("imgInfo"), Qt::LeftButton);
        QCOMPARE(m_ui->modals, (QStringList{"TfrmInfo", "TfrmVerifica"}));
        QCOMPARE(seen.value(0).left(50), QStringLiteral("Archivi controllati: 1. Problemi trovati: 4. Le sc"));
        QCOMPARE(seen.value(1).split('\n').size(), 4);  // date, two flags, the partial record
        QVERIFY(seen.value(1).endsWith(sca + ": gli ultimi 10 byte non formano una scheda intera"));
        QCOMPARE(seen.value(2), QStringLiteral("Archivi controllati: 1. Nessun problema trovato."));
    }

    void helpWindow()
    {
        QStringList seen;
        m_ui->onModal = [&seen](QDialog& d) {
            auto& help = static_cast<TfrmGuida&>(d);
            d.show();
            seen << help.lblTitolo->text();
            seen << QString::number(d.width()) + "x" + QString::number(d.height());
            if (seen.size() == 2) {
                shot(&d, "guida");
                QTest::mouseClick(help.lnkWeb, Qt::LeftButton);
            }
            if (!help.txtGuida->toPlainText().contains("ravenquillotto"))
                seen << "no password in the text";
            return int(QDialog::Accepted);
        };
        // The manual comes with the program, whatever the data folder.
        const QString program = m_dir->filePath("programma/");
        QVERIFY(QDir().mkpath(program));
        AppDir::setProgramPath(program);
        writeFile(program + "Guida.pdf");
        writeFile(AppDir::filePath("Guida.pdf"));
        activate(frmAvvio);
        for (int i = 0; i < 2; ++i)
            QTest::mouseClick(frmAvvio->findChild<QToolButton*>("imgGuida"), Qt::LeftButton);
        QCOMPARE(seen, (QStringList{"Uno sguardo a Norvalis 2.0.", "676x598", "Uno sguardo a Norvalis 2.0.",
                                    "676x598"}));
        QCOMPARE(m_ui->shell->opened, QStringList{"\"" + program + "Guida.pdf\""});
        QCOMPARE(m_ui->shell->urls, QList<QUrl>{QUrl::fromLocalFile(program + "Guida.pdf")});
        QVERIFY(m_ui->messages->shown.isEmpty());
        QVERIFY(HelpTexts::topic("avvio").body.contains(QStringLiteral("ravenquillotto")));
        // The one logo of the help band, the login and the printed sheets.
        QVERIFY(QFile::exists(QString::fromLatin1(InfoSheet::LogoResource)));
    }

    void shellFailuresAreReported()
    {
        // A missing manual is not handed to the shell.
        QVERIFY(QDir().mkpath(m_dir->filePath("vuota")));
        AppDir::setProgramPath(m_dir->filePath("vuota"));
        TfrmGuida help;
        QTest::mouseClick(help.lnkWeb, Qt::LeftButton);
        QVERIFY(m_ui->shell->opened.isEmpty());
        const QString manual = m_dir->filePath("vuota/Guida.pdf");
        QCOMPARE(m_ui->messages->texts(),
                 QStringList{"Attenzione: impossibile aprire il file \"" + manual + "\": il file non esiste."});
        QCOMPARE(m_ui->messages->shown.first().kind, MessageKind::Warning);

        // A shell with no program for it: the warning names what it was.
        m_ui->messages->shown.clear();
        m_ui->shell->fails = true;
        writeFile(manual);
        QVERIFY(!TMisc::Open(ShellOpen::file(manual)));
        QVERIFY(!TMisc::Open(ShellOpen::mail("rossi@example.it", {{"subject", "Rinnovo tessera"}})));
        QVERIFY(!TMisc::Open("https://www.norvalis.it"));
        const QString hint = "\r\n\r\nVerificare che nel sistema sia installato un programma adatto.";
        QCOMPARE(m_ui->messages->texts(),
                 (QStringList{"Attenzione: impossibile aprire il file \"" + manual + "\"." + hint,
                              "Attenzione: impossibile preparare il messaggio di posta elettronica per "
                              "rossi@example.it." + hint,
                              "Attenzione: impossibile aprire l'indirizzo https://www.norvalis.it." + hint}));
        QCOMPARE(m_ui->shell->opened.size(), 3);
        m_ui->shell->fails = false;
        QVERIFY(TMisc::Open(ShellOpen::file(manual)));
        QCOMPARE(m_ui->messages->shown.size(), 3);
    }

    void yearChooser()
    {
        Clock::set(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59)));
        activate(frmMenuRegistro);
        QCOMPARE(frmMenuRegistro->txtAnnoFatture->text(), QStringLiteral("2025"));
        QCOMPARE(frmMenuRegistro->lblMemory->text(), QStringLiteral("avvio"));
        QVERIFY(frmMenuRegistro->txtAnnoFatture->hasFocus());
        shot(frmMenuRegistro, "menuregistro");
        frmMenuRegistro->close();

        Clock::set(QDateTime(QDate(2026, 1, 1), QTime(0, 0, 1)));
        activate(frmMenuRegistro);
        QCOMPARE(frmMenuRegistro->txtAnnoFatture->text(), QStringLiteral("2026"));
        QCOMPARE(frmMenuRegistro->txtAnnoSet->text(), QStringLiteral("2026"));

        // Only digits get in; Tab is discarded too.
        QLineEdit* year = frmMenuRegistro->txtAnnoFatture;
        QTest::keyClick(year, Qt::Key_Backspace);
        QTest::keyClick(year, Qt::Key_Backspace);
        QTest::keyClicks(year, "a-b ");
        QTest::keyClick(year, Qt::Key_Tab);
        QCOMPARE(year->text(), QStringLiteral("20"));
        QVERIFY(year->hasFocus());
        QTest::keyClicks(year, "2");
        QTest::keyClick(year, Qt::Key_Return);
        QVERIFY(frmMenuRegistro->btnApriFatture->hasFocus());
        QTest::mouseClick(frmMenuRegistro->btnApriFatture, Qt::LeftButton);
        QCOMPARE(m_ui->messages->texts(), QStringList{"Attenzione: indicare l'anno solare utilizzando quattro cifre."});
        QCOMPARE(m_ui->messages->shown.first().kind, MessageKind::Warning);
        QVERIFY(year->hasFocus());
        QVERIFY(frmMenuRegistro->isVisible());

        QTest::keyClicks(year, "4");
        QTest::mouseClick(frmMenuRegistro->btnApriFatture, Qt::LeftButton);
        QCOMPARE(frmMenuRegistro->lblMemory->text(), QStringLiteral("registro"));
        QCOMPARE(frmMenuRegistro->chosenArchive(), AppDir::path() + "2024.ore");
        QCOMPARE(frmMenuRegistro->chosenCaption(), QStringLiteral(" Norvalis 2.0 - Programmazione turni anno 2024"));
        QVERIFY(!frmMenuRegistro->isVisible());
        QVERIFY(frmAvvio->isVisible());  // until the shift screens exist

        activate(frmMenuRegistro);
        QTest::mouseClick(frmMenuRegistro->btnApriAnnoSet, Qt::LeftButton);
        QCOMPARE(frmMenuRegistro->lblMemory->text(), QStringLiteral("settimanale"));
        QCOMPARE(frmMenuRegistro->chosenArchive(), AppDir::path() + "2026.set");
        QVERIFY(frmSettimanale->isVisible());
        QCOMPARE(frmSettimanale->archivePath(), AppDir::path() + "2026.set");
        QCOMPARE(frmSettimanale->windowTitle(), QStringLiteral(" Norvalis 2.0 - Programmazione turni anno 2026"));
        frmSettimanale->close();
    }

    void datePicker()
    {
        // The member screen's expiry field receives the date of "datascade".
        QWidget& screen = *frmAnagrafica;
        QLineEdit* expiry = frmAnagrafica->field("DataScade");
        screen.show();

        Clock::set(QDateTime(QDate(2025, 3, 5), QTime(10, 0)));
        {
            TfrmCalendario picker(&screen);
            QCOMPARE(picker.calAppuntamenti->selectedDate(), QDate(2025, 3, 5));
            picker.setCallerCode("datascade");
            picker.show();
            shot(&picker, "calendario");
            QTest::mouseClick(picker.btnImportaData, Qt::LeftButton);
            QCOMPARE(expiry->text(), QStringLiteral("05/03/2025"));
            QCOMPARE(picker.result(), int(QDialog::Accepted));
        }
        {
            expiry->clear();
            TfrmCalendario picker(&screen);
            picker.setCallerCode("scadenza");  // no screen uses it
            picker.show();
            QTest::mouseClick(picker.btnImportaData, Qt::LeftButton);
            QVERIFY(picker.isVisible());
            QVERIFY(expiry->text().isEmpty());
            QTest::mouseClick(picker.btnAnnulla, Qt::LeftButton);
            QVERIFY(!picker.isVisible());
            QVERIFY(expiry->text().isEmpty());
        }
        Clock::set(QDateTime(QDate(2025, 3, 6), QTime(10, 0)));
        TfrmCalendario again(&screen);
        QCOMPARE(again.calAppuntamenti->selectedDate(), QDate(2025, 3, 6));
    }

    void hintBarAndEnterChain()
    {
        QWidget screen;
        auto* panInfo = new QLabel("Pronto.", &screen);
        auto* first = new QLineEdit(&screen);
        first->setObjectName("txtUno");
        auto* second = new QLineEdit(&screen);
        second->setObjectName("txtDue");
        second->move(0, 40);
        panInfo->move(0, 100);
        screen.resize(300, 200);
        auto* hints = new HintBar(panInfo, &screen);
        hints->add({{"txtUno", "Primo campo."}, {"txtDue", "Secondo campo."}});
        EnterChain::install(&screen, {"txtUno", "txtDue"});
        QCOMPARE(panInfo->text(), QStringLiteral("Pronto."));  // the design-time text first
        activate(&screen);

        QTest::mouseMove(second, QPoint(5, 5));
        QCOMPARE(panInfo->text(), QStringLiteral("Secondo campo."));
        QMouseEvent move(QEvent::MouseMove, QPointF(250, 180), QPointF(250, 180), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&screen, &move);
        QVERIFY(panInfo->text().isEmpty());

        first->setFocus();
        QTest::keyClick(first, Qt::Key_Return);
        QVERIFY(second->hasFocus());
        QTest::keyClick(second, Qt::Key_Enter);
        QVERIFY(first->hasFocus());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, EnterChain::install(&screen, {"txtTre"}));
    }

    void shellTargets_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QUrl>("url");
        QTest::newRow("quoted file") << "\"/opt/norvalis/Guida.pdf\"" << QUrl::fromLocalFile("/opt/norvalis/Guida.pdf");
        QTest::newRow("file with blanks") << "\"/home/a b/Documenti_Allegati/x y.pdf\""
                                          << QUrl::fromLocalFile("/home/a b/Documenti_Allegati/x y.pdf");
        QTest::newRow("web") << "https://www.norvalis.it" << QUrl("https://www.norvalis.it");
    }
    void shellTargets()
    {
        QFETCH(QString, command);
        QFETCH(QUrl, url);
        QCOMPARE(ShellOpen::urlFor(command), url);
    }

    void mailLinksReachTheMailProgramWhole_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("body");
        QTest::newRow("plain") << "rossi@example.it"
                               << QString::fromUtf8("Gentilissimo Sig. Rossi & Figli, tessera n. 12/A+, città.");
        QTest::newRow("headers in the address") << "x@y?attach=/etc/passwd&bcc=z" << "Gentilissimo Sig. Rossi";
        QTest::newRow("second recipient") << "x@y,spia@altrove.it" << "a";
        QTest::newRow("headers in the body") << "rossi@example.it" << "ciao&bcc=spia@altrove.it&to=altro@x.it";
        QTest::newRow("fragment and percent") << "x@y#frammento%41" << "100% #1";
    }
    void mailLinksReachTheMailProgramWhole()
    {
        QFETCH(QString, address);
        QFETCH(QString, body);
        const ShellOpen::Target mail = ShellOpen::mail(address, {{"subject", "Rinnovo tessera"}, {"body", body}});
        // The command reads as the link is written...
        QCOMPARE(mail.command, "\"mailto:" + address + "?subject=Rinnovo tessera&body=" + body + "\"");
        // ...and the desktop gets one recipient, the whole address, and the two headers.
        const QUrl& url = mail.url;
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(QUrl::FullyDecoded), address);
        QVERIFY(!url.hasFragment());
        const QByteArray recipients = url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveQuery);
        QVERIFY2(!recipients.contains(',') && !recipients.contains('?') && !recipients.contains('&'),
                 recipients.constData());
        const QUrlQuery query(url);
        QCOMPARE(query.queryItems(QUrl::FullyDecoded),
                 (QList<std::pair<QString, QString>>{{"subject", "Rinnovo tessera"}, {"body", body}}));
        QVERIFY(!url.toEncoded().contains(' '));

        const QUrl plain = ShellOpen::mail(address).url;
        QCOMPARE(plain.path(QUrl::FullyDecoded), address);
        QVERIFY(!plain.hasQuery());
    }

    void fileFiltersForTheDesktop()
    {
        QCOMPARE(FileFilters::forDesktop("Immagine JPEG (*.jpg; *.jpeg);;Immagine Bitmap (*.bmp)"),
                 QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
        QCOMPARE(FileFilters::forDesktop("Tutti i file (*.*)"), QStringLiteral("Tutti i file (*)"));
        QCOMPARE(FileFilters::forDesktop("File Jpeg (*.jpg)"), QStringLiteral("File Jpeg (*.jpg)"));
    }

    void strictDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "05/03/2025" << true;
        QTest::newRow("leap day") << "29/02/2024" << true;
        QTest::newRow("no such day") << "31/02/2024" << false;
        QTest::newRow("not a leap year") << "29/02/2023" << false;
        QTest::newRow("short form") << "5/3/2025" << false;
        QTest::newRow("blank") << " 05/03/2025" << false;
        QTest::newRow("dashes") << "05-03-2025" << false;
    }
    void strictDates()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(Dates::isDate(text), valid);
        if (valid)
            QCOMPARE(Dates::format(*Dates::parse(text)), text);
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
