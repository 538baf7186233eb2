#include "shifts/ui/frmexpturni.h"

#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "shifts/dailyrules.h"

namespace {

RowsExportWindow::Setup dailyExport(const QString& archivePath)
{
    return {QStringLiteral(" Esporta archivio turni di lavoro in Microsoft Excel"),
            QStringLiteral("expturni"),
            QLatin1String(daily::kExportFileName),
            daily::gridColumns(),
            [archivePath](std::optional<ArchiveError>* failure) { return daily::gridRows(archivePath, failure); },
            [](const QList<QStringList>& rows) { return daily::writeExport(rows); }};
}

}  // namespace

TfrmExpTurni::TfrmExpTurni(QWidget* parent, const QString& archivePath)
    : RowsExportWindow(parent, dailyExport(archivePath))
{
}

void showDailyExport(QWidget* owner, const QString& archivePath)
{
    TfrmExpTurni window(owner, archivePath);
    centre(&window, owner);
    Ui::runModal(window);
}
