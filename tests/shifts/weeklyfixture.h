#pragma once
// Weekly shift tables for the tests, written to a yearly archive (<year>.set)
// of the test's data folder.

#include "shifts/shiftrecords.h"
#include "shifts/weeklyrules.h"
#include "support/recordfixture.h"

using WeeklyFields = FieldValues;

// A table with the given fields; every other field empty.
inline Record weeklyRecord(const WeeklyFields& fields)
{
    return recordWith(shifts::weeklyLayout(), fields);
}

// A table with its name and week, and the other fields given.
inline Record weeklyTable(const QString& name, const QString& start, const QString& end,
                          const WeeklyFields& more = {})
{
    return weeklyRecord(WeeklyFields{{"Nome", name}, {"DataInizio", start}, {"DataFine", end}} + more);
}

inline Archive weeklyArchive(const QString& year)
{
    return Archive(weekly::archivePath(year), shifts::weeklyLayout());
}

// Replaces <year>.set with these tables, in this order.
inline void writeWeekly(const QString& year, const QList<Record>& tables)
{
    replaceArchive(weeklyArchive(year), tables);
}
