// The deadline sheet of the deadline screen's "Stampa" and "Anteprima".

#include "deadlines/ui/deadlinedialogs.h"

#include "deadlines/deadlinesheet.h"
#include "output/ui/reportprint.h"

namespace {

Report::Template filledSheet(const Record& record)
{
    Report::Template sheet = DeadlineSheet::design();
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
