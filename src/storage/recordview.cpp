#include "storage/recordview.h"

#include "storage/record.h"
#include "storage/textfield.h"

RecordView::RecordView(const Record& record) : m_layout(&record.layout()), m_bytes(record.bytes().constData()) {}

namespace {

QByteArrayView textBytesOf(const char* record, const RecordLayout::Field& f)
{
    if (f.kind == FieldKind::Reserved)
        return {};
    return TextField::textBytes(record + f.offset, f.capacity);
}

QString textOf(const char* record, const RecordLayout::Field& f)
{
    if (f.kind == FieldKind::Reserved)
        return {};
    const QByteArrayView t = textBytesOf(record, f);
    return TextField::fromAnsi(t.data(), int(t.size()));
}

}  // namespace

QByteArrayView RecordView::textBytes(int fieldIndex) const
{
    return textBytesOf(m_bytes, m_layout->field(fieldIndex));
}

QByteArrayView RecordView::textBytes(QStringView name) const
{
    return textBytesOf(m_bytes, m_layout->field(name));
}

QString RecordView::text(int fieldIndex) const
{
    return textOf(m_bytes, m_layout->field(fieldIndex));
}

QString RecordView::text(QStringView name) const
{
    return textOf(m_bytes, m_layout->field(name));
}

std::optional<bool> RecordView::flag(QStringView name) const
{
    const QString value = text(name);
    if (value == TextField::YesText)
        return true;
    if (value == TextField::NoText)
        return false;
    return std::nullopt;
}

Record RecordView::toRecord() const
{
    return Record(*m_layout, QByteArray(m_bytes, m_layout->recordSize()));
}
