#pragma once
// The password file unins000.dll: despite its name an INI text holding the
// scrambled password (section "Accesso", key "Valore").

#include <QString>

namespace PasswordFile {

inline constexpr const char* FileName = "unins000.dll";
inline constexpr const char* Section = "Accesso";
inline constexpr const char* Key = "Valore";
inline constexpr const char* FirstAccessPassword = "ravenquillotto";

// The stored password: the value unscrambled and trimmed; empty when the file
// or the key is missing. Throws Crypt::ConversionError on a damaged value.
QString storedPassword(const QString& filePath);
// Scrambles `password` as given and writes it. Returns false on failure.
bool storePassword(const QString& filePath, const QString& password, QString* error = nullptr);
// Puts the upper-case first-access password into the file in `directory`
// unless the file there already holds a readable password (an existing
// password is never overwritten; a missing file, a missing key or a damaged
// value is). Other lines of the file are kept. Returns false on failure.
bool installFirstAccess(const QString& directory, QString* error = nullptr);

// A typed password as it is compared and stored: the letters a-z upper-cased
// (nothing else, accented letters included), then trimmed.
QString typedForm(const QString& typed);

// Compares a typed password with the stored one. Throws (Crypt::ConversionError
// or std::runtime_error) when the file holds a damaged value.
bool matches(const QString& filePath, const QString& typed);

// True when the scramble keeps every character of `password`: it keeps the
// low 8 bits of each code, so a character above U+00FF (the euro sign, a
// Greek or Cyrillic letter, an emoji) would be stored as another one and the
// password could never be typed again.
bool storable(const QString& password);

enum class ChangeResult { Changed, WrongOld, NotConfirmed, NotStorable };
// The password change: the old password is checked as the login does; the
// new one and its confirmation must be equal once trimmed (letter case
// counts) and storable; the new one is stored in its typed form. Nothing is
// written unless the result is Changed. Throws on any failure to read or
// write the file, which then keeps its previous value.
ChangeResult change(const QString& filePath, const QString& oldPassword, const QString& newPassword,
                    const QString& confirmation);

inline const QString WrongPasswordMessage = QStringLiteral("Attenzione: password errata.");
inline const QString ReadFailureMessage = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. "
    "Si consiglia di reinstallare il software.");
inline const QString WrongOldMessage = QStringLiteral("Attenzione: vecchia password errata.");
inline const QString NotConfirmedMessage = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. "
    "E' necessario reinserire entrambi i valori.");
inline const QString NotStorableMessage = QStringLiteral(
    "Attenzione: la password può contenere soltanto lettere, cifre e simboli dell'alfabeto latino "
    "(ad esempio non il simbolo dell'euro). E' necessario reinserire entrambi i valori.");
inline const QString ChangedMessage = QStringLiteral("Modifica della password completata con successo.");
inline const QString ChangeFailureMessage = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. "
    "Si consiglia di reinstallare il software.");

}  // namespace PasswordFile
