#include "shifts/ui/frmtrovaset.h"

#include "app/ui/services.h"
#include "shifts/shiftrecords.h"
#include "shifts/weeklyrules.h"

namespace {

const QString DialogName = QStringLiteral("frmTrovaSet");

// The criteria's labels, in the order of the core's search fields.
const char* const Labels[] = {
    "Nome tabella turni:",         "Sede operativa:", "Data inizio:", "Data fine:",
    "Disposizioni organizzative:", "Annotazioni:",
};

}  // namespace

TfrmTrovaSet::TfrmTrovaSet(QWidget* parent, QString archivePath)
    : ShiftSearch({DialogName, shifts::weeklyLayout(), criteriaOf(weekly::kSearchFields, Labels),
                   QLatin1String(weekly::kSearchPrintTitle), finder(weekly::search)},
                  std::move(archivePath), parent)
{
}

void TfrmTrovaSet::open(QWidget* caller, const QString& archivePath, const QString& callerKey)
{
    TfrmTrovaSet dialog(caller, archivePath);
    dialog.setCallerKey(callerKey);
    Ui::runModal(dialog);
}

SearchHandBack::Route TfrmTrovaSet::route(const QString& callerKey)
{
    return {DialogName, callerKey};
}
