#include "checks/checks.h"

#include <QtTest>

using namespace Checks;

Q_DECLARE_METATYPE(Checks::Verdict)
Q_DECLARE_METATYPE(Checks::Field)
Q_DECLARE_METATYPE(Checks::KeyAction)

namespace {

const QString TaxCodeLength =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString TaxCodeValid = QString::fromUtf8("Il codice fiscale digitato è VALIDO.");
const QString TaxCodeWrong = QString::fromUtf8("Attenzione: il codice fiscale digitato è ERRATO.");
const QString VatLength = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString VatWrong = QString::fromUtf8("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                           "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                                           "che lo ha rilasciato.");
const QString CardEmpty = QStringLiteral(
    "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.");
const QString CardWrong = QString::fromUtf8("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                                            "Non è quindi possibile fornire informazioni relative al tipo di carta "
                                            "di credito.");
const QString IbanLength = QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");

QString vatValid(const QString& office)
{
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                          "E' stato rilasciato dall'Ufficio IVA del Comune di ")
           + office + QLatin1Char('.');
}

QString cardValid(const QString& number, const QString& network)
{
    return QStringLiteral("Il numero di carta di credito ") + number
           + QString::fromUtf8(" risulta valido.\r\n\r\nLa carta di credito è del tipo ") + network
           + QLatin1Char('.');
}

// The message kind goes with the verdict: information only for a valid code,
// nothing only when no message is shown.
void verifyNotice(const CheckResult& r)
{
    switch (r.verdict) {
    case Verdict::Valid: QCOMPARE(r.notice, Notice::Information); break;
    case Verdict::Invalid:
    case Verdict::StaysOpen: QCOMPARE(r.notice, Notice::Warning); break;
    case Verdict::NoMessage:
        QCOMPARE(r.notice, Notice::None);
        QVERIFY(r.message.isEmpty());
        break;
    }
    QCOMPARE(r.closesWindow(), r.verdict != Verdict::StaysOpen);
}

}  // namespace

class TestChecks : public QObject {
    Q_OBJECT

private slots:
    void taxCodeTables()
    {
        // Spot values of the published tables, and the seven characters
        // between "9" and "A" counting nothing.
        const auto at = [](char c) { return std::size_t(c - '0'); };
        QCOMPARE(TaxCodeOddValues[at('0')], 1);
        QCOMPARE(TaxCodeOddValues[at('A')], 1);
        QCOMPARE(TaxCodeOddValues[at('9')], 21);
        QCOMPARE(TaxCodeOddValues[at('M')], 18);
        QCOMPARE(TaxCodeOddValues[at('X')], 25);
        QCOMPARE(TaxCodeOddValues[at('Z')], 23);
        QCOMPARE(TaxCodeEvenValues[at('7')], 7);
        QCOMPARE(TaxCodeEvenValues[at('H')], 7);
        QCOMPARE(TaxCodeEvenValues[at('Z')], 25);
        for (char c = ':'; c <= '@'; ++c) {
            QCOMPARE(TaxCodeOddValues[at(c)], 0);
            QCOMPARE(TaxCodeEvenValues[at(c)], 0);
        }
        // Both tables give every letter A-Z a different value.
        QSet<int> odd, even;
        for (char c = 'A'; c <= 'Z'; ++c) {
            odd << TaxCodeOddValues[at(c)];
            even << TaxCodeEvenValues[at(c)];
        }
        QCOMPARE(odd.size(), 26);
        QCOMPARE(even.size(), 26);
    }

