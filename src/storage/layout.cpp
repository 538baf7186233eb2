#include "storage/layout.h"

#include <stdexcept>

namespace layout {

QString numberedName(QStringView stem, int number)
{
    return stem.toString() + QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString numberedName(std::string_view stem, int number)
{
    return numberedName(QString::fromLatin1(stem.data(), qsizetype(stem.size())), number);
}

QStringList attachmentNames()
{
    QStringList names;
    for (std::string_view stem : {"File", "Desc"})
        for (int k = 1; k <= 3; ++k)
            names << numberedName(stem, k);
    return names;
}

}  // namespace layout

RecordLayout::RecordLayout(QString archiveName, std::span<const FieldSpec> table)
    : m_archiveName(std::move(archiveName))
{
    m_fields.reserve(table.size());
    for (const FieldSpec& entry : table) {
        const QString name = entry.number > 0
            ? layout::numberedName(entry.stem, entry.number)
            : QString::fromLatin1(entry.stem.data(), qsizetype(entry.stem.size()));
        if (entry.kind != FieldKind::Reserved)
            m_byName.insert(name, int(m_fields.size()));
        m_fields.push_back({name, m_recordSize, entry.capacity, entry.kind});
        m_recordSize += entry.size();
    }
}

int RecordLayout::indexOf(QStringView name) const
{
    // Looked up without a copy of the name: scans look fields up by name.
    return m_byName.value(QString::fromRawData(name.data(), name.size()), -1);
}

const RecordLayout::Field& RecordLayout::field(QStringView name) const
{
    const int index = indexOf(name);
    if (index < 0)
        throw std::invalid_argument("no field " + name.toString().toStdString() + " in "
                                    + m_archiveName.toStdString());
    return m_fields[std::size_t(index)];
}

QStringList RecordLayout::fieldNames() const
{
    QStringList names;
    for (const Field& f : m_fields)
        if (f.kind != FieldKind::Reserved)
            names << f.name;
    return names;
}
