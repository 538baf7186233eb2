#pragma once
// The password scramble: a 16-bit running key over the low 8 bits of each
// character, written as two upper-case hexadecimal digits per character.

#include <QString>

#include <stdexcept>

namespace Crypt {

class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

QString ScrambleText(const QString& plain);
// Throws ConversionError when a pair of characters is not a hexadecimal
// number; a trailing unpaired digit is ignored.
QString UnscrambleText(const QString& hex);

}  // namespace Crypt
