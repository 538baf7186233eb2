#include "members/attachments.h"

#include "storage/appdir.h"
#include "storage/layout.h"
#include "storage/safefile.h"
#include "storage/textfield.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace attachments {

QString folder()
{
    return AppDir::filePath(QLatin1String(FolderName)) + QLatin1Char('/');
}

QString pathOf(const QString& name)
{
    return folder() + name;
}

bool ensureFolder()
{
    return QDir().mkpath(folder());
}

bool isPlainName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 0x20)
            return false;
    return true;
}

std::optional<QString> nameRefusal(const QString& name)
{
    const auto refused = [](const QString& why) {
        return QStringLiteral("Attenzione: il nome del file scelto ") + why
               + QStringLiteral(" e non pu\u00F2 essere registrato nella scheda.\r\n\r\n"
                                "Rinominare il file e allegarlo di nuovo.");
    };
    if (TextField::trimmed(name) != name)
        return refused(QStringLiteral("inizia o termina con uno spazio"));
    for (QChar c : name) {
        if (c.unicode() < 0x20)
            return refused(QStringLiteral("contiene un carattere di controllo"));
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':'))
            return refused(QStringLiteral("contiene il carattere \"") + c + QLatin1Char('"'));
    }
    for (qsizetype i = 0; i < name.size(); ++i) {
        const qsizetype length = name.at(i).isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QString one = name.mid(i, length);
        if (TextField::fromAnsi(TextField::toAnsi(one)) != one)
            return refused(QStringLiteral("contiene il carattere \"") + one + QLatin1Char('"'));
        i += length - 1;
    }
    // Every character is one byte in the record.
    if (name.size() > layout::AttachmentCapacity)
        return refused(QStringLiteral("supera i %1 caratteri").arg(layout::AttachmentCapacity));
    if (!isPlainName(name))
        return refused(QStringLiteral("non indica un file"));
    return std::nullopt;
}

std::optional<QString> openCommand(const QString& storedName)
{
    const QString name = TextField::trimmed(storedName);
    if (!isPlainName(name))
        return std::nullopt;
    return QLatin1Char('"') + pathOf(name) + QLatin1Char('"');
}

bool copyIn(const QString& source, const QString& name)
{
    if (!isPlainName(name))
        return false;
    const QString target = pathOf(name);
    const QFileInfo from(source);
    const QFileInfo to(target);
    if (to.exists() && from.exists() && from.canonicalFilePath() == to.canonicalFilePath())
        return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    return SafeFile::replace(target, [&in](QIODevice& out) {
        char buffer[64 * 1024];
        for (;;) {
            const qint64 got = in.read(buffer, sizeof buffer);
            if (got <= 0)
                return got == 0;
            if (out.write(buffer, got) != got)
                return false;
        }
    });
}

QString summary(const QList<std::pair<QString, QString>>& entries)
{
    QStringList named;
    for (const auto& [name, description] : entries) {
        const QString file = TextField::trimmed(name);
        const QString about = TextField::trimmed(description);
        if (!file.isEmpty())
            named << (about.isEmpty() ? file : file + QStringLiteral(" (") + about + QLatin1Char(')'));
    }
    return named.isEmpty() ? QStringLiteral("nessun file allegato") : named.join(QStringLiteral(", "));
}

std::optional<QString> callerWindow(const QString& callerKey)
{
    static const struct {
        const char* key;
        const char* window;
    } callers[] = {
        {"anagrafica", "frmAnagrafica"},
        {"orari", "frmOrari"},
        {"turni", "frmTurni"},
        {"settimanale", "frmSettimanale"},
    };
    for (const auto& c : callers)
        if (callerKey == QLatin1String(c.key))
            return QString::fromLatin1(c.window);
    return std::nullopt;
}

}  // namespace attachments
