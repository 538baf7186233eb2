#include "app/shellrules.h"

#include "storage/appdir.h"
#include "storage/textfield.h"

#include <QDir>
#include <QFileInfo>
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
namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString InstallHint = QStringLiteral("Verificare che nel sistema sia installato un programma adatto.");

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

}  // namespace

QUrl urlFor(const QString& command)
{
    QString text = command.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    const QUrl url(text, QUrl::TolerantMode);
    // A one-letter scheme is a Windows drive ("C:"), and a path is never an address.
    if (url.scheme().size() > 1 && !text.startsWith(QLatin1Char('/')))
        return url;
    return QUrl::fromLocalFile(text);
}

Target target(const QString& command)
{
    return {command, urlFor(command)};
}

Target file(const QString& path)
{
    return {quoted(path), QUrl::fromLocalFile(path)};
}

Target mail(const QString& address, const QList<MailHeader>& headers)
{
    QString link = QStringLiteral("mailto:") + address;
    // Only what can never separate recipients or headers stays as it is.
    QByteArray encoded = "mailto:" + QUrl::toPercentEncoding(address, "@");
    char separator = '?';
    for (const MailHeader& header : headers) {
        link += QLatin1Char(separator) + header.name + QLatin1Char('=') + header.value;
        encoded += separator + QUrl::toPercentEncoding(header.name) + '=' + QUrl::toPercentEncoding(header.value);
        separator = '&';
    }
    return {quoted(link), QUrl::fromEncoded(encoded, QUrl::StrictMode)};
}

std::optional<QString> missingFile(const Target& target)
{
    if (!target.url.isLocalFile())
        return std::nullopt;
    const QString path = target.url.toLocalFile();
    if (QFileInfo::exists(path))
        return std::nullopt;
    return path;
}

QString missingFileMessage(const QString& path)
{
    return QStringLiteral("Attenzione: impossibile aprire il file ") + quoted(QDir::toNativeSeparators(path))
           + QStringLiteral(": il file non esiste.");
}

QString failureMessage(const Target& target)
{
    const QUrl& url = target.url;
    QString what;
    if (url.isLocalFile()) {
        const QString path = quoted(QDir::toNativeSeparators(url.toLocalFile()));
        what = QFileInfo(url.toLocalFile()).isDir() ? QStringLiteral("aprire la cartella ") + path
                                                     : QStringLiteral("aprire il file ") + path;
    } else if (url.scheme() == QLatin1String("mailto")) {
        what = QStringLiteral("preparare il messaggio di posta elettronica per ") + url.path(QUrl::FullyDecoded);
    } else {
        what = QStringLiteral("aprire l'indirizzo ") + url.toDisplayString();
    }
    return QStringLiteral("Attenzione: impossibile ") + what + QLatin1Char('.') + CrLf + CrLf + InstallHint;
}

}  // namespace ShellOpen

namespace FileFilters {

QString forDesktop(const QString& filters)
{
    QStringList out;
    for (const QString& entry : filters.split(QStringLiteral(";;"))) {
        const qsizetype open = entry.lastIndexOf(QLatin1Char('('));
        const qsizetype close = entry.lastIndexOf(QLatin1Char(')'));
        if (open < 0 || close < open) {
            out << entry;
            continue;
        }
        QStringList patterns;
        for (QString p : entry.mid(open + 1, close - open - 1).split(QLatin1Char(';'))) {
            p = p.trimmed();
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
            if (!p.isEmpty())
                patterns << p;
        }
        out << entry.left(open) + QLatin1Char('(') + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

}  // namespace FileFilters

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
