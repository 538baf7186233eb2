#pragma once
// A record is its layout plus its bytes, exactly as they lie in the file.
// Values are decoded on reading and encoded on writing a field.

#include "storage/layout.h"

#include <QByteArray>
#include <QString>

#include <optional>

class Record {
public:
    // A new record: every field empty (all bytes zero).
    explicit Record(const RecordLayout& layout);
    // A record read from a file; `bytes` must be exactly one record long.
    Record(const RecordLayout& layout, QByteArray bytes);

    const RecordLayout& layout() const { return *m_layout; }
    const QByteArray& bytes() const { return m_bytes; }

    QString text(QStringView name) const;
    QString text(int fieldIndex) const;
    void setText(QStringView name, QStringView value);
    void setText(int fieldIndex, QStringView value);

    // "Sì" -> true, "No" -> false, anything else -> no value.
    std::optional<bool> flag(QStringView name) const;
    // Writes the fixed bytes of "Sì" or "No".
    void setFlag(QStringView name, bool yes);

    bool operator==(const Record& other) const
    {
        return m_layout == other.m_layout && m_bytes == other.m_bytes;
    }

private:
    const RecordLayout* m_layout;
    QByteArray m_bytes;
};
