#pragma once
// The printed weekly shift table ("Turno di Lavoro"): one A4 landscape page
// with the table's name and week, its twelve rows (times and a workers' cell
// for each day, Monday to Sunday), site, instructions and notes in their
// boxes, the signature line and the footer with the moment of printing. On
// paper only the heading "DOMENICA" is red.

#include "output/report.h"

#include <QDateTime>

class Record;

namespace WeeklySheet {

// The template as designed, with its design texts ("NOME TURNO",
// "SETTIMANA DAL  GG/MM/AAAA  AL  GG/MM/AAAA ", "Data e ora stampa").
Report::Template design();
// Sets the page to landscape and fills the boxes from the table's fields
// (each trimmed; titData is "SETTIMANA DAL  " + start + "  AL  " + end + " ")
// and the footer with `moment`, its time in the system's long format or in
// `timeFormat`.
void fill(Report::Template& sheet, const Record& table, const QDateTime& moment, const QString& timeFormat = {});
// The design filled with `table` at the Clock's current moment.
Report::Template filled(const Record& table, const QString& timeFormat = {});

}  // namespace WeeklySheet
