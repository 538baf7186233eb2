#pragma once
// The deadline sheet ("SCHEDA SCADENZA PAGAMENTO"): the information sheet
// filled with one deadline as the deadline screen shows it.

#include "output/infosheet.h"

class Record;

namespace DeadlineSheet {

// The 24 rows of a deadline as the screen shows it after "Nuovo" and loading
// the record: each text trimmed; the date as day, month name and the
// record's `Anno`; a flag "Sì" only when it holds "Sì" (the box stays
// unticked for anything else).
QList<InfoSheet::Row> rows(const Record& deadline);

// The template `repScheda` of the deadline screen, with `logo` as its fixed
// picture; its preview adds thumbnails and page navigation.
Report::Template design(const QImage& logo = QImage());
// Fills the template with the deadline and the current date and time (Clock
// service), set to portrait, as every preview and print does before preparing.
void fill(Report::Template& sheet, const Record& deadline);

}  // namespace DeadlineSheet
