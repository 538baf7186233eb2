#include "storage/textfield.h"

#include <QTextCodec>

#include <algorithm>
#include <array>
#include <cstring>

namespace TextField {
namespace {

QTextCodec* ansiCodec()
{
    static QTextCodec* const codec = QTextCodec::codecForName("windows-1252");
    return codec;
}

// Windows-1252 is a single-byte code page: decoding byte by byte through a
// table taken once from the codec gives the codec's own result, at a fraction
// of the cost of a codec call per field (scans decode every field of every record).
const std::array<char16_t, 256>& decodeTable()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        QByteArray all(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        const QString decoded = ansiCodec()->toUnicode(all);
        for (int i = 0; i < 256; ++i)
            t[std::size_t(i)] = i < decoded.size() ? decoded.at(i).unicode() : u'?';
        return t;
    }();
    return table;
}

// Writes one character per byte at `dst`.
void decode(QChar* dst, QByteArrayView bytes)
{
    const auto& table = decodeTable();
    for (const char byte : bytes)
        *dst++ = QChar(table[static_cast<unsigned char>(byte)]);
}

bool isBlankOrControl(QChar c) { return c.unicode() <= u' '; }

}  // namespace

QStringView trimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrControl(text.at(begin)))
        ++begin;
    while (end > begin && isBlankOrControl(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

QString trimmed(QStringView text)
{
    return trimmedView(text).toString();
}

QString asciiUpper(QStringView text)
{
    QString out = text.toString();
    for (QChar& c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return out;
}

QString asciiLower(QStringView text)
{
    QString out = text.toString();
    asciiLowerInPlace(out);
    return out;
}

void asciiLowerInPlace(QString& text)
{
    for (QChar& c : text)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
}

QByteArray toAnsi(QStringView text)
{
    return ansiCodec()->fromUnicode(text);
}

QString fromAnsi(const char* bytes, int length)
{
    QString out(length, Qt::Uninitialized);
    decode(out.data(), QByteArrayView(bytes, length));
    return out;
}

void appendAnsi(QString& out, QByteArrayView bytes)
{
    const qsizetype at = out.size();
    out.resize(at + bytes.size());
    decode(out.data() + at, bytes);
}

void store(char* field, int capacity, QStringView text)
{
    capacity = std::clamp(capacity, 0, MaxCapacity);
    const QByteArray ansi = toAnsi(trimmed(text));
    const int length = std::min<int>(int(ansi.size()), capacity);
    field[0] = char(length);
    std::memcpy(field + 1, ansi.constData(), std::size_t(length));
    std::memset(field + 1 + length, 0, std::size_t(capacity - length));
}

QString load(const char* field, int capacity)
{
    // Trimming the bytes first gives the same text with one string built instead of two.
    const QByteArrayView text = textBytes(field, capacity);
    return fromAnsi(text.data(), int(text.size()));
}

QByteArrayView textBytes(const char* field, int capacity)
{
    const int length = std::min<int>(static_cast<unsigned char>(field[0]), capacity);
    // Windows-1252 maps exactly the bytes up to 0x20 to the characters up to
    // the blank, so trimming the bytes gives the bytes of the trimmed text.
    const auto* text = reinterpret_cast<const unsigned char*>(field + 1);
    int begin = 0;
    int end = length;
    while (begin < end && text[begin] <= 0x20)
        ++begin;
    while (end > begin && text[end - 1] <= 0x20)
        --end;
    return QByteArrayView(field + 1 + begin, end - begin);
}

}  // namespace TextField
