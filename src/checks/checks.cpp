#include "checks/checks.h"

#include "storage/textfield.h"

#include <initializer_list>

namespace Checks {

// ---------------------------------------------------------------- tables

// The conversion tables of the tax-code rule (Ministry of Finance decree of
// 23 December 1976): 0-9, then : ; < = > ? @, then A-Z.
const std::array<int, TaxCodeTableSize> TaxCodeOddValues = {
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21,                                  // 0-9
    0, 0, 0, 0, 0, 0, 0,                                                // : ; < = > ? @
    1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, 12,   // A-S
    14, 16, 10, 22, 25, 24, 23,                                         // T-Z
};
const std::array<int, TaxCodeTableSize> TaxCodeEvenValues = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9,                                       // 0-9
    0, 0, 0, 0, 0, 0, 0,                                                // : ; < = > ? @
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18,   // A-S
    19, 20, 21, 22, 23, 24, 25,                                         // T-Z
};

const std::array<VatOffice, VatOfficeCount> VatOffices = {{
    {u"001", u"Torino"},          {u"002", u"Vercelli"},         {u"003", u"Novara"},
    {u"004", u"Cuneo"},           {u"005", u"Asti"},             {u"006", u"Alessandria"},
    {u"007", u"Aosta"},           {u"008", u"Imperia"},          {u"009", u"Savona"},
    {u"010", u"Genova 1"},        {u"011", u"La Spezia"},        {u"012", u"Varese"},
    {u"013", u"Como"},            {u"014", u"Sondrio"},          {u"015", u"Milano 1"},
    {u"016", u"Bergamo"},         {u"017", u"Brescia 1"},        {u"018", u"Pavia"},
    {u"019", u"Cremona"},         {u"020", u"Mantova"},          {u"021", u"Bolzano"},
    {u"022", u"Trento"},          {u"023", u"Verona"},           {u"024", u"Vicenza"},
    {u"025", u"Belluno"},         {u"026", u"Treviso"},          {u"027", u"Venezia"},
    {u"028", u"Padova"},          {u"029", u"Rovigo"},           {u"030", u"Udine"},
    {u"031", u"Gorizia"},         {u"032", u"Trieste"},          {u"033", u"Piacenza"},
    {u"034", u"Parma"},           {u"035", u"Reggio Emilia"},    {u"036", u"Modena"},
    {u"037", u"Bologna 1"},       {u"038", u"Ferrara"},          {u"039", u"Ravenna"},
    {u"040", u"Forl\u00EC"},      {u"041", u"Pesaro"},           {u"042", u"Ancona"},
    {u"043", u"Macerata"},        {u"044", u"Ascoli Piceno"},    {u"045", u"Massa Carrara"},
    {u"046", u"Lucca"},           {u"047", u"Pistoia"},          {u"048", u"Firenze 1"},
    {u"049", u"Livorno"},         {u"050", u"Pisa"},             {u"051", u"Arezzo"},
    {u"052", u"Siena"},           {u"053", u"Grosseto"},         {u"054", u"Perugia"},
    {u"055", u"Terni"},           {u"056", u"Viterbo"},          {u"057", u"Rieti"},
    {u"058", u"Roma 1"},          {u"059", u"Latina"},           {u"060", u"Frosinone"},
    {u"061", u"Caserta"},         {u"062", u"Benevento"},        {u"063", u"Napoli 1"},
    {u"064", u"Avellino"},        {u"065", u"Salerno"},          {u"066", u"Aquila"},
    {u"067", u"Teramo"},          {u"068", u"Pescara"},          {u"069", u"Chieti"},
    {u"070", u"Campobasso"},      {u"071", u"Foggia"},           {u"072", u"Bari"},
    {u"073", u"Taranto"},         {u"074", u"Brindisi"},         {u"075", u"Lecce"},
    {u"076", u"Potenza"},         {u"077", u"Matera"},           {u"078", u"Cosenza"},
    {u"079", u"Catanzaro"},       {u"080", u"Reggio Calabria"},  {u"081", u"Trapani"},
    {u"082", u"Palermo"},         {u"083", u"Messina"},          {u"084", u"Agrigento"},
    {u"085", u"Caltanissetta"},   {u"086", u"Enna"},             {u"087", u"Catania"},
    {u"088", u"Ragusa"},          {u"089", u"Siracusa"},         {u"090", u"Sassari"},
    {u"091", u"Nuoro"},           {u"092", u"Cagliari"},         {u"093", u"Pordenone"},
    {u"094", u"Isernia"},         {u"095", u"Oristano"},         {u"096", u"Monza (Milano 2)"},
    {u"097", u"Prato (Firenze 2)"}, {u"098", u"Brescia 2"},      {u"099", u"Chiavari (Genova 2)"},
    {u"100", u"Roma 2"},          {u"101", u"Bologna 2"},        {u"102", u"Napoli 2"},
    {u"120", u"Bologna 2"},       {u"121", u"Napoli 2"},
}};

