#include "app/crypt.h"

#include <cstdint>

namespace Crypt {
namespace {

constexpr std::uint16_t StartKey = 0x5A3D;
constexpr std::uint16_t Multiplier = 0x9E35;
constexpr std::uint16_t Increment = 0x71B3;

// The key moves on with the scrambled byte, not with the plain one.
std::uint16_t nextKey(std::uint16_t key, std::uint8_t scrambled)
{
    return std::uint16_t((std::uint16_t(scrambled + key) * std::uint32_t(Multiplier) + Increment) & 0xFFFF);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

}  // namespace

QString ScrambleText(const QString& plain)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(plain.size() * 2);
    std::uint16_t key = StartKey;
    for (QChar c : plain) {
        const std::uint8_t s = std::uint8_t((c.unicode() & 0xFF) ^ (key >> 8));
        out += QLatin1Char(digits[s >> 4]);
        out += QLatin1Char(digits[s & 0xF]);
        key = nextKey(key, s);
    }
    return out;
}

QString UnscrambleText(const QString& hex)
{
    const qsizetype pairs = hex.size() / 2;
    QString out;
    out.reserve(pairs);
    std::uint16_t key = StartKey;
    for (qsizetype i = 0; i < pairs; ++i) {
        const int high = hexDigit(hex.at(2 * i));
        const int low = hexDigit(hex.at(2 * i + 1));
        if (high < 0 || low < 0)
            throw ConversionError("'" + hex.mid(2 * i, 2).toStdString() + "' non è un numero esadecimale valido");
        const auto s = std::uint8_t(high * 16 + low);
        out += QChar(char16_t(s ^ (key >> 8)));
        key = nextKey(key, s);
    }
    return out;
}

}  // namespace Crypt
