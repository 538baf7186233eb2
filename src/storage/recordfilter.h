#pragma once
// The filters of a search dialog: one typed text per record field. A filter
// matches when its text, exactly as typed (not trimmed) and lower-cased
// (A-Z only), occurs in the field's text lower-cased; an empty filter never
// matches. A record qualifies when at least as many filters match as there
// are filters that are not empty after trimming: with every filter empty,
// every record qualifies.

#include "storage/record.h"

#include <QList>
#include <QString>

class RecordFilter {
public:
    struct Term {
        QString field;
        QString typed;
    };

    explicit RecordFilter(const QList<Term>& terms);

    // The filters not empty after trimming.
    int required() const { return m_required; }
    int matches(const Record& record) const;
    bool qualifies(const Record& record) const { return m_required == 0 || matches(record) >= m_required; }

private:
    struct Prepared {
        QString field;
        QString lowered;
    };
    QList<Prepared> m_terms;  // the non-empty ones
    int m_required = 0;
};