// ---------------------------------------------------------------- routines

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isLetter(QChar c) { return c >= u'A' && c <= u'Z'; }
int digit(QChar c) { return c.unicode() - u'0'; }

const QString CrLf = QStringLiteral("\r\n");

}  // namespace

bool taxCodeValid(QStringView code)
{
    if (code.size() != 16)
        return false;
    int sum = 0;
    for (qsizetype i = 0; i < 15; ++i) {
        const QChar c = code.at(i);
        if (c < u'0' || c > u'Z')
            return false;  // no value in the tables: the code cannot be right
        const auto index = std::size_t(c.unicode() - u'0');
        // Position i + 1 is odd for even i.
        sum += (i % 2 == 0) ? TaxCodeOddValues[index] : TaxCodeEvenValues[index];
    }
    return code.at(15) == QChar(u'A' + sum % 26);
}

int vatSum(QStringView digits)
{
    int sum = 0;
    for (qsizetype i = 0; i < 10; ++i) {
        const int d = digit(digits.at(i));
        if (i % 2 == 0) {
            sum += d;
        } else {
            const int v = 2 * d;
            sum += v / 10 + v % 10;
        }
    }
    return sum;
}

int vatExpectedDigit(int sum)
{
    return sum % 10 == 0 ? 0 : 10 - sum % 10;
}

bool vatNumberValid(QStringView number)
{
    if (number.size() != 11)
        return false;
    for (QChar c : number)
        if (!isDigit(c))
            return false;
    return digit(number.at(10)) == vatExpectedDigit(vatSum(number));
}

QString vatOfficeName(QStringView code)
{
    for (const VatOffice& office : VatOffices)
        if (code == QStringView(office.code))
            return QString::fromUtf16(office.name);
    return {};
}

int cardOutcome(QStringView text)
{
    QString digits;
    for (QChar c : text.left(20))
        if (isDigit(c))
            digits += c;
    const qsizetype n = digits.size();
    if (n == 0)
        return 0;
    int sum = 0;
    for (qsizetype p = n - 1; p >= 1; --p) {
        int value = digit(digits.at(p - 1));
        if ((n - p) % 2 == 1) {
            value *= 2;
            if (value > 9)
                value -= 9;
        }
        sum += value;
    }
    int expected = 10 - sum % 10;
    if (expected == 10)
        expected = 0;
    if (digit(digits.at(n - 1)) != expected)
        return 0;
    return digits.at(0).unicode() - u'2';
}

int ibanRemainder(QStringView text)
{
    QString iban = TextField::asciiUpper(text);
    const qsizetype prefix = iban.indexOf(QLatin1String("IBAN"));
    if (prefix >= 0)
        iban.remove(prefix, 4);
    iban = iban.mid(4) + iban.left(4);

    QString number;
    for (QChar c : std::as_const(iban)) {
        if (isLetter(c))
            number += QString::number(c.unicode() - u'A' + 10);
        else if (isDigit(c))
            number += c;
        else
            return 0;  // a character that cannot be read as part of a number
    }

    // Nine digits at a time: the remainder so far followed by as many digits
    // as fill the nine.
    qsizetype from = 0;
    qsizetype piece = 9;
    QString rest;
    int m = 0;
    while (from < number.size()) {
        rest += number.mid(from, piece);
        m = int(rest.toLongLong() % 97);
        from += piece;
        rest = QString::number(m);
        piece = 9 - rest.size();
    }
    return m;
}

bool ibanValid(QStringView text)
{
    QString compact = text.toString();
    compact.remove(QLatin1Char(' '));
    return ibanRemainder(compact) == 1;
}

// ---------------------------------------------------------------- the windows' fields

int maxLength(Field field)
{
    switch (field) {
    case Field::TaxCode: return 16;
    case Field::VatNumber: return 11;
    case Field::CardNumber: return 30;
    case Field::Iban: return 27;
    }
    return 0;
}

bool normalisesText(Field field)
{
    return field != Field::VatNumber;
}

QString normalised(QStringView text)
{
    return TextField::asciiUpper(TextField::trimmed(text));
}

QString asPasted(Field field, QStringView value)
{
    return asHandedOver(field, value.left(maxLength(field)));
}

QString asHandedOver(Field field, QStringView value)
{
    return normalisesText(field) ? normalised(value) : value.toString();
}

