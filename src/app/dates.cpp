#include "app/dates.h"

#include <QLocale>

namespace Dates {

QString format(const QDate& date)
{
    return date.toString(QLatin1String(Format));
}

std::optional<QDate> parse(const QString& text)
{
    if (text.size() != 10)
        return std::nullopt;
    const QDate date = QDate::fromString(text, QLatin1String(Format));
    if (!date.isValid() || format(date) != text)
        return std::nullopt;
    return date;
}

bool isDate(const QString& text)
{
    return parse(text).has_value();
}

void applyProcessSettings()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

}  // namespace Dates

namespace Clock {
namespace {

QDateTime& fixed()
{
    static QDateTime moment;
    return moment;
}

}  // namespace

QDateTime now()
{
    return fixed().isValid() ? fixed() : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

void set(const QDateTime& moment)
{
    fixed() = moment;
}

}  // namespace Clock
