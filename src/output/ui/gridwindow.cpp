#include "output/ui/gridwindow.h"

#include "app/ui/formkit.h"
#include "app/ui/frmguida.h"
#include "output/ui/exportflow.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString ReadyText = QStringLiteral("Esportazione archivio in Microsoft Excel.");
constexpr int RowHeight = 21;

}  // namespace

GridModel::GridModel(QStringList titles, QObject* parent) : QAbstractTableModel(parent), m_titles(std::move(titles)) {}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_titles.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() == 0)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_titles.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_titles.at(section);
    if (role == Qt::TextAlignmentRole)
        return int((section == 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return {};
}

void styleReadOnlyGrid(QTableView* grid)
{
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setAlternatingRowColors(true);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->setFont(QFont(QStringLiteral("Verdana"), 8));
    grid->setStyleSheet(QStringLiteral(
        "QTableView { gridline-color: #D5DDE7; alternate-background-color: #F4F7FB; "
        "  selection-background-color: #FCE3C4; selection-color: black; }"
        "QHeaderView::section { background: #E8EEF5; color: #1F4E79; font: bold 8pt 'Verdana'; "
        "  border: none; border-right: 1px solid #CFD8E3; border-bottom: 1px solid #CFD8E3; padding: 2px 4px; }"));
}

GridWindow buildGridWindow(QDialog* window, const QString& caption, QAbstractItemModel* model,
                           const QList<int>& widths, const QString& helpTopic)
{
    prepareWindow(window, caption);
    GridWindow w{};

    ScreenToolbar bar(window);
    w.cmdEsporta = bar.add("cmdEsporta", "excel", QStringLiteral("Esporta"));
    bar.addStretch();
    w.cmdGuida = bar.add("cmdGuida", "guida", QStringLiteral("Guida"));
    w.cmdEsci = bar.add("cmdEsci", "esci", QStringLiteral("Esci"));

    w.grid = new QTableView(window);
    w.grid->setObjectName(QStringLiteral("grdRecords"));
    w.grid->setModel(model);
    styleReadOnlyGrid(w.grid);
    for (int c = 0; c < widths.size(); ++c)
        w.grid->setColumnWidth(c, widths.at(c));

    w.panInfo = hintBarLabel(ReadyText, window);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 8, 8, 8);
    body->addWidget(w.grid);
    stackScreen(window, bar.frame(), body, w.panInfo);
    window->resize(1000, 600);

    w.hints = new HintBar(w.panInfo, window);
    w.hints->add({
        {"cmdEsporta", ExportFlow::ButtonHint},
        {"cmdGuida", QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
        {"cmdEsci", QStringLiteral("Esci da questo ambiente di lavoro.")},
    });

    QObject::connect(w.cmdGuida, &QToolButton::clicked, window, [window, helpTopic] { showHelp(window, helpTopic); });
    QObject::connect(w.cmdEsci, &QToolButton::clicked, window, &QDialog::reject);
    return w;
}

GridExportWindow::GridExportWindow(QWidget* parent, QString exportFile)
    : QDialog(parent), m_exportFile(std::move(exportFile))
{
}

void GridExportWindow::layOut(const QString& caption, QAbstractItemModel* model, const QList<int>& widths,
                              const QString& helpTopic)
{
    const GridWindow w = buildGridWindow(this, caption, model, widths, helpTopic);
    grdRecords = w.grid;
    cmdEsporta = w.cmdEsporta;
    cmdGuida = w.cmdGuida;
    cmdEsci = w.cmdEsci;
    panInfo = w.panInfo;
    connect(cmdEsporta, &QToolButton::clicked, this, &GridExportWindow::cmdEsportaClick);
}

void GridExportWindow::cmdEsportaClick()
{
    ExportFlow::runWith(this, m_exportFile, [this] {
        if (m_failure)
            throw *m_failure;
        return writeExport();
    });
}

void GridExportWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_filled)
        return;
    m_filled = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    fillGrid(m_failure);
    QApplication::restoreOverrideCursor();
}

NumberedRowsModel::NumberedRowsModel(QStringList titles, QObject* parent) : GridModel(std::move(titles), parent) {}

void NumberedRowsModel::setRows(QList<QStringList> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int NumberedRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QString NumberedRowsModel::cell(int row, int column) const
{
    return column == 0 ? QString::number(row + 1) : m_rows.at(row).value(column - 1);
}

RowsExportWindow::RowsExportWindow(QWidget* parent, Setup setup)
    : GridExportWindow(parent, setup.exportFile), m_setup(std::move(setup))
{
    QStringList titles;
    QList<int> widths;
    for (const Spreadsheet::HeaderCell& column : m_setup.columns) {
        titles << column.title;
        widths << column.width;
    }
    model = new NumberedRowsModel(titles, this);
    layOut(m_setup.caption, model, widths, m_setup.helpTopic);
}

void RowsExportWindow::fillGrid(std::optional<ArchiveError>& failure)
{
    model->setRows(m_setup.read(&failure));
}

bool RowsExportWindow::writeExport()
{
    return m_setup.write(model->rows());
}
