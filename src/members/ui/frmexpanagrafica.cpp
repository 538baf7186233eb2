#include "members/ui/frmexpanagrafica.h"

#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "members/memberrecord.h"
#include "storage/appdir.h"

#include <QTableView>
#include <QToolButton>

namespace {

QStringList titles()
{
    QStringList t;
    for (const auto& column : members::gridColumns())
        t << QString::fromUtf8(column.title);
    return t;
}

}  // namespace

MemberGridModel::MemberGridModel(QObject* parent) : GridModel(titles(), parent) {}

void MemberGridModel::setRows(members::MemberRows rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int MemberGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.count();
}

QString MemberGridModel::cell(int row, int column) const
{
    return m_rows.cell(row, column);
}

TfrmExpAnagrafica::TfrmExpAnagrafica(QWidget* parent)
    : GridExportWindow(parent, QLatin1String(members::kExportFileName))
{
    model = new MemberGridModel(this);
    QList<int> widths;
    for (const auto& column : members::gridColumns())
        widths << column.width;
    layOut(QStringLiteral(" Esporta archivio anagrafico dei Soci in Microsoft Excel"), model, widths,
           QStringLiteral("expanagrafica"));
}

void TfrmExpAnagrafica::fillGrid(std::optional<ArchiveError>& failure)
{
    model->setRows(members::loadRows(AppDir::filePath(QLatin1String(members::kFileName)), &failure));
}

bool TfrmExpAnagrafica::writeExport()
{
    return Spreadsheet::writeFile(AppDir::filePath(QLatin1String(members::kExportFileName)),
                                  members::exportTable(model->rows()));
}

void showMemberExport(QWidget* owner)
{
    TfrmExpAnagrafica window(owner);
    centre(&window, owner);
    Ui::runModal(window);
}
