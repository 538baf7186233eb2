#pragma once
// The printed service-hours template ("Orario di Lavoro"): one A4 landscape
// page with the template's name, its twelve slots in a table, period, site,
// instructions and notes in their boxes, the signature line and the footer
// with the moment of printing. It is printed directly, never previewed.

#include "output/report.h"

#include <QDateTime>

class Record;

namespace HoursSheet {

// The template as designed, with its design texts ("NOME TURNO", "Data e ora stampa").
Report::Template design();
// Sets the page to landscape and fills the boxes from the template's fields
// (each trimmed) and the footer with `moment`, its time in the system's long
// format or in `timeFormat` when one is given.
void fill(Report::Template& sheet, const Record& hours, const QDateTime& moment, const QString& timeFormat = {});
// The design filled with `hours` at the Clock's current moment, as "Stampa" prints it.
Report::Template filled(const Record& hours, const QString& timeFormat = {});

}  // namespace HoursSheet
