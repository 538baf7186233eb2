#include "shifts/ui/frmstampaturno.h"

#include "app/ui/windows.h"
#include "shifts/dailysheet.h"
#include "shifts/shiftrecords.h"
#include "shifts/ui/frmturni.h"

namespace {

const QString Title = QStringLiteral("Tabella dei turni corrente");
const QString Text = QStringLiteral("La tabella dei turni mostrata sullo schermo, salvata o no, su un foglio A4 "
                                    "orizzontale.");

ReportWindow::Sheet sheetOf(DailySource source)
{
    if (!source)
        source = [] { return frmTurni ? frmTurni->shownTable() : Record(shifts::dailyLayout()); };
    return [source = std::move(source)] { return DailySheet::filled(source()); };
}

}  // namespace

TfrmStampaTurno::TfrmStampaTurno(QWidget* parent, DailySource source)
    : ReportWindow(Mode::Print, sheetOf(std::move(source)), Title, Text, parent)
{
}

TfrmAnteprimaTurno::TfrmAnteprimaTurno(QWidget* parent, DailySource source)
    : ReportWindow(Mode::Preview, sheetOf(std::move(source)), Title, Text, parent)
{
}
