#include "output/spreadsheet.h"

#include "storage/safefile.h"
#include "storage/textfield.h"

#include <QBuffer>

#include <array>
#include <bitset>
#include <cstring>

namespace Spreadsheet {
namespace {

const char* const Head =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml>"
    "<x:ExcelWorkbook>"
    "<x:ExcelWorksheets>"
    "<x:ExcelWorksheet>"
    "<x:Name>";

const char* const AfterName =
    "</x:Name>"
    "<x:WorksheetOptions>"
    "<x:Selected/>"
    "<x:Panes>"
    "<x:Pane>"
    "<x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane>"
    "</x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions>"
    "</x:ExcelWorksheet>"
    "</x:ExcelWorksheets>"
    "</x:ExcelWorkbook>"
    "</xml><![endif]-->"
    "</head>"
    "<body>"
    "<table x:str>";

// Every data cell is marked as text for Excel (mso-number-format) and for
// LibreOffice (sdnum): a VAT number, a card number or a postal code keeps its
// leading zeros instead of being read as a number.
const char* const DataCell = "<td style=\"text-align: left; mso-number-format:'\\@';\" sdnum=\"1040;0;@\">";

const char* const Tail = "</table></body></html>";

// Rows are gathered into chunks of about this many bytes before each write.
constexpr qsizetype ChunkSize = 1 << 16;

// Windows-1252 as a table, taken once from the codec. A code page of one byte
// a character maps each UTF-16 unit on its own, except the surrogates (a pair
// is one character) and any character the codec does not turn into exactly
// one byte: text holding one of those goes through the codec itself.
struct Encoding {
    std::array<char, 0x10000> byte{};
    std::bitset<0x10000> viaCodec;
    // A stored byte: the character it reads as, that character encoded
    // again, and whether it is a blank or a control (what trimming removes).
    std::array<char16_t, 256> storedChar{};
    std::array<char, 256> stored{};
    std::bitset<256> storedBlank;
    std::bitset<256> storedViaCodec;
};

const Encoding& encoding()
{
    static const Encoding& table = *[] {
        auto* made = new Encoding;  // kept for the program's life
        Encoding& e = *made;
        QString all;
        all.reserve(0x10000);
        for (char32_t u = 0; u < 0x10000; ++u)
            if (!QChar::isSurrogate(u))
                all += QChar(char16_t(u));
        const QByteArray bytes = TextField::toAnsi(all);
        if (bytes.size() == all.size()) {
            for (qsizetype i = 0; i < all.size(); ++i)
                e.byte[all.at(i).unicode()] = bytes.at(i);
        } else {
            for (const QChar c : std::as_const(all)) {
                const QByteArray one = TextField::toAnsi(QStringView(&c, 1));
                if (one.size() == 1)
                    e.byte[c.unicode()] = one.at(0);
                else
                    e.viaCodec.set(c.unicode());
            }
        }
        for (char32_t u = 0xD800; u < 0xE000; ++u)
            e.viaCodec.set(u);
        for (int b = 0; b < 256; ++b) {
            const char raw = char(b);
            const char16_t c = TextField::fromAnsi(&raw, 1).at(0).unicode();
            e.storedChar[std::size_t(b)] = c;
            e.stored[std::size_t(b)] = e.byte[c];
            e.storedBlank[std::size_t(b)] = c <= u' ';
            e.storedViaCodec[std::size_t(b)] = e.viaCodec[c];
        }
        return made;
    }();
    return table;
}

void appendEscaped(QString& out, QStringView text)
{
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&': out += QLatin1String("&amp;"); break;
        case u'<': out += QLatin1String("&lt;"); break;
        case u'>': out += QLatin1String("&gt;"); break;
        default: out += c;
        }
    }
}

// The longest a character can grow when escaped.
constexpr qsizetype MaxEscaped = 5;

// Puts the character `c`, escaped, or else its byte `encoded`, at `at`;
// returns the position after it.
inline char* putChar(char* at, char16_t c, char encoded)
{
    switch (c) {
    case u'&': std::memcpy(at, "&amp;", 5); return at + 5;
    case u'<': std::memcpy(at, "&lt;", 4); return at + 4;
    case u'>': std::memcpy(at, "&gt;", 4); return at + 4;
    default: *at = encoded; return at + 1;
    }
}

