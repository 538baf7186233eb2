#pragma once
// The texts and the record positions of result lines, for comparing lists.

#include "output/resultlist.h"
#include "storage/archive.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <utility>

inline QStringList texts(const QList<ResultLine>& lines)
{
    QStringList out;
    for (const ResultLine& l : lines)
        out << l.text;
    return out;
}

inline QList<int> positions(const QList<ResultLine>& lines)
{
    QList<int> out;
    for (const ResultLine& l : lines)
        out << l.position;
    return out;
}

// Criteria typed into a search: an index into its fields and a text.
using Typed = QList<std::pair<int, QString>>;

// A search's texts (an array, one per field) with `typed` filled in.
template <typename Texts>
Texts typedTexts(const Typed& typed)
{
    Texts texts;
    for (const auto& [index, text] : typed)
        texts[std::size_t(index)] = text;
    return texts;
}

// The lines that are not the line `lineOf` builds from the record at their
// position in `archive`.
template <typename LineOf>
QList<ResultLine> linesNotOfTheirRecord(const QList<ResultLine>& lines, const Archive& archive, LineOf lineOf)
{
    QList<ResultLine> wrong;
    for (const ResultLine& line : lines)
        if (line.text != lineOf(archive.read(line.position)))
            wrong << line;
    return wrong;
}
