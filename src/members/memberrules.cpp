#include "members/memberrules.h"

#include "app/dates.h"
#include "storage/textfield.h"

namespace members {

using SaveCheck::firstEmpty;
using SaveCheck::information;
using SaveCheck::trimmedText;
using SaveCheck::warning;

namespace {

QString missingDate(const QString& which, const QString& text)
{
    return QStringLiteral("Attenzione: la data di %1 della tessera %2 non esiste.\n\r\n\r"
                          "Per poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/aaaa.")
        .arg(which, text);
}

}  // namespace

const QStringList& provinceCodes()
{
    static const QStringList codes = QStringLiteral(
        "AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO CR CS CT CZ EE EN FC "
        "FE FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC MD ME MI MN MO MS MT NA NO NU OG OR OT PA "
        "PC PD PE PG PI PN PO PR PT PU PV PZ RA RC RE RG RI RM RN RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS "
        "TV UD VA VB VC VE VI VR VT VV").split(QLatin1Char(' '));
    return codes;
}

QString screenText(QStringView field, const QString& text)
{
    static const QStringList upperCased{"ProvNasc", "ProvRes", "Sesso", "CodFisc", "Iban"};
    if (upperCased.contains(field))
        return TextField::asciiUpper(TextField::trimmed(text));
    if (field == u"Email")
        return TextField::trimmed(text);
    return text;
}

const QStringList& digitFields()
{
    static const QStringList fields{"Preavviso", "Carta", "PartitaIva"};
    return fields;
}

std::optional<Refusal> checkForSave(const FieldTexts& texts)
{
    if (auto refusal = firstEmpty(
            texts, {{"Tesserato", "Attenzione: per salvare la scheda è necessario indicare il nome del tesserato."},
                    {"DataRil", "Attenzione: per salvare la scheda è necessario indicare la data di rilascio del "
                                "tesserino."},
                    {"DataScade", "Attenzione: per salvare la scheda è necessario indicare la data di scadenza del "
                                  "tesserino."}}))
        return refusal;
    const QString release = trimmedText(texts, "DataRil");
    const QString expiry = trimmedText(texts, "DataScade");
    const auto releaseDate = Dates::parse(release);
    if (!releaseDate)
        return information("DataRil", missingDate(QStringLiteral("rilascio"), release));
    const auto expiryDate = Dates::parse(expiry);
    if (!expiryDate)
        return information("DataScade", missingDate(QStringLiteral("scadenza"), expiry));
    if (*releaseDate > *expiryDate)
        return information("DataScade", QStringLiteral("Attenzione: la data di scadenza (%1) non può essere anteriore "
                                                       "a quella di rilascio della tessera (%2).")
                                            .arg(expiry, release));
    return firstEmpty(texts, {{"Preavviso", "Attenzione: per salvare la scheda è necessario indicare i giorni di "
                                            "preavviso."}});
}

std::optional<Refusal> checkPlainMail(const FieldTexts& texts)
{
    return firstEmpty(texts, {{"Email", "Attenzione: indicare l'indirizzo e-mail del tesserato."}});
}

ShellOpen::Target plainMail(const FieldTexts& texts)
{
    return ShellOpen::mail(trimmedText(texts, "Email"));
}

std::optional<Refusal> checkRenewalMail(const FieldTexts& texts)
{
    return firstEmpty(
        texts,
        {{"Tesserato", "Attenzione: per inviare l'avviso è necessario indicare cognome e nome del tesserato."},
         {"NumTessera", "Attenzione: per inviare l'avviso è necessario indicare il numero della tessera."},
         {"DataRil", "Attenzione: per inviare l'avviso è necessario indicare la data di rilascio del tesserino."},
         {"DataScade", "Attenzione: per inviare l'avviso è necessario indicare la data di scadenza del tesserino."},
         {"Email", "Attenzione: per inviare l'avviso è necessario indicare l'indirizzo e-mail del tesserato."}});
}

ShellOpen::Target renewalMail(const FieldTexts& texts)
{
    const QString body =
        QStringLiteral("Gentilissimo Sig. ") + trimmedText(texts, "Tesserato")
        + QStringLiteral(", con la presente le ricordiamo che la sua tessera n. ") + trimmedText(texts, "NumTessera")
        + QStringLiteral(", rilasciata in data ") + trimmedText(texts, "DataRil")
        + QStringLiteral(" e con scadenza in data ") + trimmedText(texts, "DataScade")
        + QStringLiteral(", ha bisogno di essere rinnovata. Pertanto, la preghiamo di recarsi con cortese "
                         "sollecitudine presso i nostri uffici per provvedere al rinnovo. In attesa di un suo "
                         "riscontro, le porgiamo cordiali saluti.");
    return ShellOpen::mail(trimmedText(texts, "Email"),
                           {{QStringLiteral("subject"), QStringLiteral("Rinnovo tessera")}, {QStringLiteral("body"), body}});
}

}  // namespace members
