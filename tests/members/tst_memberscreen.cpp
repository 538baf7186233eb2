#include "app/dates.h"
#include "app/password.h"
#include "app/ui/frmavvio.h"
#include "app/ui/frmcalendario.h"
#include "app/ui/windows.h"
#include "checks/ui/checkwindow.h"
#include "members/memberrecord.h"
#include "members/ui/frmanagrafica.h"
#include "members/ui/photopanel.h"
#include "storage/appdir.h"
#include "storage/archive.h"
#include "support/uidoubles.h"
#include "support/windowtests.h"
#include "testsupport.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

QString archivePath()
{
    return AppDir::filePath(QLatin1String(members::kFileName));
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void click(const char* name)
{
    auto* b = frmAnagrafica->findChild<QAbstractButton*>(QLatin1String(name));
    QVERIFY2(b, name);
    QVERIFY2(b->isEnabled(), name);
    QTest::mouseClick(b, Qt::LeftButton);
}

}  // namespace

class TestMemberScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UiDoubles> m_ui;

    QLineEdit* field(const char* name) { return frmAnagrafica->field(QLatin1String(name)); }
    static QByteArray field(const QByteArray& text, int capacity) { return ::field(text, capacity); }
    void fillRequired(const QString& name = QStringLiteral("Rossi Mario"))
    {
        field("Tesserato")->setText(name);
        field("DataRil")->setText("01/02/2025");
        field("DataScade")->setText("31/12/2025");
    }
    QString lastMessage() const { return m_ui->messages->shown.isEmpty() ? QString() : m_ui->messages->shown.last().text; }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        AppDir::set(m_dir->path());
        m_ui = std::make_unique<UiDoubles>();
        Clock::set(QDateTime(QDate(2025, 3, 5), QTime(9, 30)));
        createWindows();
        frmAvvio->show();
        QTest::mouseClick(frmAvvio->findChild<QPushButton*>("btnAnagrafica"), Qt::LeftButton);
        QVERIFY(frmAnagrafica->isVisible());
        frmAnagrafica->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frmAnagrafica));
    }
    void cleanup()
    {
        destroyWindows();
        m_ui.reset();
        Clock::set({});
    }

    void opensOnANewRecord()
    {
        QVERIFY(!frmAvvio->isVisible());
        QCOMPARE(frmAnagrafica->windowTitle(), QStringLiteral(" Norvalis 2.0 - Archivio Soci"));
        QCOMPARE(field("DataRil")->text(), QStringLiteral("05/03/2025"));
        QCOMPARE(field("Preavviso")->text(), QStringLiteral("0"));
        QVERIFY(frmAnagrafica->lblPosizione->text().isEmpty());
        QVERIFY(field("Tesserato")->hasFocus());
        auto* eff = frmAnagrafica->findChild<QWidget*>("effTesserato");
        QVERIFY(eff && eff->isVisible());
        QCOMPARE(eff->parentWidget(), field("Tesserato")->parentWidget());
        QVERIFY(eff->geometry().contains(field("Tesserato")->geometry()));
        QCOMPARE(field("Tesserato")->maxLength(), 50);
        QCOMPARE(field("Iban")->maxLength(), 27);
        QCOMPARE(frmAnagrafica->findChild<QComboBox*>("txtProvNasc")->count(), 112);
        QCOMPARE(frmAnagrafica->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        for (const char* tool : {"cmdTrova", "cmdAnteprima", "cmdStampa", "cmdScadute", "cmdExcel"})
            QVERIFY2(frmAnagrafica->findChild<QToolButton*>(tool)->isEnabled(), tool);
        shot(frmAnagrafica, "anagrafica");
        QTest::mouseClick(frmAnagrafica->findChild<QToolButton*>("cmdEsci"), Qt::LeftButton);
        QVERIFY(!frmAnagrafica->isVisible());
        QVERIFY(frmAvvio->isVisible());
    }

    void saveChecks_data()
    {
        QTest::addColumn<QString>("release");
        QTest::addColumn<QString>("expiry");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("okOnly");
        QTest::newRow("no name") << "01/02/2025" << "01/02/2026" << "0" << "  "
                                 << "Attenzione: per salvare la scheda è necessario indicare il nome del tesserato."
                                 << "txtTesserato" << false;
        QTest::newRow("no expiry") << "01/02/2025" << "" << "0" << "Rossi"
                                   << "Attenzione: per salvare la scheda è necessario indicare la data di scadenza "
                                      "del tesserino."
                                   << "txtDataScade" << false;
        QTest::newRow("release not a date")
            << "31/02/2024" << "01/02/2026" << "0" << "Rossi"
            << "Attenzione: la data di rilascio della tessera 31/02/2024 non esiste.\n\r\n\rPer poter salvare la "
               "scheda è necessario indicare una data valida nel formato gg/mm/aaaa."
            << "txtDataRil" << true;
        QTest::newRow("expiry not a date")
            << "01/02/2025" << "2026-02-01" << "0" << "Rossi"
            << "Attenzione: la data di scadenza della tessera 2026-02-01 non esiste.\n\r\n\rPer poter salvare la "
               "scheda è necessario indicare una data valida nel formato gg/mm/aaaa."
            << "txtDataScade" << true;
        QTest::newRow("expiry a day early")
            << "01/02/2025" << "31/01/2025" << "0" << "Rossi"
            << "Attenzione: la data di scadenza (31/01/2025) non può essere anteriore a quella di rilascio della "
               "tessera (01/02/2025)."
            << "txtDataScade" << true;
        QTest::newRow("no notice days") << "01/02/2025" << "01/02/2025" << "" << "Rossi"
                                        << "Attenzione: per salvare la scheda è necessario indicare i giorni di "
                                           "preavviso."
                                        << "txtPreavviso" << false;
    }
    void saveChecks()
    {
        QFETCH(QString, release);
        QFETCH(QString, expiry);
        QFETCH(QString, notice);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(bool, okOnly);
        field("Tesserato")->setText(name);
        field("DataRil")->setText(release);
        field("DataScade")->setText(expiry);
        field("Preavviso")->setText(notice);
        field("Note")->setFocus();
        click("cmdSalva");
        QCOMPARE(m_ui->messages->shown.size(), 1);
        QCOMPARE(lastMessage(), message);
        QCOMPARE(m_ui->messages->shown.last().kind, okOnly ? MessageKind::Information : MessageKind::Warning);
        QCOMPARE(m_ui->messages->shown.last().buttons, okOnly ? MessageButtons::Ok : MessageButtons::OkCancel);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(field("Tesserato")->text(), name);  // nothing typed is lost
        QCOMPARE(fileBytes(archivePath()), QByteArray());
    }

    void backspaceEmptiesTheReleaseDate()
    {
        fillRequired();
        QTest::keyClick(field("DataRil"), Qt::Key_Backspace);
        QVERIFY(field("DataRil")->text().isEmpty());
        click("cmdSalva");
        QCOMPARE(lastMessage(), QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data di "
                                               "rilascio del tesserino."));
        QVERIFY(field("DataRil")->hasFocus());
    }

    void saveAppendsThenOverwrites()
    {
        fillRequired(QString::fromUtf8("Bianchi Nicolò"));
        field("DataScade")->setText("01/02/2025");  // equal dates are accepted
        QTest::keyClicks(frmAnagrafica->findChild<QComboBox*>("txtProvNasc"), " bo");
        QCOMPARE(frmAnagrafica->findChild<QComboBox*>("txtProvNasc")->currentText(), QStringLiteral("BO"));
        frmAnagrafica->chkAnnullata->setChecked(true);
        click("cmdSalva");
        QCOMPARE(lastMessage(), QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(frmAnagrafica->lblPosizione->text(), QStringLiteral("1"));

        QByteArray raw = fileBytes(archivePath());
        QCOMPARE(raw.size(), 2764);
        QCOMPARE(raw.mid(0, 16), field("Bianchi Nicol\xF2", 50).left(16));
        QCOMPARE(raw.mid(153, 11), field("01/02/2025", 10));
        QCOMPARE(raw.mid(164, 11), field("01/02/2025", 10));
        QCOMPARE(raw.mid(237, 3), field("BO", 2));
        QCOMPARE(raw.mid(353, 2), field("0", 3).left(2));
        QCOMPARE(raw.mid(1255, 3), bytes({0x02, 0x53, 0xEC}));
        // The new member has no photo: the blank picture is written as its photo.
        QImage written(AppDir::filePath("1.jpg"));
        QVERIFY(!written.isNull());

        field("Carica")->setText("Tesoriere");
        click("cmdSalva");
        QCOMPARE(lastMessage(),
                 QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        raw = fileBytes(archivePath());
        QCOMPARE(raw.size(), 2764);
        QCOMPARE(raw.mid(51, 10), field("Tesoriere", 50).left(10));
    }

    void browsingShowsRecordsAndKeepsAnOddFlag()
    {
        const Archive archive(archivePath(), members::recordLayout());
        Record first(members::recordLayout());
        first.setText(u"Tesserato", u"Uno");
        first.setFlag(u"Annullata", true);
        archive.append(first);
        Record odd(members::recordLayout());
        odd.setText(u"Tesserato", u"Due");
        odd.setText(u"Annullata", u"xx");
        archive.append(odd);

        click("cmdPrimo");
        QCOMPARE(field("Tesserato")->text(), QStringLiteral("Uno"));
        QVERIFY(frmAnagrafica->chkAnnullata->isChecked());
        click("cmdAvanti");
        QCOMPARE(field("Tesserato")->text(), QStringLiteral("Due"));
        QCOMPARE(frmAnagrafica->lblPosizione->text(), QStringLiteral("2"));
        QVERIFY(frmAnagrafica->chkAnnullata->isChecked());  // neither "Sì" nor "No": left as it was
        click("cmdAvanti");
        QVERIFY(m_ui->messages->shown.isEmpty());
        click("cmdNuovo");
        QVERIFY(field("Tesserato")->text().isEmpty());
        QVERIFY(frmAnagrafica->lblPosizione->text().isEmpty());
        QVERIFY(field("Tesserato")->hasFocus());
    }

    void inputRules()
    {
        QTest::keyClicks(field("Preavviso"), "a1b");
        QCOMPARE(field("Preavviso")->text(), QStringLiteral("01"));
        QTest::keyClicks(field("CodFisc"), " rss");
        QCOMPARE(field("CodFisc")->text(), QStringLiteral("RSS"));
        QTest::keyClicks(field("Sesso"), "f");
        QCOMPARE(field("Sesso")->text(), QStringLiteral("F"));
        // Enter moves along the chain; into the release date, which then opens the picker.
        field("NumTessera")->setFocus();
        QTest::keyClick(field("NumTessera"), Qt::Key_Return);
        QVERIFY(field("DataRil")->hasFocus());
        field("Note")->setFocus();
        QTest::keyClick(field("Note"), Qt::Key_Return);
        QVERIFY(field("Tesserato")->hasFocus());
    }

    void fieldsReadInTheOrderEnterWalksThem()
    {
        // On a laptop screen, each field of the Enter chain lies to the right
        // on the same line, lower down, or in a column further right.
        frmAnagrafica->setWindowState(Qt::WindowNoState);
        frmAnagrafica->resize(1366, 740);
        frmAnagrafica->layout()->activate();
        const QStringList chain{"Tesserato", "Carica",   "NumTessera", "DataRil",      "DataNasc",  "ComuneNasc",
                                "ProvNasc",  "Sesso",    "ComuneRes",  "ProvRes",      "CapRes",    "IndirizzoRes",
                                "Preavviso", "Titoli",   "TelCasa",    "TelUff",       "TelCel",    "Recapito",
                                "Fax",       "Email",    "CodFisc",    "Carta",        "ScadeCarta", "PartitaIva",
                                "Iban",      "Intestatario", "Note"};
        const auto place = [](const QString& name) {
            QWidget* f = frmAnagrafica->field(name);
            if (auto* combo = qobject_cast<QWidget*>(f->parent()); combo && combo->objectName() == "txt" + name)
                f = combo;
            return QRect(f->mapTo(frmAnagrafica, QPoint(0, 0)), f->size());
        };
        for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
            const QRect a = place(chain.at(i)), b = place(chain.at(i + 1));
            const bool sameLine = std::abs(a.center().y() - b.center().y()) < a.height() / 2;
            const bool after = sameLine ? b.left() > a.left() : (b.top() > a.bottom() || b.left() > a.right());
            QVERIFY2(after, qPrintable(chain.at(i) + " -> " + chain.at(i + 1)));
        }
    }

    void datePickerFillsTheExpiry()
    {
        m_ui->onModal = [](QDialog& d) {
            auto& picker = static_cast<TfrmCalendario&>(d);
            picker.show();
            picker.calAppuntamenti->setSelectedDate(QDate(2026, 3, 5));
            QTest::mouseClick(picker.btnImportaData, Qt::LeftButton);
            return picker.result();
        };
        QTest::keyClick(field("DataScade"), Qt::Key_A);
        QCOMPARE(m_ui->modals, QStringList{"TfrmCalendario"});
        QCOMPARE(field("DataScade")->text(), QStringLiteral("05/03/2026"));
        QCOMPARE(field("DataRil")->text(), QStringLiteral("05/03/2025"));
    }

    void taxCodeButtonHandsItsWholeTextToTheCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");  // what "Controlla" says, its beginning
        const QString vatLength = "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.";
        QTest::newRow("VAT number") << " 12345678903 " << "TfrmPartitaIva" << "12345678903"
                                    << "Il numero di partita IVA digitato risulta VALIDO.";
        QTest::newRow("twelve digits") << "123456789031" << "TfrmPartitaIva" << "123456789031" << vatLength;
        QTest::newRow("sixteen digits") << "1234567890312345" << "TfrmPartitaIva" << "1234567890312345" << vatLength;
        QTest::newRow("tax code") << "rssmra85t10a562s" << "TfrmCodFisc" << "RSSMRA85T10A562S"
                                  << QString::fromUtf8("Il codice fiscale digitato è VALIDO.");
        QTest::newRow("digits and a letter") << "12345678903X" << "TfrmCodFisc" << "12345678903X"
                                             << "Attenzione: il codice fiscale deve essere composto da 16 caratteri";
        QTest::newRow("empty") << "" << "TfrmCodFisc" << ""
                               << "Attenzione: il codice fiscale deve essere composto da 16 caratteri";
    }
    void taxCodeButtonHandsItsWholeTextToTheCheck()
    {
        QFETCH(QString, text);
        QFETCH(QString, window);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        QString shownText;
        m_ui->onModal = [&shownText](QDialog& d) {
            auto& check = static_cast<TfrmControllo&>(d);
            shownText = check.entryField()->text();
            check.btnControlla->click();
            return d.result();
        };
        field("CodFisc")->setText(text);
        const QString before = field("CodFisc")->text();
        click("cmdCodFisc");
        QCOMPARE(m_ui->modals, QStringList{window});
        QCOMPARE(shownText, shown);
        QCOMPARE(m_ui->messages->shown.size(), 1);
        QVERIFY2(lastMessage().startsWith(message), qPrintable(lastMessage()));
        QCOMPARE(field("CodFisc")->text(), before);  // the check never changes the screen
    }

    void renewalMail()
    {
        field("Tesserato")->setText("Rossi & Figli");
        field("NumTessera")->setText("A12");
        field("DataScade")->setText("31/12/2025");
        click("btnEmail");
        QCOMPARE(lastMessage(), QStringLiteral("Attenzione: per inviare l'avviso è necessario indicare l'indirizzo "
                                               "e-mail del tesserato."));
        QVERIFY(field("Email")->hasFocus());
        QVERIFY(m_ui->shell->opened.isEmpty());

        field("Email")->setText("rossi@example.it");
        click("btnEmail");
        QCOMPARE(m_ui->shell->opened.last(),
                 QStringLiteral("\"mailto:rossi@example.it?subject=Rinnovo tessera&body=Gentilissimo Sig. Rossi & "
                                "Figli, con la presente le ricordiamo che la sua tessera n. A12, rilasciata in data "
                                "05/03/2025 e con scadenza in data 31/12/2025, ha bisogno di essere rinnovata. "
                                "Pertanto, la preghiamo di recarsi con cortese sollecitudine presso i nostri uffici "
                                "per provvedere al rinnovo. In attesa di un suo riscontro, le porgiamo cordiali "
                                "saluti.\""));
        click("cmdEmail");
        QCOMPARE(m_ui->shell->opened.last(), QStringLiteral("\"mailto:rossi@example.it\""));

        // Whatever the address field holds reaches the mail program as one
        // recipient, adding no header of its own.
        const QString address = QStringLiteral("x@y?attach=/etc/passwd&bcc=z,w@k");
        field("Email")->setText(address);
        for (const char* button : {"btnEmail", "cmdEmail"}) {
            click(button);
            const QUrl url = m_ui->shell->urls.last();
            QCOMPARE(url.path(QUrl::FullyDecoded), address);
            QVERIFY(!url.toEncoded(QUrl::RemoveQuery).contains(','));
            QStringList keys;
            for (const auto& [key, value] : QUrlQuery(url).queryItems())
                keys << key;
            const QStringList headers = qstrcmp(button, "btnEmail") == 0 ? QStringList{"subject", "body"} : QStringList();
            QCOMPARE(keys, headers);
        }
    }

    void hintsFollowTheMouse()
    {
        QTest::mouseMove(frmAnagrafica->findChild<QToolButton*>("cmdSalva"));
        QCOMPARE(frmAnagrafica->panInfo->text(), QStringLiteral("Salva la scheda corrente in archivio."));
        QTest::mouseMove(field("DataRil"));
        QCOMPARE(frmAnagrafica->panInfo->text(),
                 QStringLiteral("Premi un tasto qualsiasi per importare una data dal calendario."));
    }
};

QTEST_MAIN(TestMemberScreen)
#include "tst_memberscreen.moc"
