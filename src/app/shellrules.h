#pragma once
// The small rules of the application shell: the year chooser, what the shell
// "open" hands the desktop, and the date picker's caller codes.

#include <QDate>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace YearChoice {

inline const QString YearWarning = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

// The year a field starts from: the current year, four digits.
QString yearText(const QDate& today);
// Only a text of exactly four characters opens an archive (the field takes digits only).
bool acceptable(const QString& typed);
// The archive of the typed year: application directory + trimmed year + extension.
QString archivePath(const QString& typed, const char* extension);
// " Norvalis 2.0 - Programmazione turni anno 2024"
QString screenCaption(const QString& typed);

}  // namespace YearChoice

namespace ShellOpen {

// What the shell is asked to open: the command as the program words it (a
// path or an address, perhaps enclosed in double quotes) and the address the
// desktop is handed.
struct Target {
    QString command;
    QUrl url;
};

// The desktop's address for a shell command: the text without its enclosing
// double quotes, as a web address when it has a scheme, otherwise as a local
// file or folder.
QUrl urlFor(const QString& command);
// A file, folder or web address.
Target target(const QString& command);
// The path in double quotes, the way file commands are written.
Target file(const QString& path);

// A header of a mailto: link ("subject", "body") and its value.
struct MailHeader {
    QString name;
    QString value;
};
// A new e-mail to `address`. The command holds the link as it reads,
// "mailto:" + address + "?subject=" + ... + "&body=" + ..., in double
// quotes; the desktop's address has every part percent-encoded, the address
// included, so that nothing typed in a field can add a recipient or a
// header ("x@y?bcc=z" stays one recipient, "Rossi & Figli" stays in the body).
Target mail(const QString& address, const QList<MailHeader>& headers = {});

// The local file or folder the target names when it is not there; no value
// for an existing one and for addresses.
std::optional<QString> missingFile(const Target& target);

// The warnings of an open that cannot be done.
QString missingFileMessage(const QString& path);
QString failureMessage(const Target& target);

}  // namespace ShellOpen

namespace FileFilters {

// The program's file filters are written the Windows way,
// "Immagine JPEG (*.jpg; *.jpeg)" or "Tutti i file (*.*)"; the desktop's
// file dialogs want the patterns separated by blanks, and "*" for any file.
QString forDesktop(const QString& filters);

}  // namespace FileFilters

namespace DatePicker {

// Where a caller code sends the chosen date: the window (by its global name)
// and the field in it.
struct Target {
    QString window;
    QString field;
};

// No value for a code no screen uses.
std::optional<Target> targetFor(const QString& callerCode);

}  // namespace DatePicker
