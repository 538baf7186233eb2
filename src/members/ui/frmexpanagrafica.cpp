#include "members/ui/frmexpanagrafica.h"

#include "app/ui/formkit.h"
#include "app/ui/frmguida.h"
#include "app/ui/services.h"
#include "members/memberrecord.h"
#include "output/ui/exportflow.h"
#include "storage/appdir.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString ReadyText = QStringLiteral("Esportazione archivio in Microsoft Excel.");
constexpr int RowHeight = 21;

}  // namespace

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
    prepareWindow(this, QStringLiteral(" Esporta archivio anagrafico dei Soci in Microsoft Excel"));

    ScreenToolbar bar(this);
    cmdEsporta = bar.add("cmdEsporta", "excel", QStringLiteral("Esporta"));
    bar.addStretch();
    cmdGuida = bar.add("cmdGuida", "guida", QStringLiteral("Guida"));
    cmdEsci = bar.add("cmdEsci", "esci", QStringLiteral("Esci"));

    model = new MemberGridModel(this);
    grdRecords = new QTableView(this);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setModel(model);
    grdRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRecords->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setWordWrap(false);
    grdRecords->verticalHeader()->hide();
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->verticalHeader()->setDefaultSectionSize(RowHeight);
    grdRecords->horizontalHeader()->setHighlightSections(false);
    grdRecords->horizontalHeader()->setStretchLastSection(false);
    grdRecords->setFont(QFont(QStringLiteral("Verdana"), 8));
    grdRecords->setStyleSheet(QStringLiteral(
        "QTableView { gridline-color: #D5DDE7; alternate-background-color: #F4F7FB; "
        "  selection-background-color: #FCE3C4; selection-color: black; }"
        "QHeaderView::section { background: #E8EEF5; color: #1F4E79; font: bold 8pt 'Verdana'; "
        "  border: none; border-right: 1px solid #CFD8E3; border-bottom: 1px solid #CFD8E3; padding: 2px 4px; }"));
    const auto& columns = members::gridColumns();
    for (int c = 0; c < columns.size(); ++c)
        grdRecords->setColumnWidth(c, columns.at(c).width);

    panInfo = new QLabel(ReadyText, this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setStyleSheet(QStringLiteral("background: white; border-top: 1px solid #CFD8E3; padding: 4px 10px;"
                                          "font: 12pt 'Tahoma';"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar.frame());
    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 8, 8, 8);
    body->addWidget(grdRecords);
    layout->addLayout(body, 1);
    layout->addWidget(panInfo);
    resize(1000, 600);

    m_hints = new HintBar(panInfo, this);
    m_hints->add({
        {"cmdEsporta", ExportFlow::ButtonHint},
        {"cmdGuida", QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
        {"cmdEsci", QStringLiteral("Esci da questo ambiente di lavoro.")},
    });

    connect(cmdEsporta, &QToolButton::clicked, this, &TfrmExpAnagrafica::cmdEsportaClick);
    connect(cmdGuida, &QToolButton::clicked, this, [this] { showHelp(this, QStringLiteral("expanagrafica")); });
    connect(cmdEsci, &QToolButton::clicked, this, &QDialog::reject);
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
