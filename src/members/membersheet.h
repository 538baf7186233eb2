#pragma once
// The member sheet ("SCHEDA ANAGRAFICA SOCIO"): one A4 portrait page with a
// title, 24 rows of label and value and a footer with the print date and time.

#include "output/infosheet.h"

#include <QDateTime>
#include <QImage>

class Record;

namespace MemberSheet {

// The label and the value of row k (1..24) of a member record, trimmed.
using Row = InfoSheet::Row;
QList<Row> rows(const Record& member);

// The template `repScheda` as designed, with `logo` as its fixed picture.
inline Report::Template design(const QImage& logo = QImage()) { return InfoSheet::design(logo); }
// Fills the template with the member and the current date and time, set to
// portrait, as every preview and print does before preparing.
void fill(Report::Template& sheet, const Record& member);

}  // namespace MemberSheet
