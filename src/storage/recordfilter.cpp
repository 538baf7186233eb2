#include "storage/recordfilter.h"

#include "storage/textfield.h"

RecordFilter::RecordFilter(const QList<Term>& terms)
{
    for (const Term& t : terms) {
        if (!TextField::trimmed(t.typed).isEmpty())
            ++m_required;
        // A text of blanks only counts for nothing but still matches as typed.
        if (!t.typed.isEmpty())
            m_terms.push_back({t.field, TextField::asciiLower(t.typed)});
    }
}

int RecordFilter::matches(const RecordView& record) const
{
    int n = 0;
    QString text;  // one buffer for every field of the record
    for (const Prepared& p : m_terms) {
        text.resize(0);
        TextField::appendAnsi(text, record.textBytes(p.field));
        TextField::asciiLowerInPlace(text);
        if (text.contains(p.lowered))
            ++n;
    }
    return n;
}
