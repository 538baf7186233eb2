#include "app/inifile.h"

#include "storage/safefile.h"
#include "storage/textfield.h"

#include <QFile>
#include <QList>

#include <optional>

namespace {

struct Line {
    QByteArray raw;       // without its line end
    QString text;         // decoded
    bool hasEnd = true;   // false for a last line the file ends without a line end
};

struct Parsed {
    QList<Line> lines;
    QByteArray lineEnd = "\r\n";  // that of the file; CR LF for a new file
};

Parsed parse(const QByteArray& bytes)
{
    Parsed p;
    if (bytes.contains('\n') && !bytes.contains("\r\n"))
        p.lineEnd = "\n";
    const QList<QByteArray> raws = bytes.split('\n');
    for (qsizetype i = 0; i < raws.size(); ++i) {
        if (i == raws.size() - 1 && raws.at(i).isEmpty())
            break;  // what follows the last line end
        QByteArray raw = raws.at(i);
        if (raw.endsWith('\r'))
            raw.chop(1);
        const bool last = i == raws.size() - 1;
        p.lines.push_back({raw, TextField::fromAnsi(raw), !last});
    }
    return p;
}

bool same(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// "[Name]" -> "Name"; no value for a line that is not a section header.
std::optional<QString> sectionName(const QString& line)
{
    const QString t = TextField::trimmed(line);
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    return TextField::trimmed(QStringView(t).mid(1, close < 0 ? -1 : close - 1));
}

struct KeyLine {
    QString key;
    QString value;
};

std::optional<KeyLine> keyLine(const QString& line)
{
    const QString t = TextField::trimmed(line);
    if (t.startsWith(QLatin1Char(';')))
        return std::nullopt;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return std::nullopt;
    QString value = TextField::trimmed(QStringView(t).mid(eq + 1));
    if (value.size() >= 2 && value.front() == value.back()
        && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
        value = value.mid(1, value.size() - 2);
    return KeyLine{TextField::trimmed(QStringView(t).left(eq)), value};
}

// Where a section's lines lie: the header line and one past its last line.
struct SectionSpan {
    qsizetype header = -1;
    qsizetype end = -1;
};

SectionSpan findSection(const QList<Line>& lines, const QString& section)
{
    SectionSpan span;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines.at(i).text);
        if (!name)
            continue;
        if (span.header >= 0) {
            span.end = i;
            return span;
        }
        if (same(*name, section))
            span.header = i;
    }
    if (span.header >= 0)
        span.end = lines.size();
    return span;
}

qsizetype findKey(const QList<Line>& lines, const SectionSpan& span, const QString& key)
{
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const auto kv = keyLine(lines.at(i).text);
        if (kv && same(kv->key, key))
            return i;
    }
    return -1;
}

}  // namespace

QString IniFile::value(const QString& section, const QString& key) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return valueIn(file.readAll(), section, key);
}

QString IniFile::valueIn(const QByteArray& text, const QString& section, const QString& key)
{
    const Parsed p = parse(text);
    const SectionSpan span = findSection(p.lines, section);
    if (span.header < 0)
        return {};
    const qsizetype at = findKey(p.lines, span, key);
    return at < 0 ? QString() : keyLine(p.lines.at(at).text)->value;
}

bool IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    m_error.clear();
    QByteArray existing;
    QFile in(m_path);
    if (in.exists()) {
        if (!in.open(QIODevice::ReadOnly)) {
            m_error = in.errorString();
            return false;
        }
        existing = in.readAll();
        in.close();
    }
    const QByteArray out = withValue(existing, section, key, value);
    return SafeFile::replace(
        m_path, [&out](QIODevice& device) { return device.write(out) == out.size(); }, &m_error);
}

QByteArray IniFile::withValue(const QByteArray& text, const QString& section, const QString& key,
                              const QString& value)
{
    Parsed p = parse(text);

    // A value is one line: line breaks inside it would split the file.
    QString oneLine = value;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));

    const auto entry = [&oneLine](const QString& writtenKey) {
        return Line{TextField::toAnsi(writtenKey + QLatin1Char('=') + oneLine), {}};
    };
    const SectionSpan span = findSection(p.lines, section);
    if (span.header < 0) {
        p.lines.push_back({TextField::toAnsi(QLatin1Char('[') + section + QLatin1Char(']')), {}});
        p.lines.push_back(entry(key));
    } else if (const qsizetype at = findKey(p.lines, span, key); at >= 0) {
        p.lines[at].raw = entry(keyLine(p.lines.at(at).text)->key).raw;
    } else {
        qsizetype insertAt = span.end;
        while (insertAt > span.header + 1 && TextField::trimmed(p.lines.at(insertAt - 1).text).isEmpty())
            --insertAt;
        p.lines.insert(insertAt, entry(key));
    }

    QByteArray out;
    for (qsizetype i = 0; i < p.lines.size(); ++i) {
        out += p.lines.at(i).raw;
        if (p.lines.at(i).hasEnd || i + 1 < p.lines.size())
            out += p.lineEnd;
    }
    return out;
}
