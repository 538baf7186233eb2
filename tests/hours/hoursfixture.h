#pragma once
// Service-hours templates for the tests, written to Orari.pro in the test's
// data folder.

#include "hours/hoursrecord.h"
#include "hours/hoursrules.h"
#include "storage/archive.h"
#include "storage/record.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

using HoursFields = QList<QPair<QString, QString>>;

// A template with the given fields; every other field empty.
inline Record hoursRecord(const HoursFields& fields)
{
    Record r(hours::recordLayout());
    for (const auto& [name, value] : fields)
        r.setText(name, value);
    return r;
}

// Replaces Orari.pro with these templates, in this order.
inline void writeHours(const QList<HoursFields>& templates)
{
    QFile::remove(hours::archivePath());
    const Archive archive(hours::archivePath(), hours::recordLayout());
    for (const HoursFields& t : templates)
        archive.append(hoursRecord(t));
}

inline Archive hoursArchive()
{
    return Archive(hours::archivePath(), hours::recordLayout());
}
