#include "storage/layout.h"

#include <stdexcept>

RecordLayout::RecordLayout(QString archiveName, std::span<const FieldSpec> table)
    : m_archiveName(std::move(archiveName))
{
    m_fields.reserve(table.size());
    for (const FieldSpec& entry : table) {
        QString name = QString::fromLatin1(entry.stem.data(), qsizetype(entry.stem.size()));
        if (entry.number > 0)
            name += QStringLiteral("%1").arg(entry.number, 2, 10, QLatin1Char('0'));
        if (entry.kind != FieldKind::Reserved)
            m_byName.insert(name, int(m_fields.size()));
        m_fields.push_back({name, m_recordSize, entry.capacity, entry.kind});
        m_recordSize += entry.size();
    }
}

int RecordLayout::indexOf(QStringView name) const
{
    return m_byName.value(name.toString(), -1);
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
