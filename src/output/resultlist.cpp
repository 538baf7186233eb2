#include "output/resultlist.h"

#include "storage/archive.h"
#include "storage/recordfilter.h"
#include "storage/recordview.h"
#include "storage/textfield.h"

#include <QBrush>
#include <QFontMetrics>
#include <QHash>
#include <QSize>
#include <QVarLengthArray>

#include <algorithm>

namespace ListLine {

QString fit(QStringView text, int width)
{
    const QString t = TextField::trimmed(text);
    return t.size() >= width ? t.left(width) : t.leftJustified(width, QLatin1Char(' '));
}

void sortAsListBox(QList<ResultLine>& lines)
{
    QList<std::pair<QString, ResultLine>> keyed;
    keyed.reserve(lines.size());
    for (ResultLine& l : lines)
        keyed.push_back({TextField::asciiUpper(l.text), std::move(l)});
    // QString's operator< compares UTF-16 code units, with no locale.
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (qsizetype i = 0; i < keyed.size(); ++i)
        lines[i] = std::move(keyed[i].second);
}

void pointAtLastOfSameText(QList<ResultLine>& lines)
{
    // Compared trimmed, as the loading step compares them. The keys look
    // into the lines, which stay where they are while the table is used.
    QHash<QStringView, int> last;
    last.reserve(lines.size());
    for (const ResultLine& l : std::as_const(lines)) {
        int& position = last[TextField::trimmedView(l.text)];
        position = std::max(position, l.position);
    }
    for (ResultLine& l : lines)
        l.position = last.value(TextField::trimmedView(l.text));
}

Format::Format(const RecordLayout& layout, std::initializer_list<Part> parts) : m_layout(&layout)
{
    m_parts.reserve(parts.size());
    for (const Part& p : parts) {
        const QString field = QLatin1String(p.field);
        (void)layout.field(field);  // a name the layout lacks throws here
        m_parts.push_back({p.before.toString(), field, layout.indexOf(field), p.width});
        m_fixedSize += p.before.size() + std::max(p.width, 0);
    }
}

QString Format::line(const RecordView& record) const
{
    // The texts first, so that the line is allocated once at its exact size.
    QVarLengthArray<QByteArrayView, 8> texts;
    qsizetype size = m_fixedSize;
    for (const Resolved& p : m_parts) {
        // A record of another layout finds its fields by name.
        const QByteArrayView text = &record.layout() == m_layout ? record.textBytes(p.index) : record.textBytes(p.field);
        // One character per byte: a fitted text is cut to its width in bytes.
        texts.push_back(p.width == Whole ? text : text.first(std::min<qsizetype>(text.size(), p.width)));
        if (p.width == Whole)
            size += text.size();
    }
    QString out;
    out.reserve(size);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const Resolved& p = m_parts[std::size_t(i)];
        out += p.before;
        TextField::appendAnsi(out, texts[i]);
        if (p.width != Whole && texts[i].size() < p.width)
            out.resize(out.size() + p.width - texts[i].size(), QLatin1Char(' '));
    }
    return out;
}

QList<ResultLine> filteredLines(const Archive& archive, const RecordFilter& filter,
                                const std::function<QString(const RecordView&)>& lineOf)
{
    QList<ResultLine> lines;
    archive.scanViews([&](int position, const RecordView& record) {
        if (filter.qualifies(record))
            lines.push_back({lineOf(record), position});
    });
    pointAtLastOfSameText(lines);
    return lines;
}

}  // namespace ListLine

int FindInList::step(int count, const std::function<QString(int)>& lineAt, int selected, const QString& typed)
{
    if (selected < 0 || selected >= count)
        selected = 0;
    const QString t = TextField::asciiLower(typed);
    const bool again = (t == m_last);
    m_last = t;
    if (t.isEmpty())
        return selected;
    // A new text tests the first line first; the same text starts after the
    // selected line and tests the selected line last.
    const int start = again ? (selected + 1) % count : 0;
    for (int n = 0; n < count; ++n) {
        const int row = (start + n) % count;
        if (TextField::asciiLower(lineAt(row)).contains(t))
            return row;
    }
    return selected;
}

ResultListModel::ResultListModel(QObject* parent)
    : QAbstractListModel(parent), m_font(lineFont()), m_rowHeight(QFontMetrics(m_font).height() + 2)
{
}

QFont ResultListModel::lineFont()
{
    QFont font(QStringLiteral("Courier New"), 12);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

int ResultListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_lines.at(index.row()).text;
    case PositionRole:
        return m_lines.at(index.row()).position;
    case Qt::FontRole:
        return m_font;
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    case Qt::SizeHintRole:
        return QSize(ItemWidth, m_rowHeight);
    default:
        return {};
    }
}

void ResultListModel::setLines(QList<ResultLine> lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

QStringList ResultListModel::texts() const
{
    QStringList out;
    out.reserve(m_lines.size());
    for (const ResultLine& l : m_lines)
        out << l.text;
    return out;
}
