#include "members/ui/frmsospesi.h"

#include "app/dates.h"
#include "app/ui/services.h"
#include "members/membersearch.h"
#include "members/memberrecord.h"
#include "members/ui/frmtrovaanagrafica.h"
#include "storage/appdir.h"

namespace {

SearchDialog::Setup renewalSetup()
{
    SearchDialog::Setup s;
    s.caption = QStringLiteral(" Riepilogo tessere in attesa di rinnovo");
    s.printTitle = QStringLiteral("Riepilogo tessere in attesa di rinnovo");
    s.showCount = false;
    return s;
}

}  // namespace

TfrmSospesi::TfrmSospesi(QWidget* parent) : SearchDialog(renewalSetup(), parent)
{
    setObjectName(QStringLiteral("frmSospesi"));
    setCallerKey(QStringLiteral("anagrafica"));
}

void TfrmSospesi::open(QWidget* caller)
{
    TfrmSospesi dialog(caller);
    Ui::runModal(dialog);
}

QList<ResultLine> TfrmSospesi::findLines(const QList<RecordFilter::Term>&)
{
    return members::renewals(AppDir::filePath(QLatin1String(members::kFileName)), Clock::today());
}

void TfrmSospesi::handBack(const ResultLine& line)
{
    handBackMember(callerKey(), line.position);
}
