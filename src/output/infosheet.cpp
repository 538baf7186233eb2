#include "output/infosheet.h"

#include "app/dates.h"

#include <QImageReader>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>

namespace InfoSheet {

namespace {

const QColor DarkOrange(0xFF, 0x8C, 0x00);
const QColor Teal(0x00, 0x80, 0x80);

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

Report::Template design(const QImage& logo, int previewButtons)
{
    using namespace Report;
    Template t;
    t.name = QStringLiteral("Scheda informativa");
    t.previewButtons = previewButtons;
    t.page = Page::a4(Orientation::Portrait, 10);

    Object& img = t.add(picture(QStringLiteral("imgLogo"), 3, 3, 17, 13, true));
    img.setPicture(logo);

    Object titolo = captionBox(QStringLiteral("txtTitolo"), 23, 3, 165, 9, QStringLiteral("Titolo Scheda"),
                               QStringLiteral("Arial"), 16, false, DarkOrange);
    titolo.wordWrap = false;
    t.add(titolo);
    t.add(horizontalLine(QStringLiteral("linSepara01"), 23, 16, 165));

    for (int k = 1; k <= RowCount; ++k) {
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

QImage fixedLogo(QSize size)
{
    // The picture is drawn by the image plugin of its format, found at run time.
    QImageReader reader(QString::fromLatin1(LogoResource));
    QSize drawn = reader.size();
    if (!drawn.isValid())
        return {};
    drawn.scale(size, Qt::KeepAspectRatio);
    reader.setScaledSize(drawn);
    const QImage picture = reader.read();
    if (picture.isNull())
        return {};
    QImage logo(size, QImage::Format_ARGB32_Premultiplied);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.drawImage((size.width() - drawn.width()) / 2, (size.height() - drawn.height()) / 2, picture);
    return logo;
}

QString footerText(const QDateTime& moment, const QString& timeFormat)
{
    return QStringLiteral("Stampa eseguita in data ") + Dates::format(moment.date()) + QStringLiteral(" alle ore ") +
           (timeFormat.isEmpty() ? longTime(moment.time()) : moment.time().toString(timeFormat));
}

void fill(Report::Template& sheet, const QString& title, const QList<Row>& rows, const QDateTime& moment)
{
    sheet.page.setOrientation(Report::Orientation::Portrait);
    sheet.object(QStringLiteral("txtTitolo")).setText(title);
    for (int k = 1; k <= std::min<int>(int(rows.size()), RowCount); ++k) {
        sheet.object(rowName("titCampo", k)).setText(rows.at(k - 1).label);
        sheet.object(rowName("txtCampo", k)).setText(rows.at(k - 1).value);
    }
    sheet.object(QStringLiteral("txtCalce")).setText(footerText(moment));
}

}  // namespace InfoSheet
