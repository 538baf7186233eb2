#pragma once
// Deadline records for the list, export and sheet tests, written to the
// yearly archives of the test's data folder.

#include "deadlines/deadlinerecord.h"
#include "storage/appdir.h"
#include "storage/archive.h"
#include "storage/record.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

using DeadlineFields = QList<QPair<QString, QString>>;

// A deadline as the screen saves it: due `date` ("dd/mm/yyyy") at `time`
// ("hh:mm"), the month's name, both flags "No", amount "0,00"; `fields` on top.
inline Record deadlineRecord(const QString& date, const QString& time, const DeadlineFields& fields = {})
{
    static const char* const months[] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                         "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
    Record r(deadlines::recordLayout());
    const int month = date.mid(3, 2).toInt();
    r.setText(u"Giorno", date.left(2));
    r.setText(u"Mese", month >= 1 && month <= 12 ? QString::fromLatin1(months[month - 1]) : QString());
    r.setText(u"Anno", date.mid(6));
    r.setText(u"Data", date);
    r.setText(u"OreApp", time.left(2));
    r.setText(u"MinutiApp", time.mid(3, 2));
    r.setText(u"Ora", time);
    r.setText(u"Avviso", QStringLiteral("0"));
    r.setText(u"Pagatore", QStringLiteral("Pagatore"));
    r.setText(u"Beneficiario", QStringLiteral("Beneficiario"));
    r.setText(u"Dettagli", QStringLiteral("Causale"));
    r.setText(u"Costo", QStringLiteral("0,00"));
    r.setFlag(u"DaConfermare", false);
    r.setFlag(u"Effettuata", false);
    for (const auto& [name, value] : fields)
        r.setText(name, value);
    return r;
}

inline QString deadlinesPath(const QString& year)
{
    return AppDir::filePath(deadlines::fileName(year));
}

// Replaces the year's archive with these records, in this order.
inline void writeDeadlines(const QString& year, const QList<Record>& records)
{
    QFile::remove(deadlinesPath(year));
    const Archive archive(deadlinesPath(year), deadlines::recordLayout());
    for (const Record& r : records)
        archive.append(r);
}
