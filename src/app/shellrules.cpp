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
namespace {

// A mailto: link is handed over unencoded ("?subject=Rinnovo tessera&body=
// Gentilissimo Sig. Rossi & Figli, ..."). The desktop needs a real URL, so
// each part is percent-encoded; a header's value runs up to the next
// "&header=", so an "&" inside a name stays in the text it belongs to.
QUrl mailUrl(const QString& link)
{
    const QString rest = link.mid(7);  // after "mailto:"
    const qsizetype question = rest.indexOf(QLatin1Char('?'));
    QByteArray encoded = "mailto:" + QUrl::toPercentEncoding(question < 0 ? rest : rest.left(question), "@");
    if (question >= 0) {
        const QString query = rest.mid(question + 1);
        static const QStringList headers{QStringLiteral("subject"), QStringLiteral("body"), QStringLiteral("cc"),
                                         QStringLiteral("bcc"), QStringLiteral("to")};
        // Where each "&header=" begins, in order.
        QList<qsizetype> starts{0};
        for (qsizetype at = query.indexOf(QLatin1Char('&')); at >= 0; at = query.indexOf(QLatin1Char('&'), at + 1))
            for (const QString& h : headers)
                if (QStringView(query).mid(at + 1).startsWith(h + QLatin1Char('='), Qt::CaseInsensitive))
                    starts << at + 1;
        starts << query.size() + 1;
        QByteArrayList parts;
        for (qsizetype i = 0; i + 1 < starts.size(); ++i) {
            const QString part = query.mid(starts[i], starts[i + 1] - 1 - starts[i]);
            const qsizetype eq = part.indexOf(QLatin1Char('='));
            parts << (eq < 0 ? QUrl::toPercentEncoding(part)
                             : QUrl::toPercentEncoding(part.left(eq)) + '=' + QUrl::toPercentEncoding(part.mid(eq + 1)));
        }
        encoded += '?' + parts.join('&');
    }
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

}  // namespace

QUrl urlFor(const QString& command)
{
    QString target = command.trimmed();
    if (target.size() >= 2 && target.startsWith(QLatin1Char('"')) && target.endsWith(QLatin1Char('"')))
        target = target.mid(1, target.size() - 2);
    if (target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        return mailUrl(target);
    const QUrl url(target, QUrl::TolerantMode);
    // A one-letter scheme is a Windows drive ("C:"), and a path is never an address.
    if (url.scheme().size() > 1 && !target.startsWith(QLatin1Char('/')))
        return url;
    return QUrl::fromLocalFile(target);
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
