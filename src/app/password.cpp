#include "app/password.h"

#include "app/crypt.h"
#include "app/inifile.h"
#include "storage/textfield.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

namespace PasswordFile {

QString storedPassword(const QString& filePath)
{
    const QString hex = IniFile(filePath).value(QLatin1String(Section), QLatin1String(Key));
    return TextField::trimmed(Crypt::UnscrambleText(hex));
}

bool storePassword(const QString& filePath, const QString& password, QString* error)
{
    IniFile ini(filePath);
    if (ini.setValue(QLatin1String(Section), QLatin1String(Key), Crypt::ScrambleText(password)))
        return true;
    if (error)
        *error = ini.errorString();
    return false;
}

bool installFirstAccess(const QString& directory, QString* error)
{
    const QString path = QDir(directory).filePath(QLatin1String(FileName));
    // A file that holds a password is never touched. One that holds none, or a
    // damaged value, locks everybody out: it gets the first-access password,
    // which is what the message about a damaged file tells users to reinstall for.
    if (QFileInfo::exists(path)) {
        try {
            if (!storedPassword(path).isEmpty())
                return true;
        } catch (const Crypt::ConversionError&) {
        }
    }
    if (!QDir().mkpath(directory)) {
        if (error)
            *error = QStringLiteral("impossibile creare la cartella %1").arg(directory);
        return false;
    }
    return storePassword(path, TextField::asciiUpper(QString::fromLatin1(FirstAccessPassword)), error);
}

QString typedForm(const QString& typed)
{
    return TextField::trimmed(TextField::asciiUpper(typed));
}

bool matches(const QString& filePath, const QString& typed)
{
    return storedPassword(filePath) == typedForm(typed);
}

bool storable(const QString& password)
{
    for (QChar c : password)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

ChangeResult change(const QString& filePath, const QString& oldPassword, const QString& newPassword,
                    const QString& confirmation)
{
    if (!matches(filePath, oldPassword))
        return ChangeResult::WrongOld;
    if (TextField::trimmed(newPassword) != TextField::trimmed(confirmation))
        return ChangeResult::NotConfirmed;
    const QString stored = typedForm(newPassword);
    if (!storable(stored))
        return ChangeResult::NotStorable;
    QString error;
    if (!storePassword(filePath, stored, &error))
        throw std::runtime_error(error.toStdString());
    return ChangeResult::Changed;
}

}  // namespace PasswordFile
