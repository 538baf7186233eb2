#pragma once
// Fixed-length text fields: one length byte, then `capacity` bytes of text in
// the Windows-1252 code page. Every stored text is trimmed and cut to capacity.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace TextField {

constexpr int MaxCapacity = 255;

// The exact bytes of the two yes/no flag values (a field of capacity 2).
inline constexpr char FlagYes[3] = {0x02, 0x53, char(0xEC)};   // "Sì"
inline constexpr char FlagNo[3] = {0x02, 0x4E, 0x6F};           // "No"
inline const QString YesText = QStringLiteral("S\u00EC");
inline const QString NoText = QStringLiteral("No");

// Removes leading and trailing characters up to and including the blank
// (controls and spaces; a non-breaking space stays).
QString trimmed(QStringView text);
// The same, without a copy: the part of `text` trimmed() keeps.
QStringView trimmedView(QStringView text);
// Upper-cases the ASCII letters a-z only; accented letters are left alone.
QString asciiUpper(QStringView text);
QString asciiLower(QStringView text);
void asciiLowerInPlace(QString& text);

// Windows-1252 conversion. Characters the code page lacks become '?'.
QByteArray toAnsi(QStringView text);
QString fromAnsi(const char* bytes, int length);
inline QString fromAnsi(const QByteArray& bytes) { return fromAnsi(bytes.constData(), int(bytes.size())); }
// Appends the Windows-1252 `bytes` to `out`, one character per byte.
void appendAnsi(QString& out, QByteArrayView bytes);

// Writes `text` into the capacity + 1 bytes at `field`: trimmed, converted, cut
// to capacity; the unused bytes are zeroed.
void store(char* field, int capacity, QStringView text);
// Reads the field at `field`. A length byte above the capacity (a damaged
// file) is taken as the capacity, so a read never runs into the next field.
QString load(const char* field, int capacity);
// The bytes of the text load() gives, where they lie in the field: the length
// byte taken as load() takes it, the blanks at both ends left out.
QByteArrayView textBytes(const char* field, int capacity);

}  // namespace TextField
