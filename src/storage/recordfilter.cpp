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

int RecordFilter::matches(const Record& record) const
{
    int n = 0;
    for (const Prepared& p : m_terms)
        if (TextField::asciiLower(record.text(p.field)).contains(p.lowered))
            ++n;
    return n;
}
