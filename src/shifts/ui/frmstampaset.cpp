#include "shifts/ui/frmstampaset.h"

#include "app/ui/windows.h"
#include "shifts/shiftrecords.h"
#include "shifts/ui/frmsettimanale.h"
#include "shifts/weeklysheet.h"

namespace {

const QString Title = QStringLiteral("Tabella dei turni settimanale corrente");
const QString Text = QStringLiteral("La settimana mostrata sullo schermo, salvata o no, su un foglio A4 orizzontale.");

ReportWindow::Sheet sheetOf(WeeklySource source)
{
    if (!source)
        source = [] { return frmSettimanale ? frmSettimanale->shownTable() : Record(shifts::weeklyLayout()); };
    return [source = std::move(source)] { return WeeklySheet::filled(source()); };
}

}  // namespace

TfrmStampaSet::TfrmStampaSet(QWidget* parent, WeeklySource source)
    : ReportWindow(Mode::Print, sheetOf(std::move(source)), Title, Text, parent)
{
}

TfrmAnteprimaSet::TfrmAnteprimaSet(QWidget* parent, WeeklySource source)
    : ReportWindow(Mode::Preview, sheetOf(std::move(source)), Title, Text, parent)
{
}
