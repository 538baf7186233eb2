// The password unscramble on any text: it either refuses the text or gives
// the plain text whose scramble is the text's hexadecimal pairs; and any
// text of 8-bit characters comes back from scramble and unscramble whole.

#include "app/crypt.h"
#include "fuzzsupport.h"

#include <QString>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString hex = QString::fromUtf8(bytes);
    try {
        const QString plain = Crypt::UnscrambleText(hex);
        FUZZ_ASSERT(plain.size() == hex.size() / 2);
        FUZZ_ASSERT(Crypt::ScrambleText(plain) == hex.left(plain.size() * 2).toUpper());
    } catch (const Crypt::ConversionError&) {
    }
    const QString latin = QString::fromLatin1(bytes);
    FUZZ_ASSERT(Crypt::UnscrambleText(Crypt::ScrambleText(latin)) == latin);
    return 0;
}
