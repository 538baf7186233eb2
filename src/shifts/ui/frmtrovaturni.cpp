#include "shifts/ui/frmtrovaturni.h"

#include "app/ui/services.h"
#include "shifts/dailyrules.h"
#include "shifts/shiftrecords.h"

namespace {

const QString DialogName = QStringLiteral("frmTrovaTurni");

// The criteria's labels, in the order of the core's search fields.
const char* const Labels[] = {
    "Nome tabella turni:", "Data:",        "Sede operativa:", "Disposizioni organizzative:",
    "Turnista 1:",         "Turnista 2:",  "Turnista 3:",     "Turnista 4:",
    "Turnista 5:",         "Annotazioni:",
};

}  // namespace

TfrmTrovaTurni::TfrmTrovaTurni(QWidget* parent, QString archivePath)
    : ShiftSearch({DialogName, shifts::dailyLayout(), criteriaOf(daily::kSearchFields, Labels),
                   QLatin1String(daily::kSearchPrintTitle), finder(daily::search)},
                  std::move(archivePath), parent)
{
}

void TfrmTrovaTurni::open(QWidget* caller, const QString& archivePath, const QString& callerKey)
{
    TfrmTrovaTurni dialog(caller, archivePath);
    dialog.setCallerKey(callerKey);
    Ui::runModal(dialog);
}

SearchHandBack::Route TfrmTrovaTurni::route(const QString& callerKey)
{
    return {DialogName, callerKey};
}
