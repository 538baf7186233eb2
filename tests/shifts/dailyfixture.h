#pragma once
// Daily shift tables for the tests, written to a yearly archive of the
// test's data folder.

#include "shifts/dailyrules.h"
#include "shifts/shiftrecords.h"
#include "storage/archive.h"
#include "storage/record.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

using DailyFields = QList<QPair<QString, QString>>;

// A table with the given fields; every other field empty.
inline Record dailyRecord(const DailyFields& fields)
{
    Record r(shifts::dailyLayout());
    for (const auto& [name, value] : fields)
        r.setText(name, value);
    return r;
}

inline Archive dailyArchive(const QString& year)
{
    return Archive(daily::archivePath(year), shifts::dailyLayout());
}

// Replaces <year>.ore with these tables, in this order.
inline void writeDaily(const QString& year, const QList<DailyFields>& tables)
{
    QFile::remove(daily::archivePath(year));
    const Archive archive = dailyArchive(year);
    for (const DailyFields& t : tables)
        archive.append(dailyRecord(t));
}
