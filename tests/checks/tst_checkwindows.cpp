#include "checks/ui/frmcarta.h"
#include "checks/ui/frmcodfisc.h"
#include "checks/ui/frmiban.h"
#include "checks/ui/frmpartitaiva.h"
#include "support/uidoubles.h"
#include "support/windowtests.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using Checks::Field;

Q_DECLARE_METATYPE(Checks::Field)
Q_DECLARE_METATYPE(MessageKind)

namespace {

std::unique_ptr<TfrmControllo> make(Field field)
{
    switch (field) {
    case Field::TaxCode: return std::make_unique<TfrmCodFisc>();
    case Field::VatNumber: return std::make_unique<TfrmPartitaIva>();
    case Field::CardNumber: return std::make_unique<TfrmCarta>();
    case Field::Iban: return std::make_unique<TfrmIban>();
    }
    return nullptr;
}

// The four windows, one row each, named after their class.
void addWindowRows(const std::function<void(const char*, Field)>& row)
{
    row("TfrmCodFisc", Field::TaxCode);
    row("TfrmPartitaIva", Field::VatNumber);
    row("TfrmCarta", Field::CardNumber);
    row("TfrmIban", Field::Iban);
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 && qAbs(a.blue() - b.blue()) < 24;
}

}  // namespace

class TestCheckWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<UiDoubles> m_ui;

