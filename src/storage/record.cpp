#include "storage/record.h"

#include "storage/recordview.h"
#include "storage/textfield.h"

#include <cstring>
#include <stdexcept>

Record::Record(const RecordLayout& layout)
    : m_layout(&layout), m_bytes(layout.recordSize(), '\0')
{
}

Record::Record(const RecordLayout& layout, QByteArray bytes)
    : m_layout(&layout), m_bytes(std::move(bytes))
{
    if (m_bytes.size() != layout.recordSize())
        throw std::invalid_argument("record of " + std::to_string(m_bytes.size()) + " bytes for a layout of "
                                    + std::to_string(layout.recordSize()));
}

namespace {

QString loadField(const QByteArray& bytes, const RecordLayout::Field& f)
{
    if (f.kind == FieldKind::Reserved)
        return {};
    return TextField::load(bytes.constData() + f.offset, f.capacity);
}

void storeField(QByteArray& bytes, const RecordLayout::Field& f, QStringView value)
{
    if (f.kind == FieldKind::Reserved)
        throw std::invalid_argument("a reserved block holds no text");
    TextField::store(bytes.data() + f.offset, f.capacity, value);
}

}  // namespace

QString Record::text(QStringView name) const
{
    return loadField(m_bytes, m_layout->field(name));
}

QString Record::text(int fieldIndex) const
{
    return loadField(m_bytes, m_layout->field(fieldIndex));
}

void Record::setText(QStringView name, QStringView value)
{
    storeField(m_bytes, m_layout->field(name), value);
}

void Record::setText(int fieldIndex, QStringView value)
{
    storeField(m_bytes, m_layout->field(fieldIndex), value);
}

std::optional<bool> Record::flag(QStringView name) const
{
    return RecordView(*this).flag(name);
}

void Record::setFlag(QStringView name, bool yes)
{
    const auto& f = m_layout->field(name);
    if (f.capacity != 2)
        throw std::invalid_argument("a flag needs a field of capacity 2");
    std::memcpy(m_bytes.data() + f.offset, yes ? TextField::FlagYes : TextField::FlagNo, 3);
}
