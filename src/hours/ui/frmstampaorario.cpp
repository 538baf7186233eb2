#include "hours/ui/frmstampaorario.h"

#include "app/ui/windows.h"
#include "hours/hoursrecord.h"
#include "hours/hourssheet.h"
#include "hours/ui/frmorari.h"

namespace {

Record screenTemplate()
{
    return frmOrari ? frmOrari->shownTemplate() : Record(hours::recordLayout());
}

}  // namespace

TfrmStampaOrario::TfrmStampaOrario(QWidget* parent, HoursSource source)
    : ReportWindow(
          Mode::Print,
          [source = source ? std::move(source) : HoursSource(screenTemplate)] { return HoursSheet::filled(source()); },
          QStringLiteral("Stampa della scheda corrente"),
          QStringLiteral("La scheda degli orari mostrata sullo schermo, salvata o no, viene stampata su un foglio "
                         "A4 orizzontale."),
          parent)
{
}
