#pragma once
// Declarative record layouts. An archive's record is described by one table of
// fields (name, capacity, kind); offsets and the record size follow from it.
// Tables are constexpr so that every archive can check its size at compile time.

#include <QHash>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

enum class FieldKind : unsigned char {
    Text,      // length byte + text
    Flag,      // capacity 2, "Sì" or "No"
    Reserved,  // bytes no field maps to, always written as zeros
};

struct FieldSpec {
    std::string_view stem;
    int number = 0;  // 0: the name is the stem; otherwise stem + two digits ("Inizio09")
    int capacity = 0;
    FieldKind kind = FieldKind::Text;

    constexpr int size() const { return capacity + 1; }
};

namespace layout {

constexpr FieldSpec text(std::string_view stem, int capacity) { return {stem, 0, capacity, FieldKind::Text}; }
constexpr FieldSpec flag(std::string_view stem) { return {stem, 0, 2, FieldKind::Flag}; }
constexpr FieldSpec reserved(int bytes) { return {"", 0, bytes - 1, FieldKind::Reserved}; }

template <std::size_t... Ns>
constexpr auto concat(const std::array<FieldSpec, Ns>&... parts)
{
    std::array<FieldSpec, (Ns + ...)> out{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), out.begin() + std::ptrdiff_t(at)), at += Ns), ...);
    return out;
}

template <typename... Specs>
constexpr auto fields(Specs... specs)
{
    return std::array<FieldSpec, sizeof...(Specs)>{specs...};
}

// Rows First..Last of a group of fields, row by row: for rows 1-2 of
// {Inizio, Fine} this gives Inizio01, Fine01, Inizio02, Fine02.
template <int First, int Last, std::size_t K>
constexpr auto rows(const std::array<FieldSpec, K>& group)
{
    static_assert(First >= 1 && Last >= First && Last <= 99);
    std::array<FieldSpec, K * std::size_t(Last - First + 1)> out{};
    std::size_t at = 0;
    for (int row = First; row <= Last; ++row)
        for (FieldSpec entry : group) {
            entry.number = row;
            out[at++] = entry;
        }
    return out;
}

// One field repeated for rows First..Last: Lun01 ... Lun12.
template <int First, int Last>
constexpr auto numbered(std::string_view stem, int capacity)
{
    return rows<First, Last>(fields(text(stem, capacity)));
}

// The capacity of an attachment's file name and of its description.
inline constexpr int AttachmentCapacity = 250;

// File01..File03 followed by Desc01..Desc03, the attachment slots.
constexpr auto attachments()
{
    return concat(numbered<1, 3>("File", AttachmentCapacity), numbered<1, 3>("Desc", AttachmentCapacity));
}

template <std::size_t N>
constexpr int recordSize(const std::array<FieldSpec, N>& table)
{
    int total = 0;
    for (const FieldSpec& f : table)
        total += f.size();
    return total;
}

template <std::size_t N>
constexpr bool capacitiesValid(const std::array<FieldSpec, N>& table)
{
    for (const FieldSpec& f : table)
        if (f.capacity < 1 || (f.kind != FieldKind::Reserved && f.capacity > 255))
            return false;
    return true;
}

// The name of one field of a numbered group: ("Inizio", 9) -> "Inizio09".
QString numberedName(QStringView stem, int number);
QString numberedName(std::string_view stem, int number);
// The names attachments() gives: File01..File03, then Desc01..Desc03.
QStringList attachmentNames();

}  // namespace layout

// The run-time view of a layout table: names, offsets and lookup by name.
class RecordLayout {
public:
    struct Field {
        QString name;  // empty for a reserved block
        int offset;
        int capacity;
        FieldKind kind;
    };

    RecordLayout(QString archiveName, std::span<const FieldSpec> table);

    const QString& archiveName() const { return m_archiveName; }
    int recordSize() const { return m_recordSize; }
    int fieldCount() const { return int(m_fields.size()); }
    const Field& field(int index) const { return m_fields.at(std::size_t(index)); }
    const std::vector<Field>& fields() const { return m_fields; }
    // -1 when there is no such field.
    int indexOf(QStringView name) const;
    // Throws std::invalid_argument for a name the layout does not have.
    const Field& field(QStringView name) const;
    // The names of the text and flag fields, in layout order.
    QStringList fieldNames() const;

private:
    QString m_archiveName;
    std::vector<Field> m_fields;
    QHash<QString, int> m_byName;
    int m_recordSize = 0;
};
