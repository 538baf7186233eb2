#include "members/membersheet.h"

#include "app/dates.h"
#include "storage/record.h"

#include <QLocale>
#include <QRegularExpression>

namespace MemberSheet {

namespace {

const QColor DarkOrange(0xFF, 0x8C, 0x00);
const QColor Teal(0x00, 0x80, 0x80);

QString field(const Record& r, const char* name)
{
    return r.text(QString::fromLatin1(name)).trimmed();
}

QString rowName(const char* prefix, int k)
{
    return QLatin1String(prefix) + QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
}

// The system's long time format without the time zone, which a printed sheet does not need.
QString longTime(const QTime& time)
{
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*")));
    format = format.trimmed();
    if (format.isEmpty())
        format = QStringLiteral("HH:mm:ss");
    return QLocale::system().toString(time, format);
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

Report::Template design(const QImage& logo)
{
    using namespace Report;
    Template t;
    t.name = QStringLiteral("Scheda informativa");
    t.previewButtons = StandardPreview;
    t.page.paperMm = QSizeF(210, 297);
    t.page.orientation = Orientation::Portrait;
    t.page.leftMargin = t.page.rightMargin = t.page.topMargin = t.page.bottomMargin = 10;

    Object& img = t.add(picture(QStringLiteral("imgLogo"), 3, 3, 17, 13, true));
    img.setPicture(logo);

    Object titolo = captionBox(QStringLiteral("txtTitolo"), 23, 3, 165, 9, QStringLiteral("Titolo Scheda"),
                               QStringLiteral("Arial"), 16, false, DarkOrange);
    titolo.wordWrap = false;
    t.add(titolo);
    t.add(horizontalLine(QStringLiteral("linSepara01"), 23, 16, 165));

    for (int k = 1; k <= 24; ++k) {
        const double top = 24.0 + 10.0 * (k - 1);
        Object label = textBox(rowName("titCampo", k), 3, top, 52, 6, QStringLiteral("Campo %1").arg(k),
                               QStringLiteral("Arial"), 9);
        label.colour = Qt::white;
        label.fill = Teal;
        label.vAlign = VAlign::Centre;
        label.wordWrap = false;
        t.add(label);
        Object value = textBox(rowName("txtCampo", k), 60, top, 128, 6, QStringLiteral("Campo %1").arg(k),
                               QStringLiteral("Arial"), 10);
        value.vAlign = VAlign::Centre;
        value.wordWrap = false;
        t.add(value);
    }

    t.add(horizontalLine(QStringLiteral("linSepara02"), 3, 265, 185));
    Object calce = captionBox(QStringLiteral("txtCalce"), 3, 269, 185, 6, QStringLiteral("Termine scheda"),
                              QStringLiteral("Arial"), 10, false, DarkOrange);
    calce.wordWrap = false;
    t.add(calce);
    return t;
}

QString footerText(const QDateTime& moment)
{
    return QStringLiteral("Stampa eseguita in data ") + Dates::format(moment.date()) + QStringLiteral(" alle ore ") +
           longTime(moment.time());
}

void fill(Report::Template& sheet, const Record& member)
{
    sheet.page.setOrientation(Report::Orientation::Portrait);
    sheet.object(QStringLiteral("txtTitolo")).setText(QStringLiteral("SCHEDA ANAGRAFICA SOCIO"));
    const QList<Row> all = rows(member);
    for (int k = 1; k <= all.size(); ++k) {
        sheet.object(rowName("titCampo", k)).setText(all.at(k - 1).label);
        sheet.object(rowName("txtCampo", k)).setText(all.at(k - 1).value);
    }
    sheet.object(QStringLiteral("txtCalce")).setText(footerText(Clock::now()));
}

}  // namespace MemberSheet
