#pragma once
// " Trova turni di lavoro in archivio": the search both shift screens open
// on their year's archive. Each criterion is a record field with its label
// and its yellow focus highlight; a double-click hands the table of the
// line (the last one giving it) to the caller.

#include "output/searchhandback.h"
#include "output/ui/searchdialog.h"

#include <array>
#include <functional>

class RecordLayout;

class ShiftSearch : public SearchDialog {
    Q_OBJECT
protected:
    using Finder = std::function<QList<ResultLine>(const QString& archivePath, const QStringList& typed)>;
    struct Kind {
        QString dialogName;
        const RecordLayout& layout;
        QList<Criterion> criteria;
        QString printTitle;
        Finder find;
    };

    ShiftSearch(const Kind& kind, QString archivePath, QWidget* parent);

    // The criteria: each field with its label.
    template <std::size_t N>
    static QList<Criterion> criteriaOf(const std::array<const char*, N>& fields, const char* const (&labels)[N])
    {
        QList<Criterion> criteria;
        for (std::size_t i = 0; i < N; ++i)
            criteria.push_back({QLatin1String(fields[i]), QLatin1String(labels[i])});
        return criteria;
    }
    // A search over a fixed number of typed texts, as the core takes them.
    template <std::size_t N>
    static Finder finder(QList<ResultLine> (*search)(const QString&, const std::array<QString, N>&))
    {
        return [search](const QString& path, const QStringList& typed) {
            std::array<QString, N> texts;
            for (std::size_t i = 0; i < N && i < std::size_t(typed.size()); ++i)
                texts[i] = typed.at(qsizetype(i));
            return search(path, texts);
        };
    }

    QList<ResultLine> findLines(const QList<RecordFilter::Term>& typed) override;
    void handBack(const ResultLine& line) override;

private:
    const RecordLayout& m_layout;
    Finder m_find;
    QString m_archivePath;
};
