#include "members/membersheet.h"

#include "app/dates.h"
#include "storage/record.h"

namespace MemberSheet {

namespace {

QString field(const Record& r, const char* name)
{
    return r.text(QString::fromLatin1(name)).trimmed();
}

}  // namespace

QList<Row> rows(const Record& m)
{
    return {
        {QStringLiteral("Cognome e nome:"), field(m, "Tesserato")},
        {QStringLiteral("Carica ricoperta:"), field(m, "Carica")},
        {QStringLiteral("Tessera n."), field(m, "NumTessera")},
        {QStringLiteral("Data rilascio:"), field(m, "DataRil")},
        {QStringLiteral("Data scadenza:"), field(m, "DataScade")},
        {QStringLiteral("Data di nascita:"), field(m, "DataNasc")},
        {QStringLiteral("Comune di nascita:"), field(m, "ComuneNasc") + QLatin1Char(' ') + field(m, "ProvNasc")},
        {QStringLiteral("Comune di residenza:"), field(m, "ComuneRes") + QLatin1String("  ") + field(m, "ProvRes")},
        {QStringLiteral("CAP:"), field(m, "CapRes")},
        {QStringLiteral("Via e numero civico:"), field(m, "IndirizzoRes")},
        {QStringLiteral("Titoli posseduti:"), field(m, "Titoli")},
        {QStringLiteral("Tel. casa:"), field(m, "TelCasa")},
        {QStringLiteral("Tel. ufficio:"), field(m, "TelUff")},
        {QStringLiteral("Tel. cellulare:"), field(m, "TelCel")},
        {QStringLiteral("Recapito preferenziale:"), field(m, "Recapito")},
        {QStringLiteral("Fax:"), field(m, "Fax")},
        {QStringLiteral("E-mail:"), field(m, "Email")},
        {QStringLiteral("Codice Fiscale:"), field(m, "CodFisc")},
        {QStringLiteral("Carta di credito n."), field(m, "Carta")},
        {QStringLiteral("Scadenza carta di credito:"), field(m, "ScadeCarta")},
        {QStringLiteral("Partita IVA:"), field(m, "PartitaIva")},
        {QStringLiteral("IBAN:"), field(m, "Iban")},
        {QStringLiteral("Intestatario C/C:"), field(m, "Intestatario")},
        {QStringLiteral("Note:"), field(m, "Note")},
    };
}

void fill(Report::Template& sheet, const Record& member)
{
    InfoSheet::fill(sheet, QStringLiteral("SCHEDA ANAGRAFICA SOCIO"), rows(member), Clock::now());
}

}  // namespace MemberSheet
