#include "output/spreadsheet.h"

#include "storage/safefile.h"
#include "storage/textfield.h"

#include <QBuffer>

#include <array>
#include <bitset>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

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
constexpr char DataCell[] = "<td style=\"text-align: left; mso-number-format:'\\@';\" sdnum=\"1040;0;@\">";

constexpr char Tail[] = "</table></body></html>";
constexpr char CellEnd[] = "</td>";

// Rows are gathered into chunks of about this many bytes before each write;
// room for the longest row comes on top.
constexpr qsizetype ChunkSize = 1 << 20;
constexpr qsizetype RowRoom = 1 << 16;

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
    // What a stored byte needs: Plain (its byte again), Escape (&, <, >)
    // or Codec (the whole text goes through the codec).
    enum Kind : unsigned char { Plain, Escape, Codec };
    std::array<Kind, 256> storedKind{};
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
            e.storedKind[std::size_t(b)] = e.viaCodec[c]                           ? Encoding::Codec
                                           : (c == u'&' || c == u'<' || c == u'>') ? Encoding::Escape
                                                                                   : Encoding::Plain;
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

// Markup of a fixed length, copied without looking for its end.
template <std::size_t N>
inline char* putMarkup(char* at, const char (&markup)[N])
{
    std::memcpy(at, markup, N - 1);
    return at + N - 1;
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

Writer::Writer(QIODevice& device, QStringView worksheet, const QList<HeaderCell>& header)
    : m_device(device), m_chunk(std::size_t(ChunkSize + RowRoom))
{
    append(Head);
    appendText(worksheet, QLatin1StringView(AfterName));
    append("<tr>");
    for (const HeaderCell& cell : header) {
        append("<td style=\"text-align: left; font-weight: bold;\" width=");
        append(QByteArray::number(cell.width));
        append(">");
        appendText(cell.title, QLatin1StringView(CellEnd));
    }
    append("</tr>");
}

char* Writer::room(qsizetype size)
{
    if (m_used + size > qsizetype(m_chunk.size()))
        m_chunk.resize(std::size_t(std::max(m_used + size, 2 * qsizetype(m_chunk.size()))));
    return m_chunk.data() + m_used;
}

void Writer::append(QByteArrayView bytes)
{
    char* at = room(bytes.size());
    std::memcpy(at, bytes.data(), std::size_t(bytes.size()));
    taken(at + bytes.size());
}

void Writer::appendText(QStringView text, QLatin1StringView after)
{
    const Encoding& e = encoding();
    char* at = room(text.size() * MaxEscaped + after.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (e.viaCodec[u]) {
            // The codec sees the markup that follows, as it would in the whole file.
            QString escapedText;
            escapedText.reserve(text.size() + after.size());
            appendEscaped(escapedText, text);
            escapedText += after;
            append(TextField::toAnsi(escapedText));
            return;
        }
        at = putChar(at, u, e.byte[u]);
    }
    std::memcpy(at, after.data(), std::size_t(after.size()));
    taken(at + after.size());
}

void Writer::beginRow()
{
    append("<tr>");
}

void Writer::cell(QStringView value)
{
    append(DataCell);
    appendText(TextField::trimmedView(value), QLatin1StringView(CellEnd));
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
    // Written in one pass; a byte for the codec drops what was put so far
    // (it is not taken yet) and writes the cell as text.
    char* at = putMarkup(room(sizeof DataCell + (end - begin) * MaxEscaped + sizeof CellEnd), DataCell);
    for (qsizetype i = begin; i < end; ++i) {
        const unsigned char b = bytes[i];
        switch (e.storedKind[b]) {
        case Encoding::Plain: *at++ = e.stored[b]; break;
        case Encoding::Escape: at = putChar(at, e.storedChar[b], e.stored[b]); break;
        case Encoding::Codec: cell(TextField::fromAnsi(text.data() + begin, int(end - begin))); return;
        }
    }
    taken(putMarkup(at, CellEnd));
}

void Writer::endRow()
{
    append("</tr>");
    if (m_used >= ChunkSize)
        flush();
}

void Writer::row(const QStringList& cells)
{
    beginRow();
    for (const QString& value : cells)
        cell(value);
    endRow();
}

// Writes one chunk at a time on a thread of its own.
class Writer::Sender {
public:
    explicit Sender(QIODevice& device) : m_device(device), m_thread([this] { run(); }) {}
    ~Sender()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    Sender(const Sender&) = delete;
    Sender& operator=(const Sender&) = delete;

    // Starts writing the `size` bytes at `data`, left untouched until wait().
    void start(const char* data, qsizetype size)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_data = data;
            m_size = size;
            m_busy = true;
        }
        m_changed.notify_all();
    }

    // Waits for the chunk started last; false once any write failed.
    bool wait()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_busy; });
        return m_ok;
    }

private:
    void run()
    {
        std::unique_lock lock(m_mutex);
        while (true) {
            m_changed.wait(lock, [this] { return m_busy || m_stop; });
            if (!m_busy)
                return;
            const char* data = m_data;
            const qsizetype size = m_size;
            lock.unlock();
            const bool written = m_device.write(data, size) == size;
            lock.lock();
            m_ok = m_ok && written;
            m_busy = false;
            m_changed.notify_all();
        }
    }

    QIODevice& m_device;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    const char* m_data = nullptr;
    qsizetype m_size = 0;
    bool m_busy = false;
    bool m_stop = false;
    bool m_ok = true;
    std::thread m_thread;  // last: it starts once the rest is ready
};

Writer::~Writer() = default;

void Writer::flush()
{
    if (!m_sender) {
        m_sender = std::make_unique<Sender>(m_device);
        m_sent.resize(m_chunk.size());
    } else {
        m_ok = m_sender->wait() && m_ok;
    }
    if (m_ok) {
        std::swap(m_chunk, m_sent);
        m_sender->start(m_sent.data(), m_used);
    }
    m_used = 0;
}

bool Writer::finish()
{
    append(Tail);
    // The sender is idle from here on: the rest goes out on this thread.
    if (m_sender)
        m_ok = m_sender->wait() && m_ok;
    if (m_ok)
        m_ok = m_device.write(m_chunk.data(), m_used) == m_used;
    m_used = 0;
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
