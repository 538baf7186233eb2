#pragma once
// The texts and the record positions of result lines, for comparing lists.

#include "output/resultlist.h"

#include <QList>
#include <QStringList>

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