    void taxCode_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QString>("message");
        // Check letters worked out by hand from the tables.
        QTest::newRow("valid") << "RSSMRA85T10A562S" << Verdict::Valid << TaxCodeValid;
        QTest::newRow("valid, woman") << "BNCGLI90A41F205H" << Verdict::Valid << TaxCodeValid;
        QTest::newRow("valid, Rome") << "VRDLCU72M05H501K" << Verdict::Valid << TaxCodeValid;
        QTest::newRow("lower case is upper-cased") << "rssmra85t10a562s" << Verdict::Valid << TaxCodeValid;
        QTest::newRow("wrong check letter") << "RSSMRA85T10A562T" << Verdict::Invalid << TaxCodeWrong;
        QTest::newRow("one character changed") << "RSSMRA86T10A562S" << Verdict::Invalid << TaxCodeWrong;
        QTest::newRow("two characters swapped") << "RSSMRA58T10A562S" << Verdict::Invalid << TaxCodeWrong;
        QTest::newRow("sixteen digits") << "0000000000000000" << Verdict::Invalid << TaxCodeWrong;
        QTest::newRow("character between 9 and A counts 0")
            << "RSSMRA85T10A5@2S" << Verdict::Invalid << TaxCodeWrong;
        // "0" in an odd position counts 1, ":" counts 0: the check letter moves from I to H.
        QTest::newRow("zeros") << "000000000000000I" << Verdict::Valid << TaxCodeValid;
        QTest::newRow("colon counts 0") << "00000000000000:H" << Verdict::Valid << TaxCodeValid;
        QTest::newRow("colon does not count as 0") << "00000000000000:I" << Verdict::Invalid << TaxCodeWrong;
        QTest::newRow("blank inside") << "RSSMRA85 10A562S" << Verdict::Invalid << TaxCodeWrong;
        // Right if the blank counted 0 like the colon: outside the tables it makes the code wrong.
        QTest::newRow("blank where a colon would pass") << "00000000000000 H" << Verdict::Invalid << TaxCodeWrong;
        QTest::newRow("hyphen") << "RSSMRA85-10A562S" << Verdict::Invalid << TaxCodeWrong;
        QTest::newRow("accented letter") << QString::fromUtf8("RSSMRÀ85T10A562S") << Verdict::Invalid
                                         << TaxCodeWrong;
        QTest::newRow("empty") << "" << Verdict::StaysOpen << TaxCodeLength;
        QTest::newRow("15 characters") << "RSSMRA85T10A562" << Verdict::StaysOpen << TaxCodeLength;
        QTest::newRow("blank counts for the length") << "RSSMRA85T10A562 " << Verdict::Invalid << TaxCodeWrong;
        QTest::newRow("17 characters") << "RSSMRA85T10A562SX" << Verdict::StaysOpen << TaxCodeLength;
    }
    void taxCode()
    {
        QFETCH(QString, field);
        QFETCH(Verdict, verdict);
        QFETCH(QString, message);
        const CheckResult r = checkTaxCode(field);
        QCOMPARE(r.verdict, verdict);
        QCOMPARE(r.message, message);
        verifyNotice(r);
        if (field.size() == 16)
            QCOMPARE(taxCodeValid(field.toUpper()), verdict == Verdict::Valid);
    }

    void vatCheckDigit_data()
    {
        QTest::addColumn<QString>("firstTen");
        QTest::addColumn<int>("sum");
        QTest::addColumn<int>("expected");
        QTest::newRow("example") << "1234567890" << 47 << 3;
        QTest::newRow("all zeros") << "0000000000" << 0 << 0;
        QTest::newRow("sum 90") << "9999999999" << 90 << 0;
        QTest::newRow("doubled 9 adds 1 and 8") << "0900000000" << 9 << 1;
        QTest::newRow("sum 5") << "5000000000" << 5 << 5;
        QTest::newRow("sum 15") << "1111111111" << 15 << 5;
        QTest::newRow("sum 41") << "9999500000" << 41 << 9;
    }
    void vatCheckDigit()
    {
        QFETCH(QString, firstTen);
        QFETCH(int, sum);
        QFETCH(int, expected);
        QCOMPARE(vatSum(firstTen), sum);
        QCOMPARE(vatExpectedDigit(sum), expected);
        for (int last = 0; last <= 9; ++last)
            QCOMPARE(vatNumberValid(firstTen + QString::number(last)), last == expected);
    }

    void vatOffices()
    {
        QCOMPARE(int(VatOffices.size()), 104);
        QSet<QString> codes;
        for (const VatOffice& o : VatOffices)
            codes << QString::fromUtf16(o.code);
        QCOMPARE(codes.size(), 104);
        for (int code = 0; code <= 999; ++code) {
            const QString text = QString::number(code).rightJustified(3, QLatin1Char('0'));
            const bool listed = (code >= 1 && code <= 102) || code == 120 || code == 121;
            QVERIFY2(vatOfficeName(text).isEmpty() != listed, qPrintable(text));
        }
        QCOMPARE(vatOfficeName(u"001"), QStringLiteral("Torino"));
        QCOMPARE(vatOfficeName(u"040"), QString::fromUtf8("Forlì"));
        QCOMPARE(vatOfficeName(u"096"), QStringLiteral("Monza (Milano 2)"));
        QCOMPARE(vatOfficeName(u"099"), QStringLiteral("Chiavari (Genova 2)"));
        QCOMPARE(vatOfficeName(u"120"), vatOfficeName(u"101"));
        QCOMPARE(vatOfficeName(u"121"), QStringLiteral("Napoli 2"));
        QVERIFY(vatOfficeName(u"1").isEmpty());
    }

    void vatNumber_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QString>("message");
        QTest::newRow("valid, office 890 unknown") << "12345678903" << Verdict::Valid << vatValid({});
        QTest::newRow("office 120") << "00000001206" << Verdict::Valid << vatValid("Bologna 2");
        QTest::newRow("office 101") << "00000001016" << Verdict::Valid << vatValid("Bologna 2");
        QTest::newRow("office 040") << "00000000406" << Verdict::Valid << vatValid(QString::fromUtf8("Forlì"));
        QTest::newRow("check digit 0") << "99999999990" << Verdict::Valid << vatValid({});
        QTest::newRow("wrong check digit") << "12345678904" << Verdict::Invalid << VatWrong;
        QTest::newRow("letter among 11") << "1234567A903" << Verdict::Invalid << VatWrong;
        QTest::newRow("blank among 11") << "12345678 03" << Verdict::Invalid << VatWrong;
        QTest::newRow("10 digits") << "1234567890" << Verdict::StaysOpen << VatLength;
        QTest::newRow("empty") << "" << Verdict::StaysOpen << VatLength;
        QTest::newRow("12 digits") << "123456789031" << Verdict::StaysOpen << VatLength;
    }
    void vatNumber()
    {
        QFETCH(QString, field);
        QFETCH(Verdict, verdict);
        QFETCH(QString, message);
        const CheckResult r = checkVatNumber(field);
        QCOMPARE(r.verdict, verdict);
        QCOMPARE(r.message, message);
        verifyNotice(r);
    }

    void cardOutcomes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("outcome");
        QTest::newRow("Visa") << "4111111111111111" << 2;
        QTest::newRow("last digit changed") << "4111111111111112" << 0;
        QTest::newRow("Amex") << "378282246310005" << 1;
        QTest::newRow("begins with 2") << "2221000000000009" << 0;
        QTest::newRow("begins with 9") << "9000000000000001" << 7;
        QTest::newRow("begins with 1") << "1000000000000008" << -1;
        QTest::newRow("single 0") << "0" << -2;
        QTest::newRow("no digits") << "ABC" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("blanks skipped") << "4111 1111 1111 1111" << 2;
        QTest::newRow("20 digits") << "41111111111111111115" << 2;
        QTest::newRow("21st digit ignored") << "411111111111111111159" << 2;
        // With the 21st character the digits would end in 1 and fail.
        QTest::newRow("digit after the 20th character ignored") << "4111 1111 1111 1111 1" << 2;
    }
    void cardOutcomes()
    {
        QFETCH(QString, text);
        QFETCH(int, outcome);
        QCOMPARE(cardOutcome(text), outcome);
    }

    void cardNumber_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QString>("message");
        const auto ok = [](const char* number, const char* network) {
            return cardValid(QLatin1String(number), QLatin1String(network));
        };
        QTest::newRow("Visa") << "4111111111111111" << Verdict::Valid << ok("4111111111111111", "Visa");
        QTest::newRow("MasterCard") << "5555555555554444" << Verdict::Valid
                                    << ok("5555555555554444", "MasterCard");
        QTest::newRow("Amex 37") << "378282246310005" << Verdict::Valid << ok("378282246310005", "American Express");
        QTest::newRow("Amex 34") << "343434343434343" << Verdict::Valid << ok("343434343434343", "American Express");
        QTest::newRow("Diners 30") << "30569309025904" << Verdict::Valid
                                   << ok("30569309025904", "Diner's Club / Carte Blanche");
        QTest::newRow("Diners 36") << "36000000000008" << Verdict::Valid
                                   << ok("36000000000008", "Diner's Club / Carte Blanche");
        QTest::newRow("Diners 38") << "38000000000006" << Verdict::Valid
                                   << ok("38000000000006", "Diner's Club / Carte Blanche");
        QTest::newRow("JCB 35") << "3530111333300000" << Verdict::Valid << ok("3530111333300000", "JCB");
        QTest::newRow("JCB 31") << "31000000000000005" << Verdict::Valid << ok("31000000000000005", "JCB");
        QTest::newRow("JCB 33") << "33000000000000001" << Verdict::Valid << ok("33000000000000001", "JCB");
        QTest::newRow("Discover") << "6011111111111117" << Verdict::Valid << ok("6011111111111117", "Discover");
        QTest::newRow("Visa, blanks between groups")
            << "4111 1111 1111 1111" << Verdict::Valid << ok("4111 1111 1111 1111", "Visa");
        QTest::newRow("message names the trimmed text")
            << "  4111111111111111 " << Verdict::Valid << ok("4111111111111111", "Visa");
        QTest::newRow("Visa, last digit changed") << "4111111111111112" << Verdict::Invalid << CardWrong;
        QTest::newRow("valid, begins with 32") << "3200000000000002" << Verdict::NoMessage << QString();
        QTest::newRow("valid, begins with 3 then a blank") << "3 43434343434343" << Verdict::NoMessage << QString();
        QTest::newRow("valid, begins with 2") << "2221000000000009" << Verdict::Invalid << CardWrong;
        QTest::newRow("valid, begins with 9") << "9000000000000001" << Verdict::Invalid << CardWrong;
        QTest::newRow("valid, begins with 7") << "7000000000000005" << Verdict::Invalid << CardWrong;
        QTest::newRow("single 0") << "0" << Verdict::Invalid << CardWrong;
        QTest::newRow("no digits") << "ABCD" << Verdict::Invalid << CardWrong;
        QTest::newRow("empty") << "" << Verdict::StaysOpen << CardEmpty;
        QTest::newRow("blanks only") << "   " << Verdict::StaysOpen << CardEmpty;
    }
    void cardNumber()
    {
        QFETCH(QString, field);
        QFETCH(Verdict, verdict);
        QFETCH(QString, message);
        const CheckResult r = checkCardNumber(field);
        QCOMPARE(r.verdict, verdict);
        QCOMPARE(r.message, message);
        verifyNotice(r);
    }

    void ibanRemainders_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("remainder");
        QTest::newRow("Italian") << "IT60X0542811101000000123456" << 1;
        QTest::newRow("last digit changed") << "IT60X0542811101000000123457" << 28;
        QTest::newRow("lower case") << "it60x0542811101000000123456" << 1;
        QTest::newRow("IBAN prefix removed") << "IBANIT60X0542811101000000123456" << 1;
        QTest::newRow("British") << "GB82WEST12345698765432" << 1;
        QTest::newRow("German") << "DE89370400440532013000" << 1;
        QTest::newRow("hyphen") << "IT60-X0542811101000000123456" << 0;
        QTest::newRow("blank left in") << "IT60 X0542811101000000123456" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void ibanRemainders()
    {
        QFETCH(QString, text);
        QFETCH(int, remainder);
        QCOMPARE(ibanRemainder(text), remainder);
    }

    void iban_data()
    {
        const QString valid = QString::fromUtf8("L'IBAN digitato è VALIDO.");
        const QString wrong = QString::fromUtf8("Attenzione: l'IBAN digitato è ERRATO!");
        QTest::addColumn<QString>("field");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QString>("message");
        QTest::newRow("valid") << "IT60X0542811101000000123456" << Verdict::Valid << valid;
        QTest::newRow("valid, blanks around") << "  IT60X0542811101000000123456 " << Verdict::Valid << valid;
        QTest::newRow("one digit changed") << "IT60X0542811101000000123457" << Verdict::Invalid << wrong;
        QTest::newRow("check digits changed") << "IT61X0542811101000000123456" << Verdict::Invalid << wrong;
        // 27 characters with a blank: the remainder is taken on the other 26.
        QTest::newRow("digit replaced by a blank") << "IT60X0542811101000000 23456" << Verdict::Invalid << wrong;
        QTest::newRow("26 that pass, with a blank inside")
            << "IT90 X054281110100000012345" << Verdict::Valid << valid;
        QTest::newRow("26 that pass, blank at the end") << "IT90X054281110100000012345 " << Verdict::StaysOpen
                                                        << IbanLength;
        QTest::newRow("character other than letter, digit, blank")
            << "IT60X0542811101000000/23456" << Verdict::Invalid << wrong;
        QTest::newRow("German, 22 characters") << "DE89370400440532013000" << Verdict::StaysOpen << IbanLength;
        QTest::newRow("26 characters") << "IT60X054281110100000012345" << Verdict::StaysOpen << IbanLength;
        QTest::newRow("28 characters") << "IT60X05428111010000001234567" << Verdict::StaysOpen << IbanLength;
        QTest::newRow("empty") << "" << Verdict::StaysOpen << IbanLength;
    }
    void iban()
    {
        QFETCH(QString, field);
        QFETCH(Verdict, verdict);
        QFETCH(QString, message);
        const CheckResult r = checkIban(field);
        QCOMPARE(r.verdict, verdict);
        QCOMPARE(r.message, message);
        verifyNotice(r);
    }

    void fieldInput_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("tax code, lower case") << Field::TaxCode << "rssmra85t10a562s" << "RSSMRA85T10A562S";
        QTest::newRow("tax code, blanks around") << Field::TaxCode << "  ab " << "AB";
        QTest::newRow("tax code, accents untouched") << Field::TaxCode << QString::fromUtf8("àbc")
                                                     << QString::fromUtf8("àBC");
        QTest::newRow("tax code, cut to 16 then trimmed")
            << Field::TaxCode << "RSSMRA85T10A562 XYZ" << "RSSMRA85T10A562";
        QTest::newRow("VAT, left as it is") << Field::VatNumber << " 1234abc" << " 1234abc";
        QTest::newRow("VAT, cut to 11") << Field::VatNumber << "123456789031" << "12345678903";
        QTest::newRow("card, cut to 30") << Field::CardNumber << QString(35, QLatin1Char('1'))
                                         << QString(30, QLatin1Char('1'));
        QTest::newRow("IBAN, upper-cased") << Field::Iban << "it60x0542811101000000123456"
                                           << "IT60X0542811101000000123456";
        QTest::newRow("IBAN, cut to 27") << Field::Iban << "IT60X05428111010000001234567"
                                         << "IT60X0542811101000000123456";
    }
    void fieldInput()
    {
        QFETCH(Field, field);
        QFETCH(QString, value);
        QFETCH(QString, text);
        QCOMPARE(asPasted(field, value), text);
    }

    void keys_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<KeyAction>("action");
        for (Field f : {Field::VatNumber, Field::CardNumber}) {
            const char* name = f == Field::VatNumber ? "VAT" : "card";
            QTest::addRow("%s: Enter", name) << f << int(Qt::Key_Return) << "\r" << KeyAction::FocusButton;
            QTest::addRow("%s: keypad Enter", name) << f << int(Qt::Key_Enter) << "\r" << KeyAction::FocusButton;
            QTest::addRow("%s: digit", name) << f << int(Qt::Key_7) << "7" << KeyAction::Pass;
            QTest::addRow("%s: Backspace", name) << f << int(Qt::Key_Backspace) << "\b" << KeyAction::Pass;
            QTest::addRow("%s: Delete", name) << f << int(Qt::Key_Delete) << "" << KeyAction::Pass;
            QTest::addRow("%s: Left", name) << f << int(Qt::Key_Left) << "" << KeyAction::Pass;
            QTest::addRow("%s: Right", name) << f << int(Qt::Key_Right) << "" << KeyAction::Pass;
            QTest::addRow("%s: letter", name) << f << int(Qt::Key_A) << "a" << KeyAction::Discard;
            QTest::addRow("%s: blank", name) << f << int(Qt::Key_Space) << " " << KeyAction::Discard;
            QTest::addRow("%s: Tab", name) << f << int(Qt::Key_Tab) << "\t" << KeyAction::Discard;
            QTest::addRow("%s: Home", name) << f << int(Qt::Key_Home) << "" << KeyAction::Discard;
            QTest::addRow("%s: End", name) << f << int(Qt::Key_End) << "" << KeyAction::Discard;
            QTest::addRow("%s: Ctrl+V", name) << f << int(Qt::Key_V) << "\x16" << KeyAction::Discard;
        }
        for (Field f : {Field::TaxCode, Field::Iban}) {
            const char* name = f == Field::TaxCode ? "tax code" : "IBAN";
            QTest::addRow("%s: Enter", name) << f << int(Qt::Key_Return) << "\r" << KeyAction::FocusButton;
            QTest::addRow("%s: letter", name) << f << int(Qt::Key_A) << "a" << KeyAction::Pass;
            QTest::addRow("%s: hyphen", name) << f << int(Qt::Key_Minus) << "-" << KeyAction::Pass;
            QTest::addRow("%s: Tab", name) << f << int(Qt::Key_Tab) << "\t" << KeyAction::Pass;
        }
    }
    void keys()
    {
        QFETCH(Field, field);
        QFETCH(int, key);
        QFETCH(QString, typed);
        QFETCH(KeyAction, action);
        QCOMPARE(keyAction(field, key, typed), action);
    }
};

QTEST_GUILESS_MAIN(TestChecks)
#include "tst_checks.moc"
