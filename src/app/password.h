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
// Puts the file with the upper-case first-access password into `directory`
// unless a file of that name is already there. Returns false on failure.
bool installFirstAccess(const QString& directory, QString* error = nullptr);

}  // namespace PasswordFile