Field fieldForTaxCodeText(QStringView fieldText)
{
    const QString text = TextField::trimmed(fieldText);
    if (text.isEmpty())
        return Field::TaxCode;
    for (QChar c : text)
        if (!isDigit(c))
            return Field::TaxCode;
    return Field::VatNumber;
}

KeyAction keyAction(Field field, int key, QStringView typedText)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return KeyAction::FocusButton;
    if (field != Field::VatNumber && field != Field::CardNumber)
        return KeyAction::Pass;
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return KeyAction::Pass;
    default:
        break;
    }
    return typedText.size() == 1 && isDigit(typedText.at(0)) ? KeyAction::Pass : KeyAction::Discard;
}

// ---------------------------------------------------------------- "Controlla"

namespace {

CheckResult valid(const QString& message) { return {Verdict::Valid, Notice::Information, message}; }
CheckResult invalid(const QString& message) { return {Verdict::Invalid, Notice::Warning, message}; }
CheckResult staysOpen(const QString& message) { return {Verdict::StaysOpen, Notice::Warning, message}; }

}  // namespace

CheckResult checkTaxCode(const QString& fieldText)
{
    const QString code = TextField::asciiUpper(fieldText);
    if (code.size() != 16)
        return staysOpen(
            QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
    if (taxCodeValid(code))
        return valid(QStringLiteral("Il codice fiscale digitato \u00E8 VALIDO."));
    return invalid(QStringLiteral("Attenzione: il codice fiscale digitato \u00E8 ERRATO."));
}

CheckResult checkVatNumber(const QString& fieldText)
{
    const QString number = TextField::asciiUpper(fieldText);
    if (number.size() != 11)
        return staysOpen(
            QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
    if (!vatNumberValid(number))
        return invalid(QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!") + CrLf + CrLf
                       + QStringLiteral("Non \u00E8 quindi possibile fornire informazioni relative all'Ufficio IVA "
                                        "che lo ha rilasciato."));
    return valid(QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.") + CrLf + CrLf
                 + QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di ")
                 + vatOfficeName(QStringView(number).mid(7, 3)) + QLatin1Char('.'));
}

CheckResult checkCardNumber(const QString& fieldText)
{
    const QString trimmed = TextField::trimmed(fieldText);
    if (trimmed.isEmpty())
        return staysOpen(QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il "
                                        "pulsante di controllo."));
    const auto network = [&trimmed](const char16_t* name) {
        return valid(QStringLiteral("Il numero di carta di credito ") + trimmed + QStringLiteral(" risulta valido.")
                     + CrLf + CrLf + QStringLiteral("La carta di credito \u00E8 del tipo ")
                     + QString::fromUtf16(name) + QLatin1Char('.'));
    };
    const QStringView start = QStringView(trimmed).left(2);
    const auto startsWithOneOf = [start](std::initializer_list<const char16_t*> pairs) {
        for (const char16_t* pair : pairs)
            if (start == QStringView(pair))
                return true;
        return false;
    };
    switch (cardOutcome(fieldText)) {
    case 1:
        if (startsWithOneOf({u"30", u"36", u"38"}))
            return network(u"Diner's Club / Carte Blanche");
        if (startsWithOneOf({u"34", u"37"}))
            return network(u"American Express");
        if (startsWithOneOf({u"31", u"33", u"35"}))
            return network(u"JCB");
        return {Verdict::NoMessage, Notice::None, {}};
    case 2: return network(u"Visa");
    case 3: return network(u"MasterCard");
    case 4: return network(u"Discover");
    default: break;  // failed, or a network the program does not know
    }
    return invalid(QStringLiteral("Attenzione: il numero digitato risulta ERRATO!") + CrLf + CrLf
                   + QStringLiteral("Non \u00E8 quindi possibile fornire informazioni relative al tipo di carta di "
                                    "credito."));
}

CheckResult checkIban(const QString& fieldText)
{
    const QString iban = TextField::trimmed(fieldText);
    if (iban.size() != 27)
        return staysOpen(QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."));
    if (ibanValid(iban))
        return valid(QStringLiteral("L'IBAN digitato \u00E8 VALIDO."));
    return invalid(QStringLiteral("Attenzione: l'IBAN digitato \u00E8 ERRATO!"));
}

CheckResult check(Field field, const QString& fieldText)
{
    switch (field) {
    case Field::TaxCode: return checkTaxCode(fieldText);
    case Field::VatNumber: return checkVatNumber(fieldText);
    case Field::CardNumber: return checkCardNumber(fieldText);
    case Field::Iban: return checkIban(fieldText);
    }
    return checkTaxCode(fieldText);
}

}  // namespace Checks
