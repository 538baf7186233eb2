#include "members/ui/frmexpanagrafica.h"

#include "app/ui/formkit.h"
#include "app/ui/frmguida.h"
#include "app/ui/services.h"
#include "members/memberrecord.h"
#include "output/ui/exportflow.h"
#include "output/ui/gridwindow.h"
#include "storage/appdir.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

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

int MemberGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : members::kGridColumnCount;
}

QVariant MemberGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return m_rows.cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() == 0)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant MemberGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= members::kGridColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(members::gridColumns().at(section).title);
    if (role == Qt::TextAlignmentRole)  // the number column's title over its right-aligned numbers
        return int((section == 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return {};
}

TfrmExpAnagrafica::TfrmExpAnagrafica(QWidget* parent) : QDialog(parent)
{
    model = new MemberGridModel(this);
    QList<int> widths;
    for (const auto& column : members::gridColumns())
        widths << column.width;
    const GridWindow w = buildGridWindow(this, QStringLiteral(" Esporta archivio anagrafico dei Soci in Microsoft Excel"),
                                         model, widths, QStringLiteral("expanagrafica"));
    grdRecords = w.grid;
    cmdEsporta = w.cmdEsporta;
    cmdGuida = w.cmdGuida;
    cmdEsci = w.cmdEsci;
    panInfo = w.panInfo;
    m_hints = w.hints;
    connect(cmdEsporta, &QToolButton::clicked, this, &TfrmExpAnagrafica::cmdEsportaClick);
}

void TfrmExpAnagrafica::loadRecords()
{
    m_loaded = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_loadFailure.reset();
    model->setRows(members::loadRows(AppDir::filePath(QLatin1String(members::kFileName)), &m_loadFailure));
    QApplication::restoreOverrideCursor();
}

void TfrmExpAnagrafica::cmdEsportaClick()
{
    ExportFlow::run(this, QLatin1String(members::kExportFileName), [this] {
        // A grid that could not be filled whole is not written over an earlier export.
        if (m_loadFailure)
            throw *m_loadFailure;
        return members::exportTable(model->rows());
    });
}

void TfrmExpAnagrafica::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_loaded)
        loadRecords();
}

void showMemberExport(QWidget* owner)
{
    TfrmExpAnagrafica window(owner);
    centre(&window, owner);
    Ui::runModal(window);
}
