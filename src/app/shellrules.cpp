#include "app/shellrules.h"

#include "storage/appdir.h"
#include "storage/textfield.h"

#include <QUrl>

namespace YearChoice {

QString yearText(const QDate& today)
{
    return QStringLiteral("%1").arg(today.year(), 4, 10, QLatin1Char('0'));
}

bool acceptable(const QString& typed)
{
    return typed.size() == 4;
}

QString archivePath(const QString& typed, const char* extension)
{
    return AppDir::filePath(AppDir::yearlyFileName(typed, extension));
}

QString screenCaption(const QString& typed)
{
    return QStringLiteral(" Norvalis 2.0 - Programmazione turni anno ") + TextField::trimmed(typed);
}

}  // namespace YearChoice

namespace ShellOpen {

QUrl urlFor(const QString& command)
{
    QString target = command.trimmed();
    if (target.size() >= 2 && target.startsWith(QLatin1Char('"')) && target.endsWith(QLatin1Char('"')))
        target = target.mid(1, target.size() - 2);
    const QUrl url(target, QUrl::TolerantMode);
    // A one-letter scheme is a Windows drive ("C:"), and a path is never an address.
    if (url.scheme().size() > 1 && !target.startsWith(QLatin1Char('/')))
        return url;
    return QUrl::fromLocalFile(target);
}

}  // namespace ShellOpen

namespace DatePicker {

std::optional<Target> targetFor(const QString& callerCode)
{
    static const struct {
        const char* code;
        const char* window;
        const char* field;
    } targets[] = {
        {"dataril", "frmAnagrafica", "txtDataRil"},  {"datascade", "frmAnagrafica", "txtDataScade"},
        {"turni", "frmTurni", "txtData"},             {"set_inizio", "frmSettimanale", "txtDataInizio"},
        {"set_fine", "frmSettimanale", "txtDataFine"},
    };
    for (const auto& t : targets)
        if (callerCode == QLatin1String(t.code))
            return Target{QString::fromLatin1(t.window), QString::fromLatin1(t.field)};
    return std::nullopt;
}

}  // namespace DatePicker
