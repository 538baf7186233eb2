#pragma once
// The application directory: where every archive, picture, settings file and
// the password file lie. By default the directory of the executable; the
// option --data-dir DIR and the environment variable NORVALIS_DATA_DIR
// override it (the option wins).
//
// The program's folder is another thing: the files supplied with the
// installation and only read (the manual, the reminder sound) lie beside the
// executable or in its ../share/norvalis, never in the data folder.

#include <QString>
#include <QStringList>

namespace AppDir {

inline constexpr const char* EnvironmentVariable = "NORVALIS_DATA_DIR";
inline constexpr const char* Option = "--data-dir";

// The directory, always with a trailing separator.
QString path();
// path() + name.
QString filePath(const QString& name);
// Sets the directory (made absolute, trailing separator added).
void set(const QString& directory);

// The directory that the arguments, the environment value and the
// executable's directory give, without a trailing separator. `arguments`
// holds the program arguments without the program name; "--data-dir DIR"
// and "--data-dir=DIR" are both understood.
QString resolve(const QStringList& arguments, const QString& environmentValue, const QString& executableDir);
// The arguments with every --data-dir option and its value taken out.
QStringList withoutOption(const QStringList& arguments);
// Resolves from the process's arguments and environment, sets the directory
// and creates it when it is missing; sets the program's folder to
// `executableDir`. Returns false when the data folder cannot be created.
bool initialise(const QStringList& arguments, const QString& executableDir);

// The executable's directory, with a trailing separator; until it is set,
// that of the running application.
QString programPath();
void setProgramPath(const QString& directory);
// Where an installed file lies: beside the executable, else in the shared
// data folder of an installation (../share/norvalis from the executable's
// folder). When it is in neither, the path beside the executable, which is
// where it is first looked for.
QString installedFile(const QString& name);

// "2024" + ".ore" -> "2024.ore"; the year is trimmed.
QString yearlyFileName(const QString& year, const char* extension);

}  // namespace AppDir
