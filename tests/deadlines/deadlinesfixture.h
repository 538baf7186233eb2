#pragma once
// Deadline records for the list, search, reminder, export and sheet tests,
// written to the yearly archives of the test's data folder.

#include "deadlines/deadlinerecord.h"
#include "deadlines/deadlinerules.h"
#include "storage/appdir.h"
#include "storage/archive.h"
#include "storage/record.h"
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

// A deadline as the screen saves it: due `date` ("dd/mm/yyyy") at `time`
// ("hh:mm"), the month's name, notice 0, amount "0,00"; `fields` on top.
inline Record deadlineRecord(const QString& date, const QString& time, const DeadlineFields& fields = {})
{
    const int month = date.mid(3, 2).toInt();
    DeadlineFields all{{"Giorno", date.left(2)},
                       {"Mese", month >= 1 && month <= 12 ? deadlines::monthNames().at(month - 1) : QString()},
                       {"Anno", date.mid(6)},
                       {"Data", date},
                       {"OreApp", time.left(2)},
                       {"MinutiApp", time.mid(3, 2)},
                       {"Ora", time},
                       {"Avviso", "0"},
                       {"Pagatore", "Pagatore"},
                       {"Beneficiario", "Beneficiario"},
                       {"Dettagli", "Causale"},
                       {"Costo", "0,00"}};
    all += fields;
    return deadlineRecord(all);
}

inline QString deadlinesPath(const QString& year)
{
    return deadlines::archivePath(year);
}

// Replaces the year's archive with these records, in this order.
inline void writeDeadlines(const QString& year, const QList<Record>& records)
{
    QFile::remove(deadlinesPath(year));
    const Archive archive(deadlinesPath(year), deadlines::recordLayout());
    for (const Record& r : records)
        archive.append(r);
}

inline void writeDeadlines(const QString& year, const QList<DeadlineFields>& records)
{
    QList<Record> built;
    for (const DeadlineFields& d : records)
        built << deadlineRecord(d);
    writeDeadlines(year, built);
}
