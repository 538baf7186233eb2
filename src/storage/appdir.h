#pragma once
// The application directory: where every archive, picture, settings file and
// the password file lie. By default the directory of the executable when the
// program may write there (a portable copy, the build folder); for an
// installed program, the user's own folder (~/.local/share/Norvalis). The
// option --data-dir DIR and the environment variable NORVALIS_DATA_DIR
// override both (the option wins).
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

// The directory that the arguments and the environment value name, else
// `fallback`, without a trailing separator. `arguments` holds the program
// arguments without the program name; "--data-dir DIR" and "--data-dir=DIR"
// are both understood.
QString resolve(const QStringList& arguments, const QString& environmentValue, const QString& fallback);
// The arguments with every --data-dir option and its value taken out.
QStringList withoutOption(const QStringList& arguments);

// The data folder a run uses, and whether it is the user's own folder of an
// installed program (which the program makes on its first start).
struct Placement {
    QString folder;
    bool userFolder = false;
};
// The choice of the data folder: the option, else the environment value,
// else the executable's folder when it is writable and not an installation,
// else `userFolder`.
Placement choose(const QStringList& arguments, const QString& environmentValue, const QString& executableDir,
                 bool executableDirWritable, const QString& userFolder);
// The same choice for the running process: its environment, whether it may
// write into `executableDir` (writable()), and the user's folder.
Placement chooseForProcess(const QStringList& arguments, const QString& executableDir);
// True when the process may create files in `folder` (an administrator may
// write anywhere that is not mounted read-only).
bool writable(const QString& folder);
// True when `executableDir` is the programs' folder of an installation, with
// the installed files in ../share/norvalis: its programs are shared by every
// user, so no data is kept beside them, whoever runs them.
bool isInstallation(const QString& executableDir);
// The user's own data folder: the application's data location
// (~/.local/share/Norvalis once the application is named ApplicationName),
// without a trailing separator.
QString userFolder();

// Chooses (chooseForProcess) and sets the directory, creating it when it is
// missing; sets the program's folder to `executableDir`. Returns false when
// the data folder cannot be created. `placed`, when given, gets the choice.
bool initialise(const QStringList& arguments, const QString& executableDir, Placement* placed = nullptr);

// The executable's directory, with a trailing separator; until it is set,
// that of the running application.
QString programPath();
void setProgramPath(const QString& directory);
// The name both programs give the application (and no organisation): it
// names the user's data folder.
inline constexpr const char* ApplicationName = "Norvalis";

// Where an installed file lies: beside the executable, else in the shared
// data folder of an installation (../share/norvalis from the executable's
// folder). When it is in neither, the path beside the executable, which is
// where it is first looked for.
QString installedFile(const QString& name);

// A file name chosen in a save dialog with ".suffix" added when it has no
// ending of its own ("Elenco" and "Elenco." -> "Elenco.pdf"); an empty name
// stays empty.
QString withSuffix(const QString& name, const QString& suffix);

// "2024" + ".ore" -> "2024.ore"; the year is trimmed.
QString yearlyFileName(const QString& year, const char* extension);

}  // namespace AppDir
