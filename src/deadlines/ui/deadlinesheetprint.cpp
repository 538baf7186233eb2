// The deadline sheet of the deadline screen's "Stampa" and "Anteprima".

#include "deadlines/ui/deadlinedialogs.h"

#include "deadlines/deadlinesheet.h"
#include "output/ui/reportprint.h"

namespace {

// The template with the sheets' fixed logo, filled with the deadline.
Report::Template filledSheet(const Record& record)
{
    static const QImage logo = InfoSheet::fixedLogo();
    Report::Template sheet = DeadlineSheet::design(logo);
    DeadlineSheet::fill(sheet, record);
    return sheet;
}

}  // namespace

void printDeadlineSheet(QWidget* parent, const Record& record)
{
    ReportPrint::print(parent, filledSheet(record));
}

void previewDeadlineSheet(QWidget* parent, const Record& record)
{
    ReportPrint::preview(parent, filledSheet(record));
}
