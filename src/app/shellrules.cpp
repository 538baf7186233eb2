#include "app/shellrules.h"

#include "storage/appdir.h"
#include "storage/textfield.h"

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
