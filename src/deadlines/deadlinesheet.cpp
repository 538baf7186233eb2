#include "deadlines/deadlinesheet.h"

#include "app/dates.h"
#include "storage/record.h"
#include "storage/textfield.h"

namespace DeadlineSheet {

namespace {

QString field(const Record& r, const char* name)
{
    return TextField::trimmed(r.text(QString::fromLatin1(name)));
}

QString yesNo(const Record& r, const char* name)
{
    return r.flag(QString::fromLatin1(name)).value_or(false) ? TextField::YesText : TextField::NoText;
}

}  // namespace

QList<InfoSheet::Row> rows(const Record& d)
{
    QList<InfoSheet::Row> rows{
        {QStringLiteral("Data scadenza:"),
         field(d, "Giorno") + QLatin1Char(' ') + field(d, "Mese") + QLatin1Char(' ') + field(d, "Anno")},
        {QStringLiteral("Ora appuntamento:"), field(d, "OreApp") + QLatin1Char(':') + field(d, "MinutiApp")},
        {QStringLiteral("Giorni preavviso:"), field(d, "Avviso")},
        {QStringLiteral("Pagatore:"), field(d, "Pagatore")},
        {QStringLiteral("Codice fiscale:"), field(d, "CodFisc")},
        {QStringLiteral("Numero tessera:"), field(d, "NumTessera")},
        {QStringLiteral("Carica ricoperta:"), field(d, "Carica")},
        {QStringLiteral("Tel. cellulare:"), field(d, "TelCel")},
        {QStringLiteral("Recapito preferenziale:"), field(d, "Recapito")},
        {QStringLiteral("Anticipo:"), field(d, "Anticipi")},
        {QStringLiteral("Importo complessivo dovuto:"), field(d, "Complessivo")},
        {QStringLiteral("Rateazione:"), field(d, "Rateazione")},
        {QStringLiteral("Beneficiario:"), field(d, "Beneficiario")},
        {QStringLiteral("Causale scadenza:"), field(d, "Dettagli")},
        {QStringLiteral("Modalit\u00E0 di pagamento:"), field(d, "Officina")},
        {QStringLiteral("Importo in euro:"), field(d, "Costo")},
        {QStringLiteral("Estremi ricevuta:"), field(d, "Contatto")},
        {QStringLiteral("Note:"), field(d, "Note")},
        {QStringLiteral("Appuntamento da confermare:"), yesNo(d, "DaConfermare")},
        {QStringLiteral("Pagamento effettuato:"), yesNo(d, "Effettuata")},
    };
    while (rows.size() < InfoSheet::RowCount)
        rows.push_back({QStringLiteral(" "), QStringLiteral(" ")});
    return rows;
}

Report::Template design(const QImage& logo)
{
    return InfoSheet::design(logo, Report::StandardPreview | Report::PreviewThumbnails | Report::PreviewPageNavigation);
}

void fill(Report::Template& sheet, const Record& deadline)
{
    InfoSheet::fill(sheet, QStringLiteral("SCHEDA SCADENZA PAGAMENTO"), rows(deadline), Clock::now());
}

}  // namespace DeadlineSheet
