#include "hours/ui/frmexporari.h"

#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "hours/hoursrules.h"

namespace {

RowsExportWindow::Setup hoursExport()
{
    return {QStringLiteral(" Esporta archivio orari di lavoro in Microsoft Excel"),
            QStringLiteral("exporari"),
            QLatin1String(hours::kExportFileName),
            hours::gridColumns(),
            [](std::optional<ArchiveError>* failure) { return hours::gridRows(hours::archivePath(), failure); },
            [](const QList<QStringList>& rows) { return hours::writeExport(rows); }};
}

}  // namespace

TfrmExpOrari::TfrmExpOrari(QWidget* parent) : RowsExportWindow(parent, hoursExport()) {}

void showHoursExport(QWidget* owner)
{
    TfrmExpOrari window(owner);
    centre(&window, owner);
    Ui::runModal(window);
}
