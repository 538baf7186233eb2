#pragma once
// The small rules of the application shell: the year chooser and the date
// picker's caller codes.

#include <QDate>
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

// What the desktop is asked to open for a shell command: the text without
// its enclosing double quotes, as a web or mailto: address when it has a
// scheme, otherwise as a local file or folder.
QUrl urlFor(const QString& command);

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
