#pragma once
// Attached files: copies kept in one folder of the application directory,
// named in the records by their file name alone.

#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace attachments {

inline constexpr const char* FolderName = "Documenti_Allegati";

// Application directory + "Documenti_Allegati/".
QString folder();
// folder() + name.
QString pathOf(const QString& name);
// Creates the folder when it is missing; false when it cannot be made.
bool ensureFolder();

// A name that stays inside the folder: not empty, no folder part ('/' or
// '\\'), no drive or stream (':'), not "." or "..", no control characters.
// Names read from a record may come from a damaged or foreign file.
bool isPlainName(const QString& name);
// Why a chosen file cannot be attached under its own name, as the warning
// that says so; no value when it can. A record keeps a name trimmed, in
// Windows-1252 and cut to its field's capacity, and opens only plain names:
// a file is attached only when its name comes back from the record exactly
// as it is in the folder.
std::optional<QString> nameRefusal(const QString& name);

// The shell command that opens the attachment a record names: the folder +
// the trimmed name in double quotes. No value when the name would open
// anything but a file of the folder.
std::optional<QString> openCommand(const QString& storedName);

// Copies `source` into the folder as `name`, replacing a file of that name
// only with a complete copy. Copying the folder's own file onto itself
// succeeds without touching it.
bool copyIn(const QString& source, const QString& name);

inline const QString BrowseTitle = QStringLiteral("Selezionare il file da allegare:");
inline const QString BrowseFilter = QStringLiteral("Tutti i file (*.*)");
inline const QString CopyFailureMessage =
    QStringLiteral("Attenzione: impossibile copiare il file nella cartella dei documenti allegati.")
    + QStringLiteral("\r\n\r\n") + QStringLiteral("Il file non è stato allegato.");
inline const QString OverwriteQuestion =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.")
    + QStringLiteral("\r\n\r\n") + QStringLiteral("Si vuole sovrascrivere il file esistente?");

// One line naming the attached files of a record, each with its
// description in brackets when it has one, in slot order: "turni.pdf
// (Piano firmato), foto.jpg"; "nessun file allegato" when no slot names a
// file. `entries` holds each slot's name and description.
QString summary(const QList<std::pair<QString, QString>>& entries);

// The screen that keeps the attachments of a caller key ("anagrafica" ->
// "frmAnagrafica", "orari", "turni", "settimanale"); no value for a key no
// screen uses.
std::optional<QString> callerWindow(const QString& callerKey);

}  // namespace attachments
