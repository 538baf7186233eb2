#include "cards/cardsettings.h"

#include "app/inifile.h"
#include "members/memberphoto.h"
#include "storage/appdir.h"
#include "storage/textfield.h"

#include <QPainter>

#include <climits>
#include <cmath>

namespace Cards {

namespace {

const QString OrganizationSection = QStringLiteral("Dati Ente");
const QString MarginsSection = QStringLiteral("Margini Stampa");
const QString OrientationSection = QStringLiteral("Stampa Tesserino");
const QString OrientationKey = QStringLiteral("Orientamento");
const QString Portrait = QStringLiteral("Verticale");
const QString Landscape = QStringLiteral("Orizzontale");

struct OrganizationKey {
    const char* key;
    QString Organization::*text;
};
const OrganizationKey OrganizationKeys[] = {
    {"Denominazione", &Organization::name},
    {"Sottotitolo 1", &Organization::subtitle1},
    {"Sottotitolo 2", &Organization::subtitle2},
    {"Annotazioni", &Organization::note},
};

IniFile settingsFile()
{
    return IniFile(AppDir::filePath(SettingsFileName));
}

}  // namespace

Organization Organization::trimmed() const
{
    return {TextField::trimmed(name), TextField::trimmed(subtitle1), TextField::trimmed(subtitle2),
            TextField::trimmed(note)};
}

Organization loadOrganization()
{
    const IniFile ini = settingsFile();
    Organization organization;
    for (const OrganizationKey& k : OrganizationKeys)
        organization.*k.text = ini.value(OrganizationSection, QLatin1String(k.key));
    return organization;
}

bool saveOrganization(const Organization& organization)
{
    IniFile ini = settingsFile();
    const Organization values = organization.trimmed();
    for (const OrganizationKey& k : OrganizationKeys)
        if (!ini.setValue(OrganizationSection, QLatin1String(k.key), values.*k.text))
            return false;
    return true;
}

QImage loadLogo()
{
    return members::readPicture(AppDir::filePath(LogoFileName));
}

QImage stretchedLogo(const QImage& logo)
{
    if (logo.isNull())
        return {};
    QImage stretched(LogoWidth, LogoHeight, QImage::Format_ARGB32_Premultiplied);
    stretched.fill(Qt::transparent);
    QPainter painter(&stretched);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0, 0, LogoWidth, LogoHeight), logo);
    painter.end();
    return stretched;
}

bool saveLogo(const QImage& logo)
{
    const QImage stretched = stretchedLogo(logo);
    if (stretched.isNull())
        return false;
    // A JPEG has no transparency: what the logo leaves see-through is white,
    // as on the card.
    QImage flat(stretched.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, stretched);
    painter.end();
    return members::saveJpeg(AppDir::filePath(LogoFileName), flat);
}

PrintSettings loadPrintSettings()
{
    const IniFile ini = settingsFile();
    PrintSettings settings;
    const QString top = TextField::trimmed(ini.value(MarginsSection, QStringLiteral("Superiore")));
    const QString left = TextField::trimmed(ini.value(MarginsSection, QStringLiteral("Sinistro")));
    if (!top.isEmpty())
        settings.top = top;
    if (!left.isEmpty())
        settings.left = left;
    const QString orientation = TextField::trimmed(ini.value(OrientationSection, OrientationKey));
    if (orientation == Landscape)
        settings.landscape = true;
    return settings;
}

bool saveOffset(const PrintSettings& settings, Offset offset)
{
    IniFile ini = settingsFile();
    const bool top = offset == Offset::Top;
    return ini.setValue(MarginsSection, top ? QStringLiteral("Superiore") : QStringLiteral("Sinistro"),
                        TextField::trimmed(top ? settings.top : settings.left))
        && ini.setValue(OrientationSection, OrientationKey, settings.landscape ? Landscape : Portrait);
}

bool savePrintSettings(const PrintSettings& settings)
{
    return saveOffset(settings, Offset::Top) && saveOffset(settings, Offset::Left);
}

OffsetStep stepOffset(const QString& offset, int delta)
{
    bool ok = false;
    const qlonglong value = TextField::trimmed(offset).toLongLong(&ok);
    if (!ok || value + delta > INT_MAX || value + delta < INT_MIN)
        return {std::nullopt, QStringLiteral("'%1' non \u00E8 un valore intero valido.").arg(offset)};
    return {QString::number(value + delta), QString()};
}

std::optional<double> offsetMillimetres(const QString& offset)
{
    QString text = TextField::trimmed(offset);
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace Cards
