#pragma once
// The four identifier checks: Italian tax code (codice fiscale), VAT number
// (partita IVA), payment-card number (Luhn) and Italian IBAN (mod 97-10).
// Each window holds one entry field; what the field does to its text, which
// keys it lets through, and what its "Controlla" button says are decided here.

#include <QString>
#include <QStringView>

#include <array>

namespace Checks {

// ---------------------------------------------------------------- tables

// Values of the characters "0" to "Z" (in character-code order) in an odd
// and in an even position of a tax code. The seven characters between "9"
// and "A" count 0 in both tables.
constexpr int TaxCodeTableSize = 'Z' - '0' + 1;  // 43
extern const std::array<int, TaxCodeTableSize> TaxCodeOddValues;
extern const std::array<int, TaxCodeTableSize> TaxCodeEvenValues;

// The VAT offices by the three-digit code in positions 8-10 of a VAT number.
struct VatOffice {
    const char16_t* code;
    const char16_t* name;
};
constexpr int VatOfficeCount = 104;
extern const std::array<VatOffice, VatOfficeCount> VatOffices;

// ---------------------------------------------------------------- routines

// True when the 16th character of a 16-character tax code is the check letter
// of the first 15. False for any other length and for a code holding a
// character outside "0".."Z" (lower-case letters included: upper-case first).
bool taxCodeValid(QStringView code);

// The VAT check-digit sum of the first ten digits of `digits` (odd positions
// as they are, even positions doubled with their two digits added).
// `digits` must hold at least ten characters 0-9.
int vatSum(QStringView digits);
// The check digit a VAT number with that sum must end with.
int vatExpectedDigit(int sum);
// True for exactly 11 characters 0-9 whose last is the expected check digit.
bool vatNumberValid(QStringView number);
// The name of the office with that three-character code; empty when none.
QString vatOfficeName(QStringView code);

// The Luhn test on the digits among the first 20 characters of `text`
// (anything else is skipped). 0 when the test fails or there are no digits;
// otherwise the first digit's character code minus that of "2": 1 for a
// number beginning with 3, 2 for 4, 3 for 5, 4 for 6, -2, -1, 0, 5, 6, 7 for
// 0, 1, 2, 7, 8, 9.
int cardOutcome(QStringView text);

// The ISO 7064 mod 97-10 remainder of an IBAN (0 to 96): upper-cased, the
// first "IBAN" removed, the first four characters moved to the end, letters
// turned into 10-35. 0 when a character other than a letter or a digit is
// left in the text.
int ibanRemainder(QStringView text);
// Blanks removed, the remainder is 1.
bool ibanValid(QStringView text);

// ---------------------------------------------------------------- the windows' fields

enum class Field { TaxCode, VatNumber, CardNumber, Iban };

// The longest text each entry field holds: 16, 11, 30, 27.
int maxLength(Field field);

// What the tax-code, card and IBAN fields do to their text after every
// change: trim it and upper-case a-z (nothing else changes). The VAT field
// leaves its text alone.
bool normalisesText(Field field);
QString normalised(QStringView text);

// The field's text after `value` is pasted into it: cut to the maximum
// length, then normalised where the field normalises. No key filter applies
// to pasted text.
QString asPasted(Field field, QStringView value);
// The field's text when a screen hands over the text of its own field:
// normalised where the field normalises, but never cut, so that the check
// judges everything the screen holds (twelve digits from a tax-code field
// get the VAT length warning, not a verdict on the first eleven).
QString asHandedOver(Field field, QStringView value);

// The check a screen's tax-code button opens for the text of its field: the
// VAT-number check when the trimmed text is not empty and made only of the
// digits 0-9, the tax-code check otherwise.
Field fieldForTaxCodeText(QStringView fieldText);

// What a key pressed in an entry field does. Every field moves the focus to
// its "Controlla" button on Enter. The VAT and card fields let through only
// Backspace, Delete, the Left and Right arrows and keys typing a digit 0-9;
// Tab, Home, End and every other key are discarded. The other fields pass
// every other key.
enum class KeyAction { FocusButton, Pass, Discard };
KeyAction keyAction(Field field, int key, QStringView typedText);

// ---------------------------------------------------------------- "Controlla"

enum class Verdict {
    Valid,      // information message, the window closes
    Invalid,    // warning message, the window closes
    StaysOpen,  // length or empty-field warning, focus back to the field
    NoMessage,  // nothing shown, the window closes (a valid card beginning 32 or 39)
};
enum class Notice { None, Warning, Information };

struct CheckResult {
    Verdict verdict;
    Notice notice;
    QString message;  // lines separated by "\r\n"; empty with Notice::None

    bool closesWindow() const { return verdict != Verdict::StaysOpen; }
};

// What each window's "Controlla" shows for the text its field holds.
CheckResult checkTaxCode(const QString& fieldText);
CheckResult checkVatNumber(const QString& fieldText);
CheckResult checkCardNumber(const QString& fieldText);
CheckResult checkIban(const QString& fieldText);
CheckResult check(Field field, const QString& fieldText);

}  // namespace Checks
