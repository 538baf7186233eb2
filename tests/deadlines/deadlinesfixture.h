#pragma once
// Deadline records for the list, search and reminder tests, written to a
// yearly archive in the test's application directory.

#include "deadlines/deadlinerecord.h"
#include "deadlines/deadlinerules.h"
#include "storage/archive.h"
#include "storage/textfield.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

using DeadlineFields = QList<QPair<QString, QString>>;

// A deadline with both flags "No" and the given fields on top; "Sì" and "No"
// are written as flags, any other text as it is.
inline Record deadlineRecord(const DeadlineFields& fields)
{
    Record r(deadlines::recordLayout());
    r.setFlag(u"DaConfermare", false);
    r.setFlag(u"Effettuata", false);
    for (const auto& [name, value] : fields) {
        if (value == TextField::YesText || value == TextField::NoText)
            r.setFlag(name, value == TextField::YesText);
        else
            r.setText(name, value);
    }
    return r;
}

// Replaces the year's archive with these deadlines, in this order.
inline void writeDeadlines(const QString& year, const QList<DeadlineFields>& records)
{
    const QString path = deadlines::archivePath(year);
    QFile::remove(path);
    const Archive archive(path, deadlines::recordLayout());
    for (const DeadlineFields& d : records)
        archive.append(deadlineRecord(d));
}
