#include "members/ui/frmimporta.h"

#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "output/ui/gridwindow.h"
#include "members/memberrecord.h"
#include "storage/appdir.h"
#include "storage/archiveerror.h"
#include "storage/textfield.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString ReadyText = QStringLiteral("Importazione di nuove schede da un file CSV.");
const QString BrowseTitle = QStringLiteral("Selezionare il file CSV da importare:");
const QString BrowseFilter = QStringLiteral("File CSV (*.csv *.txt);;Tutti i file (*.*)");
const QString NotImportedText = QStringLiteral("(non importare)");

// The title of a field in the preview: its own target's title.
QString fieldTitle(const QString& field)
{
    for (const members::ImportTarget& target : members::importTargets())
        if (target.fields == QStringList{field})
            return target.title;
    return field;
}

QLabel* sectionLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(QFont(QStringLiteral("Verdana"), 9, QFont::Bold));
    label->setStyleSheet(QStringLiteral("color: #1F4E79;"));
    return label;
}

QPushButton* button(const char* name, const QString& text, int width, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    b->setMinimumSize(width, 28);
    return b;
}

}  // namespace

// The first rows of the file as the member fields will hold them: the
// line of the file, then each field a column fills (and the days of notice,
// which every new member has).
class ImportPreviewModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(const Csv::Table* table, const members::ImportMapping& mapping)
    {
        beginResetModel();
        m_fields.clear();
        m_rows.clear();
        if (table) {
            QStringList mapped{QStringLiteral("Preavviso")};
            for (int c = 0; c < mapping.columnCount(); ++c)
                if (mapping.target(c) != members::NotImported)
                    mapped += members::importTargets().at(mapping.target(c)).fields;
            for (const QString& field : members::recordLayout().fieldNames())
                if (mapped.contains(field))
                    m_fields << field;
            for (qsizetype r = 1; r < table->rows.size() && m_rows.size() < TfrmImporta::PreviewRows; ++r) {
                const Csv::Row& row = table->rows.at(r);
                if (members::isBlankRow(row))
                    continue;
                const members::FieldTexts texts = members::importTexts(row, mapping);
                QStringList cells{QString::number(row.line)};
                for (const QString& field : m_fields)
                    cells << TextField::trimmed(texts.value(field));
                m_rows << cells;
            }
        }
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_fields.size()) + 1;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return m_rows.at(index.row()).value(index.column());
        if (role == Qt::TextAlignmentRole && index.column() == 0)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        return section == 0 ? QStringLiteral("Riga") : fieldTitle(m_fields.value(section - 1));
    }

private:
    QStringList m_fields;
    QList<QStringList> m_rows;
};

