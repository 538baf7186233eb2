#include "storage/csvfile.h"

#include "storage/textfield.h"

#include <QFile>
#include <QStringDecoder>

#include <csv.h>

#include <algorithm>

namespace Csv {
namespace {

constexpr char Utf8Bom[] = "\xEF\xBB\xBF";

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// One libcsv parser, freed when it goes.
class Parser {
public:
    Parser(unsigned char options, char separator)
    {
        m_ready = csv_init(&m_parser, options) == 0;
        if (m_ready)
            csv_set_delim(&m_parser, static_cast<unsigned char>(separator));
    }
    ~Parser()
    {
        if (m_ready)
            csv_free(&m_parser);
    }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    bool ready() const { return m_ready; }
    csv_parser* get() { return &m_parser; }

private:
    csv_parser m_parser{};
    bool m_ready = false;
};

// What the callbacks of a whole parse build.
struct Collector {
    Encoding encoding;
    Table* table;
    QStringList cells;
    int rowStart = 0;
    bool inRow = false;

    static void field(void* data, std::size_t length, void* self)
    {
        auto* c = static_cast<Collector*>(self);
        const char* text = static_cast<const char*>(data);
        const int size = int(length);
        c->cells << (c->encoding == Encoding::Windows1252 ? TextField::fromAnsi(text, size)
                                                          : QString::fromUtf8(text, size));
    }
    static void rowEnd(int, void* self)
    {
        auto* c = static_cast<Collector*>(self);
        c->table->rows.push_back({c->rowStart, c->cells});
        c->cells.clear();
        c->inRow = false;
    }
};

// The fields of the first row with `separator`.
struct FirstRow {
    int fields = 0;
    bool ended = false;

    static void field(void*, std::size_t, void* self)
    {
        auto* f = static_cast<FirstRow*>(self);
        if (!f->ended)
            ++f->fields;
    }
    static void rowEnd(int, void* self) { static_cast<FirstRow*>(self)->ended = true; }
};

int firstRowFields(const QByteArray& bytes, char separator)
{
    Parser parser(0, separator);
    if (!parser.ready())
        return 0;
    FirstRow row;
    constexpr qsizetype Step = 4096;
    for (qsizetype at = 0; at < bytes.size() && !row.ended; at += Step) {
        const qsizetype length = std::min(Step, bytes.size() - at);
        csv_parse(parser.get(), bytes.constData() + at, std::size_t(length), FirstRow::field, FirstRow::rowEnd, &row);
    }
    if (!row.ended)
        csv_fini(parser.get(), FirstRow::field, FirstRow::rowEnd, &row);
    return row.fields;
}

bool fail(Failure* failure, int line, const QString& message)
{
    if (failure)
        *failure = {line, message};
    return false;
}

bool validUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

}  // namespace

char detectSeparator(const QByteArray& bytes)
{
    return firstRowFields(bytes, ';') > firstRowFields(bytes, ',') ? ';' : ',';
}

std::optional<Table> parse(const QByteArray& data, Failure* failure)
{
    Table table;
    QByteArray bytes = data;
    if (bytes.startsWith(Utf8Bom))
        bytes.remove(0, 3);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        fail(failure, 0, QStringLiteral("il file è scritto in UTF-16: salvarlo come CSV in UTF-8 o in Windows-1252"));
        return std::nullopt;
    }
    table.encoding = validUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1252;
    table.separator = detectSeparator(bytes);

    Parser parser(CSV_STRICT | CSV_STRICT_FINI, table.separator);
    if (!parser.ready()) {
        fail(failure, 0, QStringLiteral("memoria insufficiente per leggere il file"));
        return std::nullopt;
    }
    Collector collector{table.encoding, &table, {}, 0, false};
    const QString strayQuote = QStringLiteral("virgolette fuori posto: un testo fra virgolette deve essere un campo "
                                              "intero, e le virgolette al suo interno vanno raddoppiate");
    // Fed one physical line at a time, each with its line break, so that the
    // line where a row starts is known: a row can only end at a line break.
    int line = 1;
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = at;
        while (end < bytes.size() && bytes.at(end) != '\n' && bytes.at(end) != '\r')
            ++end;
        const qsizetype length = std::min(end + 1, bytes.size()) - at;
        const char* chunk = bytes.constData() + at;
        if (!collector.inRow && std::any_of(chunk, chunk + length, [](char c) { return !isBlank(c); })) {
            collector.inRow = true;
            collector.rowStart = line;
        }
        if (csv_parse(parser.get(), chunk, std::size_t(length), Collector::field, Collector::rowEnd, &collector)
            != std::size_t(length)) {
            const bool noMemory = csv_error(parser.get()) != CSV_EPARSE;
            fail(failure, line, noMemory ? QStringLiteral("memoria insufficiente per leggere il file") : strayQuote);
            return std::nullopt;
        }
        at += length;
        // A CR LF pair is one line break.
        const char last = bytes.at(at - 1);
        if (last == '\n' || (last == '\r' && (at >= bytes.size() || bytes.at(at) != '\n')))
            ++line;
    }
    if (csv_fini(parser.get(), Collector::field, Collector::rowEnd, &collector) != 0) {
        fail(failure, collector.rowStart, QStringLiteral("un testo fra virgolette non si chiude prima della fine "
                                                         "del file"));
        return std::nullopt;
    }
    return table;
}

std::optional<Table> read(const QString& path, Failure* failure)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(failure, 0, QStringLiteral("impossibile leggere %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        fail(failure, 0, QStringLiteral("impossibile leggere %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    return parse(bytes, failure);
}

}  // namespace Csv