// Appends `text` escaped and encoded, then the markup `after`.
void appendText(QByteArray& out, QStringView text, QLatin1StringView after)
{
    const Encoding& e = encoding();
    const qsizetype start = out.size();
    out.resize(start + text.size() * MaxEscaped);
    char* at = out.data() + start;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (e.viaCodec[u]) {
            // The codec sees the markup that follows, as it would in the whole file.
            out.resize(start);
            QString escapedText;
            escapedText.reserve(text.size() + after.size());
            appendEscaped(escapedText, text);
            escapedText += after;
            out += TextField::toAnsi(escapedText);
            return;
        }
        at = putChar(at, u, e.byte[u]);
    }
    out.resize(at - out.constData());
    out.append(after.data(), after.size());
}

QStringView trimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= u' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

bool put(QIODevice& device, const QByteArray& bytes)
{
    return device.write(bytes) == bytes.size();
}

}  // namespace

Table Table::of(QString worksheet, QList<HeaderCell> header, QList<QStringList> rows)
{
    Table t{std::move(worksheet), std::move(header), int(rows.size()), {}};
    t.row = [rows = std::move(rows)](int index) { return rows.at(index); };
    return t;
}

QString escaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    appendEscaped(out, text);
    return out;
}

Writer::Writer(QIODevice& device, QStringView worksheet, const QList<HeaderCell>& header) : m_device(device)
{
    m_buffer.reserve(ChunkSize + 4096);
    m_buffer += Head;
    appendText(m_buffer, worksheet, QLatin1StringView(AfterName));
    m_buffer += "<tr>";
    for (const HeaderCell& cell : header) {
        m_buffer += "<td style=\"text-align: left; font-weight: bold;\" width=";
        m_buffer += QByteArray::number(cell.width);
        m_buffer += '>';
        appendText(m_buffer, cell.title, QLatin1StringView("</td>"));
    }
    m_buffer += "</tr>";
}

void Writer::beginRow()
{
    m_buffer += "<tr>";
}

void Writer::cell(QStringView value)
{
    m_buffer += DataCell;
    appendText(m_buffer, trimmedView(value), QLatin1StringView("</td>"));
}

void Writer::storedCell(QByteArrayView text)
{
    const Encoding& e = encoding();
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && e.storedBlank[bytes[begin]])
        ++begin;
    while (end > begin && e.storedBlank[bytes[end - 1]])
        --end;
    for (qsizetype i = begin; i < end; ++i)
        if (e.storedViaCodec[bytes[i]]) {
            cell(TextField::fromAnsi(text.data() + begin, int(end - begin)));
            return;
        }
    m_buffer += DataCell;
    const qsizetype start = m_buffer.size();
    m_buffer.resize(start + (end - begin) * MaxEscaped);
    char* at = m_buffer.data() + start;
    for (qsizetype i = begin; i < end; ++i)
        at = putChar(at, e.storedChar[bytes[i]], e.stored[bytes[i]]);
    m_buffer.resize(at - m_buffer.constData());
    m_buffer += "</td>";
}

void Writer::endRow()
{
    m_buffer += "</tr>";
    if (m_buffer.size() >= ChunkSize)
        flush();
}

void Writer::row(const QStringList& cells)
{
    beginRow();
    for (const QString& value : cells)
        cell(value);
    endRow();
}

void Writer::flush()
{
    if (m_ok)
        m_ok = put(m_device, m_buffer);
    m_buffer.resize(0);  // keeps the capacity for the next chunk
}

bool Writer::finish()
{
    m_buffer += Tail;
    flush();
    return m_ok;
}

bool write(QIODevice& device, const Table& table)
{
    Writer writer(device, table.worksheet, table.header);
    for (int r = 0; r < table.rowCount && writer.ok(); ++r)
        writer.row(table.row(r));
    return writer.finish();
}

QByteArray document(const Table& table)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    write(buffer, table);
    return bytes;
}

bool writeFile(const QString& path, const Table& table, QString* error)
{
    return SafeFile::replace(path, [&table](QIODevice& device) { return write(device, table); }, error);
}

bool writeFile(const QString& path, QStringView worksheet, const QList<HeaderCell>& header, const Fill& fill,
               QString* error)
{
    return SafeFile::replace(
        path,
        [&](QIODevice& device) {
            Writer writer(device, worksheet, header);
            const bool filled = fill(writer);
            return writer.finish() && filled;
        },
        error);
}

}  // namespace Spreadsheet
