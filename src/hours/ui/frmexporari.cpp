#include "hours/ui/frmexporari.h"

#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "hours/hoursrules.h"

#include <QTableView>
#include <QToolButton>

namespace {

QStringList titles()
{
    QStringList t;
    for (const Spreadsheet::HeaderCell& column : hours::gridColumns())
        t << column.title;
    return t;
}

}  // namespace

HoursGridModel::HoursGridModel(QObject* parent) : GridModel(titles(), parent) {}

void HoursGridModel::setRows(QList<QStringList> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int HoursGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QString HoursGridModel::cell(int row, int column) const
{
    return column == 0 ? QString::number(row + 1) : m_rows.at(row).value(column - 1);
}

TfrmExpOrari::TfrmExpOrari(QWidget* parent) : GridExportWindow(parent, QLatin1String(hours::kExportFileName))
{
    model = new HoursGridModel(this);
    QList<int> widths;
    for (const Spreadsheet::HeaderCell& column : hours::gridColumns())
        widths << column.width;
    layOut(QStringLiteral(" Esporta archivio orari di lavoro in Microsoft Excel"), model, widths,
           QStringLiteral("exporari"));
}

void TfrmExpOrari::fillGrid(std::optional<ArchiveError>& failure)
{
    model->setRows(hours::gridRows(hours::archivePath(), &failure));
}

bool TfrmExpOrari::writeExport()
{
    return hours::writeExport(model->rows());
}

void showHoursExport(QWidget* owner)
{
    TfrmExpOrari window(owner);
    centre(&window, owner);
    Ui::runModal(window);
}
