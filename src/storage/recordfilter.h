#pragma once
// The filters of a search dialog: one typed text per record field. A filter
// matches when its text, exactly as typed (not trimmed) and lower-cased
// (A-Z only), occurs in the field's text lower-cased; an empty filter never
// matches. A record qualifies when at least as many filters match as there
// are filters that are not empty after trimming: with every filter empty,
// every record qualifies.

#include "storage/recordview.h"

#include <QList>
#include <QString>

#include <array>
#include <cstddef>

class RecordFilter {
public:
    struct Term {
        QString field;
        QString typed;
    };

    explicit RecordFilter(const QList<Term>& terms);
    // One filter per field, the typed texts in the fields' order.
    template <std::size_t N>
    RecordFilter(const std::array<const char*, N>& fields, const std::array<QString, N>& typed)
        : RecordFilter(pair(fields, typed))
    {
    }

    // The filters not empty after trimming.
    int required() const { return m_required; }
    int matches(const RecordView& record) const;
    bool qualifies(const RecordView& record) const { return m_required == 0 || matches(record) >= m_required; }

private:
    template <std::size_t N>
    static QList<Term> pair(const std::array<const char*, N>& fields, const std::array<QString, N>& typed)
    {
        QList<Term> terms;
        for (std::size_t i = 0; i < N; ++i)
            terms.push_back({QLatin1String(fields[i]), typed[i]});
        return terms;
    }

    struct Prepared {
        QString field;
        QString lowered;
    };
    QList<Prepared> m_terms;  // the non-empty ones
    int m_required = 0;
};