TfrmImporta::TfrmImporta(QWidget* parent) : QDialog(parent)
{
    prepareWindow(this, QStringLiteral(" Importa schede dei Soci da un file CSV"));

    QHBoxLayout* top = dialogIntro(
        QStringLiteral(":/icons/importa_csv.svg"),
        QStringLiteral("Ogni riga del file diventa una nuova scheda in archivio, controllata come al salvataggio "
                       "dalla schermata dei Soci. La prima riga porta i titoli delle colonne: quelli del file "
                       "esportato in Excel vengono riconosciuti da soli, gli altri si abbinano ai campi della scheda "
                       "qui sotto."),
        this);

    txtFile = new QLineEdit(this);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    txtFile->setReadOnly(true);
    txtFile->setFocusPolicy(Qt::NoFocus);
    txtFile->setMinimumHeight(26);
    txtFile->setStyleSheet(QStringLiteral("QLineEdit { background: #F3F5F7; }"));
    btnSfoglia = button("btnSfoglia", QStringLiteral("Sfoglia..."), 96, this);
    lblFormato = new QLabel(this);
    lblFormato->setObjectName(QStringLiteral("lblFormato"));
    lblFormato->setFont(QFont(QStringLiteral("Verdana"), 8));
    lblFormato->setStyleSheet(QStringLiteral("color: #44505C;"));
    auto* fileRow = new QHBoxLayout;
    fileRow->setSpacing(8);
    fileRow->addWidget(sectionLabel(QStringLiteral("File CSV:"), this));
    fileRow->addWidget(txtFile, 1);
    fileRow->addWidget(btnSfoglia);

    grdColonne = new QTableWidget(0, 2, this);
    grdColonne->setObjectName(QStringLiteral("grdColonne"));
    grdColonne->setHorizontalHeaderLabels({QStringLiteral("Colonna del file"), QStringLiteral("Campo della scheda")});
    styleReadOnlyGrid(grdColonne);
    grdColonne->setSelectionMode(QAbstractItemView::NoSelection);
    grdColonne->setFocusPolicy(Qt::NoFocus);
    grdColonne->verticalHeader()->setDefaultSectionSize(28);
    grdColonne->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grdColonne->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    grdColonne->setColumnWidth(1, 280);
    grdColonne->setFixedWidth(540);

    m_preview = new ImportPreviewModel(this);
    grdAnteprima = new QTableView(this);
    grdAnteprima->setObjectName(QStringLiteral("grdAnteprima"));
    grdAnteprima->setModel(m_preview);
    styleReadOnlyGrid(grdAnteprima);
    grdAnteprima->horizontalHeader()->setDefaultSectionSize(140);

    auto* columnsBox = new QVBoxLayout;
    columnsBox->addWidget(sectionLabel(QStringLiteral("Colonne del file e campi della scheda"), this));
    columnsBox->addWidget(grdColonne, 1);
    auto* previewBox = new QVBoxLayout;
    previewBox->addWidget(sectionLabel(QStringLiteral("Anteprima delle prime %1 righe").arg(PreviewRows), this));
    previewBox->addWidget(grdAnteprima, 1);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(14);
    middle->addLayout(columnsBox);
    middle->addLayout(previewBox, 1);

    lblErrori = sectionLabel(QStringLiteral("Righe che non si possono importare (nessuna scheda \u00E8 stata "
                                            "inserita in archivio):"),
                             this);
    lblErrori->setObjectName(QStringLiteral("lblErrori"));
    lblErrori->setStyleSheet(QStringLiteral("color: #B3261E;"));
    lstErrori = new QListWidget(this);
    lstErrori->setObjectName(QStringLiteral("lstErrori"));
    lstErrori->setFont(QFont(QStringLiteral("Verdana"), 8));
    lstErrori->setFixedHeight(110);
    lblErrori->hide();
    lstErrori->hide();

    btnImporta = button("btnImporta", QStringLiteral("Importa"), 110, this);
    btnImporta->setIcon(QIcon(picture(QStringLiteral(":/icons/importa_csv.svg"), QSize(18, 18))));
    btnImporta->setEnabled(false);
    btnChiudi = button("btnChiudi", QStringLiteral("Chiudi"), 100, this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblFormato, 1);
    buttons->addWidget(btnImporta);
    buttons->addWidget(btnChiudi);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setStyleSheet(QStringLiteral("color: #D5DBE1;"));

    auto* body = new QVBoxLayout;
    body->setContentsMargins(20, 16, 20, 12);
    body->setSpacing(10);
    body->addLayout(top);
    body->addLayout(fileRow);
    body->addLayout(middle, 1);
    body->addWidget(lblErrori);
    body->addWidget(lstErrori);
    body->addWidget(rule);
    body->addLayout(buttons);

    panInfo = hintBarLabel(ReadyText, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(body, 1);
    layout->addWidget(panInfo);

    m_hints = new HintBar(panInfo, this);
    m_hints->add({
        {"btnSfoglia", "Scegli il file CSV da importare."},
        {"grdColonne", "Scegli in quale campo della scheda va ogni colonna del file."},
        {"grdAnteprima", "Le prime righe del file come saranno salvate nelle schede."},
        {"lstErrori", "Le righe del file da correggere prima di importarlo."},
        {"btnImporta", "Inserisce in archivio una nuova scheda per ogni riga del file."},
        {"btnChiudi", "Esci da questa finestra."},
    });

    connect(btnSfoglia, &QPushButton::clicked, this, &TfrmImporta::btnSfogliaClick);
    connect(btnImporta, &QPushButton::clicked, this, &TfrmImporta::btnImportaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    resize(1100, 680);
    setMinimumSize(900, 560);
    btnSfoglia->setFocus();
}

TfrmImporta::~TfrmImporta() = default;

QComboBox* TfrmImporta::columnList(int column) const
{
    return qobject_cast<QComboBox*>(grdColonne->cellWidget(column, 1));
}

void TfrmImporta::btnSfogliaClick()
{
    const QString chosen = Services::fileDialogs().openFile(this, BrowseTitle, BrowseFilter);
    if (!chosen.isEmpty())
        loadFile(chosen);
}

bool TfrmImporta::loadFile(const QString& path)
{
    Csv::Failure failure;
    std::optional<Csv::Table> table = Csv::read(path, &failure);
    if (!table) {
        const QString reason =
            failure.line > 0 ? members::ImportFailure{failure.line, failure.message}.text() : failure.message;
        Ui::warning(this, QStringLiteral("Attenzione: il file %1 non si pu\u00F2 importare.\n\r\n\r%2.")
                              .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    m_table = std::move(table);
    m_mapping = members::ImportMapping(m_table->rows.isEmpty() ? QStringList() : m_table->rows.first().cells);
    txtFile->setText(QDir::toNativeSeparators(path));
    showFile();
    return true;
}

void TfrmImporta::showFile()
{
    showFailures({});
    const QStringList header = m_table->rows.isEmpty() ? QStringList() : m_table->rows.first().cells;
    grdColonne->setRowCount(int(header.size()));
    QStringList chain;
    for (int c = 0; c < header.size(); ++c) {
        const QString title = TextField::trimmed(header.at(c));
        auto* item = new QTableWidgetItem(title.isEmpty() ? QStringLiteral("(colonna %1 senza titolo)").arg(c + 1)
                                                          : title);
        item->setToolTip(item->text());
        grdColonne->setItem(c, 0, item);
        auto* list = new QComboBox(grdColonne);
        list->setObjectName(QStringLiteral("lstColonna%1").arg(c + 1, 2, 10, QLatin1Char('0')));
        list->addItem(NotImportedText, members::NotImported);
        const QList<members::ImportTarget>& targets = members::importTargets();
        for (int t = 0; t < int(targets.size()); ++t)
            list->addItem(targets.at(t).title, t);
        list->setMaxVisibleItems(16);
        grdColonne->setCellWidget(c, 1, list);
        connect(list, &QComboBox::activated, this, [this, c] { columnChosen(c); });
        m_hints->add(list, QStringLiteral("Scegli in quale campo della scheda va la colonna \"%1\".").arg(title));
        chain << list->objectName();
    }
    delete m_chain;
    chain << btnImporta->objectName();
    m_chain = EnterChain::install(this, chain);

    lblFormato->setText(QStringLiteral("Codifica %1, separatore %2: %3 righe di dati.")
                            .arg(m_table->encoding == Csv::Encoding::Utf8 ? QStringLiteral("UTF-8")
                                                                          : QStringLiteral("Windows-1252"),
                                 m_table->separator == ';' ? QStringLiteral("punto e virgola")
                                                           : QStringLiteral("virgola"))
                            .arg(members::dataRowCount(*m_table)));
    refresh();
    if (QComboBox* first = columnList(0))
        first->setFocus();
}

void TfrmImporta::columnChosen(int column)
{
    m_mapping.setTarget(column, columnList(column)->currentData().toInt());
    showFailures({});
    refresh();
}

void TfrmImporta::refresh()
{
    for (int c = 0; c < m_mapping.columnCount(); ++c)
        if (QComboBox* list = columnList(c)) {
            const QSignalBlocker quiet(list);
            list->setCurrentIndex(list->findData(m_mapping.target(c)));
        }
    m_preview->show(m_table ? &*m_table : nullptr, m_mapping);
    // Twenty rows at the most: each column as wide as its texts, within reason.
    grdAnteprima->resizeColumnsToContents();
    for (int c = 0; c < m_preview->columnCount(); ++c)
        grdAnteprima->setColumnWidth(c, std::min(grdAnteprima->columnWidth(c) + 12, 260));
    btnImporta->setEnabled(m_table && m_mapping.importsAny());
}

void TfrmImporta::showFailures(const QList<members::ImportFailure>& failures)
{
    lstErrori->clear();
    for (const members::ImportFailure& f : failures)
        lstErrori->addItem(f.text());
    lblErrori->setVisible(!failures.isEmpty());
    lstErrori->setVisible(!failures.isEmpty());
}

void TfrmImporta::btnImportaClick()
{
    if (!m_table)
        return;
    const members::ImportPlan plan = members::planImport(*m_table, m_mapping);
    showFailures(plan.failures);
    if (!plan.refusal.isEmpty())
        return Ui::warning(this, plan.refusal);
    if (!plan.failures.isEmpty())
        return Ui::warning(this, (plan.failures.size() == 1
                                      ? QStringLiteral("Attenzione: una riga del file non si pu\u00F2 importare")
                                      : QStringLiteral("Attenzione: %1 righe del file non si possono importare")
                                            .arg(plan.failures.size()))
                                     + QStringLiteral(": nessuna scheda \u00E8 stata inserita in archivio.\n\r\n\r"
                                                      "Correggere le righe elencate e ripetere l'importazione."));
    try {
        m_firstPosition =
            members::appendMembers(AppDir::filePath(QLatin1String(members::kFileName)), plan.records);
    } catch (const ArchiveError&) {
        return Ui::error(this, ArchiveError::userMessage());
    }
    m_imported = int(plan.records.size());
    Ui::information(this,
                    m_imported == 1 ? QStringLiteral("Una nuova scheda \u00E8 stata inserita in archivio.")
                                    : QStringLiteral("%1 nuove schede sono state inserite in archivio.").arg(m_imported),
                    MessageButtons::Ok);
    accept();
}

int importMembers(QWidget* screen, int* first)
{
    TfrmImporta window(screen);
    centre(&window, screen ? screen->window() : nullptr);
    Ui::runModal(window);
    if (first)
        *first = window.firstPosition();
    return window.importedCount();
}
