#include "hours/ui/frmexporari.h"

#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "hours/hoursrules.h"
#include "output/ui/exportflow.h"

#include <QApplication>
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

TfrmExpOrari::TfrmExpOrari(QWidget* parent) : QDialog(parent)
{
    model = new HoursGridModel(this);
    QList<int> widths;
    for (const Spreadsheet::HeaderCell& column : hours::gridColumns())
        widths << column.width;
    const GridWindow w = buildGridWindow(this, QStringLiteral(" Esporta archivio orari di lavoro in Microsoft Excel"),
                                         model, widths, QStringLiteral("exporari"));
    grdRecords = w.grid;
    cmdEsporta = w.cmdEsporta;
    cmdGuida = w.cmdGuida;
    cmdEsci = w.cmdEsci;
    panInfo = w.panInfo;
    connect(cmdEsporta, &QToolButton::clicked, this, &TfrmExpOrari::cmdEsportaClick);
}

void TfrmExpOrari::cmdEsportaClick()
{
    ExportFlow::runWith(this, QLatin1String(hours::kExportFileName), [this] {
        // A grid that could not be filled whole is not written over an earlier export.
        if (m_loadFailure)
            throw *m_loadFailure;
        return hours::writeExport(model->rows());
    });
}

// The grid is filled once, when the window first shows; a file failure
// stops it silently, and the export then reports it.
void TfrmExpOrari::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    model->setRows(hours::gridRows(hours::archivePath(), &m_loadFailure));
    QApplication::restoreOverrideCursor();
}

void showHoursExport(QWidget* owner)
{
    TfrmExpOrari window(owner);
    centre(&window, owner);
    Ui::runModal(window);
}
