#pragma once
// The printed daily shift table ("Turno di Lavoro"): one A4 landscape page
// with the table's name and date, its twelve rows (times, workers, activity),
// period, site, instructions and notes in their boxes, the signature line and
// the footer with the moment of printing.

#include "output/report.h"

#include <QDateTime>

class Record;

namespace DailySheet {

// The template as designed, with its design texts ("NOME TURNO",
// "DATA: GG/MM/AAAA ", "Data e ora stampa").
Report::Template design();
// Sets the page to landscape and fills the boxes from the table's fields
// (each trimmed; titData is "DATA:  " + date + " ") and the footer with
// `moment`, its time in the system's long format or in `timeFormat`.
void fill(Report::Template& sheet, const Record& table, const QDateTime& moment, const QString& timeFormat = {});
// The design filled with `table` at the Clock's current moment.
Report::Template filled(const Record& table, const QString& timeFormat = {});

}  // namespace DailySheet
