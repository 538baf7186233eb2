#include "hours/ui/frmstampaorario.h"

#include "app/ui/windows.h"
#include "hours/hoursrecord.h"
#include "hours/hourssheet.h"
#include "hours/ui/frmorari.h"
#include "output/ui/reportprint.h"

namespace {

Record screenTemplate()
{
    return frmOrari ? frmOrari->shownTemplate() : Record(hours::recordLayout());
}

}  // namespace

TfrmStampaOrario::TfrmStampaOrario(QWidget* parent, HoursSource source)
    : PrintWindow(QStringLiteral(" Stampa scheda"), QStringLiteral(":/icons/stampa.svg"), QStringLiteral("Stampa"),
                  parent),
      m_source(source ? std::move(source) : HoursSource(screenTemplate))
{
    describe(QStringLiteral("Stampa della scheda corrente"),
             QStringLiteral("La scheda degli orari mostrata sullo schermo, salvata o no, viene stampata su un foglio "
                            "A4 orizzontale."));
}

void TfrmStampaOrario::run()
{
    runReportingFailures([this] { ReportPrint::print(this, HoursSheet::filled(m_source())); });
}
