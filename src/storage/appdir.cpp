#include "storage/appdir.h"

#include "storage/textfield.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace AppDir {
namespace {

QString& current()
{
    static QString dir;
    return dir;
}

QString& program()
{
    static QString dir;
    return dir;
}

QString withSeparator(const QString& directory)
{
    QString dir = QDir::cleanPath(QDir(directory).absolutePath());
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

const QString optionName = QString::fromLatin1(Option);
const QString optionPrefix = optionName + QLatin1Char('=');

}  // namespace

QString path()
{
    if (current().isEmpty())
        current() = withSeparator(QDir::currentPath());
    return current();
}

QString filePath(const QString& name)
{
    return path() + name;
}

void set(const QString& directory)
{
    current() = withSeparator(directory);
}

QString resolve(const QStringList& arguments, const QString& environmentValue, const QString& fallback)
{
    QString chosen;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == optionName && i + 1 < arguments.size())
            chosen = arguments.at(++i);
        else if (arguments.at(i).startsWith(optionPrefix))
            chosen = arguments.at(i).mid(optionPrefix.size());
    }
    if (chosen.isEmpty())
        chosen = environmentValue;
    if (chosen.isEmpty())
        chosen = fallback;
    return chosen;
}

QStringList withoutOption(const QStringList& arguments)
{
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == optionName)
            ++i;
        else if (!arguments.at(i).startsWith(optionPrefix))
            rest << arguments.at(i);
    }
    return rest;
}

Placement choose(const QStringList& arguments, const QString& environmentValue, const QString& executableDir,
                 bool executableDirWritable, const QString& userFolder)
{
    const QString named = resolve(arguments, environmentValue, QString());
    if (!named.isEmpty())
        return {named, false};
    if (executableDirWritable && !isInstallation(executableDir))
        return {executableDir, false};
    return {userFolder, true};
}

Placement chooseForProcess(const QStringList& arguments, const QString& executableDir)
{
    return choose(arguments, qEnvironmentVariable(EnvironmentVariable), executableDir, writable(executableDir),
                  userFolder());
}

bool writable(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

bool isInstallation(const QString& executableDir)
{
    return QFileInfo(QDir(executableDir).filePath(QStringLiteral("../share/norvalis"))).isDir();
}

QString userFolder()
{
    // Both programs name themselves ApplicationName, with no organisation,
    // so that this is ~/.local/share/Norvalis for either.
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

bool initialise(const QStringList& arguments, const QString& executableDir, Placement* placed)
{
    const Placement placement = chooseForProcess(arguments, executableDir);
    if (placed)
        *placed = placement;
    set(placement.folder);
    setProgramPath(executableDir);
    return QDir().mkpath(path());
}

QString programPath()
{
    if (program().isEmpty())
        program() = withSeparator(QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                               : QDir::currentPath());
    return program();
}

void setProgramPath(const QString& directory)
{
    program() = withSeparator(directory);
}

QString installedFile(const QString& name)
{
    const QString beside = programPath() + name;
    if (QFileInfo::exists(beside))
        return beside;
    const QString shared = QDir::cleanPath(programPath() + QStringLiteral("../share/norvalis/") + name);
    if (QFileInfo::exists(shared))
        return shared;
    return beside;
}

QString withSuffix(const QString& name, const QString& suffix)
{
    if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + (name.endsWith(QLatin1Char('.')) ? suffix : QLatin1Char('.') + suffix);
}

QString yearlyFileName(const QString& year, const char* extension)
{
    return TextField::trimmed(year) + QLatin1String(extension);
}

}  // namespace AppDir