private slots:
    void init() { m_ui = std::make_unique<UiDoubles>(); }
    void cleanup() { m_ui.reset(); }

    void look_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("sample");
        QTest::newRow("TfrmCodFisc") << Field::TaxCode << " Controllo codice fiscale" << "txtCodFisc" << 16
                                     << "Immettere il codice fiscale e premere il pulsante di controllo."
                                     << "RSSMRA85T10A562S";
        QTest::newRow("TfrmPartitaIva") << Field::VatNumber << " Controllo partita IVA" << "txtPartitaIva" << 11
                                        << "Immettere il numero di partita IVA e premere il pulsante di controllo."
                                        << "12345678903";
        QTest::newRow("TfrmCarta") << Field::CardNumber << " Controllo carta di credito" << "txtNumero" << 30
                                   << "Immettere il numero di carta di credito e premere il pulsante di controllo."
                                   << "4111 1111 1111 1111 0000 00000";
        QTest::newRow("TfrmIban") << Field::Iban << " Controllo IBAN" << "txtIban" << 27
                                  << "Immettere l'IBAN e premere il pulsante di controllo."
                                  << "IT60X0542811101000000123456";
    }
    void look()
    {
        QFETCH(Field, field);
        QFETCH(QString, caption);
        QFETCH(QString, fieldName);
        QFETCH(int, maxLength);
        QFETCH(QString, title);
        QFETCH(QString, sample);
        const auto w = make(field);
        QCOMPARE(w->windowTitle(), caption);
        QVERIFY(!(w->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(w->windowFlags() & Qt::WindowMinMaxButtonsHint));
        auto* entry = w->findChild<QLineEdit*>(fieldName);
        QVERIFY(entry);
        QCOMPARE(entry, w->entryField());
        QCOMPARE(entry->maxLength(), maxLength);
        QCOMPARE(entry->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(entry->font().pointSize(), 20);
        QVERIFY(entry->font().bold());
        QCOMPARE(w->lblTitolo->text(), title);
        QCOMPARE(w->lblTitolo->objectName(), QStringLiteral("lblTitolo"));
        QCOMPARE(w->btnControlla->text(), QStringLiteral("Controlla"));
        QCOMPARE(w->btnChiudi->text(), QStringLiteral("Chiudi"));
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("imgLogo")), w->imgLogo);
        QVERIFY(!w->imgLogo->pixmap().isNull());

        activate(w.get());
        QVERIFY(entry->hasFocus());
        // The background runs from the window's colour at the top to white.
        const QImage image = w->grab().toImage();
        const QColor top = image.pixelColor(3, 3);
        const QColor bottom = image.pixelColor(3, image.height() - 4);
        QVERIFY2(!near(top, Qt::white), qPrintable(top.name()));
        QVERIFY2(near(bottom, Qt::white), qPrintable(bottom.name()));
        entry->setText(sample);
        shot(w.get(), QString::fromLatin1(QTest::currentDataTag()));
    }

    void namedMembers()
    {
        TfrmCodFisc codFisc;
        QCOMPARE(codFisc.txtCodFisc, codFisc.entryField());
        TfrmPartitaIva partitaIva;
        QCOMPARE(partitaIva.txtPartitaIva, partitaIva.entryField());
        TfrmCarta carta;
        QCOMPARE(carta.txtNumero, carta.entryField());
        TfrmIban iban;
        QCOMPARE(iban.txtIban, iban.entryField());
    }

    void typing_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("tax code: lower case shown upper case") << Field::TaxCode << "rssmra85t" << "RSSMRA85T";
        QTest::newRow("tax code: leading blank dropped") << Field::TaxCode << " rs" << "RS";
        QTest::newRow("tax code: anything typed") << Field::TaxCode << "a-b.c" << "A-B.C";
        QTest::newRow("tax code: 16 at most") << Field::TaxCode << "rssmra85t10a562sxy" << "RSSMRA85T10A562S";
        QTest::newRow("VAT: letters and blanks refused") << Field::VatNumber << "12ab 3-4" << "1234";
        QTest::newRow("VAT: 11 at most") << Field::VatNumber << "1234567890312" << "12345678903";
        QTest::newRow("card: digits only") << Field::CardNumber << "4111 x1111" << "41111111";
        QTest::newRow("IBAN: lower case shown upper case") << Field::Iban << "it60x05" << "IT60X05";
        QTest::newRow("IBAN: 27 at most") << Field::Iban << "it60x0542811101000000123456789"
                                          << "IT60X0542811101000000123456";
    }
    void typing()
    {
        QFETCH(Field, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const auto w = make(field);
        activate(w.get());
        QTest::keyClicks(w->entryField(), typed);
        QCOMPARE(w->entryField()->text(), shown);
    }

    void navigationKeys_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<bool>("filtered");
        addWindowRows([](const char* name, Field f) {
            QTest::newRow(name) << f << (f == Field::VatNumber || f == Field::CardNumber);
        });
    }
    void navigationKeys()
    {
        // Home and Tab do nothing in the digit-only fields and work as usual
        // in the others; Backspace and the arrows work everywhere.
        QFETCH(Field, field);
        QFETCH(bool, filtered);
        const auto w = make(field);
        activate(w.get());
        QLineEdit* entry = w->entryField();
        QTest::keyClicks(entry, "123");
        QTest::keyClick(entry, Qt::Key_Home);
        QTest::keyClicks(entry, "4");
        QCOMPARE(entry->text(), filtered ? QStringLiteral("1234") : QStringLiteral("4123"));
        QTest::keyClick(entry, Qt::Key_Right);
        QTest::keyClick(entry, Qt::Key_Backspace);
        QCOMPARE(entry->text(), filtered ? QStringLiteral("123") : QStringLiteral("423"));
        QTest::keyClick(entry, Qt::Key_Left);
        QTest::keyClick(entry, Qt::Key_Delete);
        QCOMPARE(entry->text(), filtered ? QStringLiteral("12") : QStringLiteral("23"));
        QTest::keyClick(entry, Qt::Key_Tab);
        QCOMPARE(entry->hasFocus(), filtered);
    }

    void enterMovesFocusToControlla_data()
    {
        QTest::addColumn<Field>("field");
        addWindowRows([](const char* name, Field f) { QTest::newRow(name) << f; });
    }
    void enterMovesFocusToControlla()
    {
        QFETCH(Field, field);
        const auto w = make(field);
        activate(w.get());
        QTest::keyClick(w->entryField(), Qt::Key_Return);
        QVERIFY(w->btnControlla->hasFocus());
        QVERIFY(m_ui->messages->shown.isEmpty());  // Enter does not check by itself
        QVERIFY(w->isVisible());
        // Enter on the button runs the check (here: the empty field's warning).
        QTest::keyClick(w->btnControlla, Qt::Key_Return);
        QCOMPARE(m_ui->messages->shown.size(), 1);
        QVERIFY(w->entryField()->hasFocus());
    }

    void warningKeepsWindowOpen_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("TfrmCodFisc, 15 characters")
            << Field::TaxCode << "RSSMRA85T10A562"
            << "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.";
        QTest::newRow("TfrmPartitaIva, 10 digits")
            << Field::VatNumber << "1234567890"
            << "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.";
        QTest::newRow("TfrmCarta, empty")
            << Field::CardNumber << ""
            << "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.";
        QTest::newRow("TfrmIban, German IBAN")
            << Field::Iban << "DE89370400440532013000"
            << "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.";
    }
    void warningKeepsWindowOpen()
    {
        QFETCH(Field, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        const auto w = make(field);
        w->entryField()->setText(text);
        activate(w.get());
        QTest::mouseClick(w->btnControlla, Qt::LeftButton);
        QCOMPARE(m_ui->messages->texts(), QStringList{message});
        QCOMPARE(m_ui->messages->shown.first().kind, MessageKind::Warning);
        QCOMPARE(m_ui->messages->shown.first().buttons, MessageButtons::OkCancel);
        QVERIFY(w->isVisible());
        QVERIFY(w->entryField()->hasFocus());
        QCOMPARE(w->entryField()->text(), text);
    }

    void checkCloses_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("messages");
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<QString>("start");
        QTest::newRow("TfrmCodFisc, valid") << Field::TaxCode << "RSSMRA85T10A562S" << 1 << MessageKind::Information
                                            << QString::fromUtf8("Il codice fiscale digitato è VALIDO.");
        QTest::newRow("TfrmCodFisc, wrong") << Field::TaxCode << "RSSMRA85T10A562T" << 1 << MessageKind::Warning
                                            << QString::fromUtf8("Attenzione: il codice fiscale digitato è ERRATO.");
        QTest::newRow("TfrmPartitaIva, valid") << Field::VatNumber << "00000001206" << 1 << MessageKind::Information
                                               << "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                                  "E' stato rilasciato dall'Ufficio IVA del Comune di Bologna 2.";
        QTest::newRow("TfrmPartitaIva, wrong") << Field::VatNumber << "12345678904" << 1 << MessageKind::Warning
                                               << "Attenzione: il numero di partita IVA digitato risulta ERRATO!";
        QTest::newRow("TfrmCarta, Visa") << Field::CardNumber << "4111111111111111" << 1 << MessageKind::Information
                                         << QString::fromUtf8("Il numero di carta di credito 4111111111111111 risulta "
                                                              "valido.\r\n\r\nLa carta di credito è del tipo Visa.");
        QTest::newRow("TfrmCarta, wrong") << Field::CardNumber << "4111111111111112" << 1 << MessageKind::Warning
                                          << "Attenzione: il numero digitato risulta ERRATO!";
        QTest::newRow("TfrmCarta, 32: no message") << Field::CardNumber << "3200000000000002" << 0
                                                   << MessageKind::Information << "";
        QTest::newRow("TfrmIban, valid") << Field::Iban << "IT60X0542811101000000123456" << 1
                                         << MessageKind::Information << QString::fromUtf8("L'IBAN digitato è VALIDO.");
        QTest::newRow("TfrmIban, wrong") << Field::Iban << "IT60X0542811101000000123457" << 1 << MessageKind::Warning
                                         << QString::fromUtf8("Attenzione: l'IBAN digitato è ERRATO!");
    }
    void checkCloses()
    {
        QFETCH(Field, field);
        QFETCH(QString, text);
        QFETCH(int, messages);
        QFETCH(MessageKind, kind);
        QFETCH(QString, start);
        const auto w = make(field);
        w->entryField()->setText(text);
        activate(w.get());
        QTest::mouseClick(w->btnControlla, Qt::LeftButton);
        QCOMPARE(m_ui->messages->shown.size(), messages);
        if (messages) {
            QCOMPARE(m_ui->messages->shown.first().kind, kind);
            QCOMPARE(m_ui->messages->shown.first().buttons, MessageButtons::OkCancel);
            QVERIFY2(m_ui->messages->shown.first().text.startsWith(start),
                     qPrintable(m_ui->messages->shown.first().text));
        }
        QVERIFY(!w->isVisible());
        QCOMPARE(w->entryField()->text(), text);  // the window never changes what was checked
    }

    void chiudiClosesWithoutMessage()
    {
        TfrmIban w;
        w.txtIban->setText(QStringLiteral("IT60X0542811101000000123456"));
        activate(&w);
        QTest::mouseClick(w.btnChiudi, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QVERIFY(m_ui->messages->shown.isEmpty());
    }

    void handedOverTextIsJudgedWhole_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("handed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("retyped");  // after three Backspaces and "123"
        QTest::newRow("TfrmPartitaIva, twelve digits")
            << Field::VatNumber << "123456789031" << "123456789031"
            << "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici." << "12345678912";
        QTest::newRow("TfrmCodFisc, eighteen characters")
            << Field::TaxCode << " rssmra85t10a562sxy" << "RSSMRA85T10A562SXY"
            << "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."
            << "RSSMRA85T10A5621";
    }
    void handedOverTextIsJudgedWhole()
    {
        QFETCH(Field, field);
        QFETCH(QString, handed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        QFETCH(QString, retyped);
        const auto w = make(field);
        w->setCallerText(handed);
        QLineEdit* entry = w->entryField();
        QCOMPARE(entry->text(), shown);
        activate(w.get());
        QTest::mouseClick(w->btnControlla, Qt::LeftButton);
        QCOMPARE(m_ui->messages->texts(), QStringList{message});
        QVERIFY(w->isVisible());

        // Typing never lengthens the field: not past the text handed over,
        // and, once that is shortened, not past the field's own limit.
        entry->end(false);
        QTest::keyClicks(entry, "1");
        QCOMPARE(entry->text(), shown);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(entry, Qt::Key_Backspace);
        QTest::keyClicks(entry, "123");
        QCOMPARE(entry->text(), retyped);
    }

    void openedByCaller()
    {
        // A screen's way: its field's text handed over, the window run
        // modally; the user presses Enter twice.
        QString shown;
        m_ui->onModal = [&shown](QDialog& dialog) {
            dialog.show();
            auto* window = static_cast<TfrmCodFisc*>(&dialog);
            shown = window->txtCodFisc->text();
            if (!QTest::qWaitForWindowActive(&dialog) || !window->txtCodFisc->hasFocus())
                return -1;
            QTest::keyClick(window->txtCodFisc, Qt::Key_Return);
            QTest::keyClick(window->btnControlla, Qt::Key_Return);
            return dialog.result();
        };
        openCheck(nullptr, Field::TaxCode, QStringLiteral("  rssmra85t10a562s "));
        QCOMPARE(m_ui->modals, QStringList{"TfrmCodFisc"});
        QCOMPARE(shown, QStringLiteral("RSSMRA85T10A562S"));
        QCOMPARE(m_ui->messages->texts(), QStringList{QString::fromUtf8("Il codice fiscale digitato è VALIDO.")});
    }
};

QTEST_MAIN(TestCheckWindows)
#include "tst_checkwindows.moc"
