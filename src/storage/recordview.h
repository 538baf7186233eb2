#pragma once
// A record read where its bytes lie, without a copy: a scan shows each record
// of its read-ahead through a view, and a field is decoded only when it is
// asked for. A view is valid as long as the bytes it looks at; a rule that
// takes a view also takes a Record. Screens keep the Record.

#include "storage/layout.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

class Record;

class RecordView {
public:
    // `bytes` must hold one whole record of `layout` and outlive the view.
    RecordView(const RecordLayout& layout, const char* bytes) : m_layout(&layout), m_bytes(bytes) {}
    // A look at a record's bytes (the rules written for views take records).
    RecordView(const Record& record);  // NOLINT(google-explicit-constructor)

    const RecordLayout& layout() const { return *m_layout; }
    QByteArrayView bytes() const { return {m_bytes, m_layout->recordSize()}; }
    // The same text as Record::text.
    QString text(int fieldIndex) const;
    QString text(QStringView name) const;
    // The bytes of text(), where they lie in the record.
    QByteArrayView textBytes(int fieldIndex) const;
    QByteArrayView textBytes(QStringView name) const;
    // "Sì" -> true, "No" -> false, anything else -> no value.
    std::optional<bool> flag(QStringView name) const;
    // A copy of the bytes, for what outlives the scan.
    Record toRecord() const;

private:
    const RecordLayout* m_layout;
    const char* m_bytes;
};
