#include "output/ui/searchdialog.h"

#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "output/ui/listprint.h"
#include "storage/archiveerror.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const ResultInstructions[] = {
    "Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e premere il pulsante Trova.",
    "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo clic su Trova.",
    "Per richiamare i dati di una scheda, selezionarla con un doppio clic.",
};

QLabel* instruction(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(QFont(QStringLiteral("Verdana"), 9));
    label->setWordWrap(true);
    return label;
}

QPushButton* button(const char* name, const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setFont(QFont(QStringLiteral("Verdana"), 9, QFont::Bold));
    b->setMinimumSize(96, 30);
    // Enter is handled by the fields and the buttons themselves, never by a
    // dialog default button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

bool isEnter(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

void SearchDialog::Setup::useFieldSearchTexts()
{
    criteriaInstructions = {
        QStringLiteral("Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da trovare "
                       "e premere il pulsante Cerca."),
        QStringLiteral("Lasciare in bianco tutti gli altri campi."),
        QStringLiteral("Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."),
    };
    busyText = QStringLiteral("Ricerca schede in corso. Attendere...");
}

SearchDialog::SearchDialog(const Setup& setup, QWidget* parent) : QDialog(parent), m_setup(setup)
{
    prepareWindow(this, setup.caption);
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
    lblConta = new QLabel(this);
    lblConta->setObjectName(QStringLiteral("lblConta"));
    lblConta->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    panAvvio = setup.criteria.isEmpty() ? nullptr : buildCriteriaPage(setup);
    panContainer = buildResultPage(setup);
    if (panAvvio) {
        layout->addWidget(panAvvio);
        panContainer->hide();
    }
    layout->addWidget(panContainer);
    // Wide enough for a whole line up to the phone number at 12 pt.
    resize(1080, 600);
}

QWidget* SearchDialog::buildCriteriaPage(const Setup& setup)
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("panAvvio"));
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);
    for (const QString& text : setup.criteriaInstructions)
        v->addWidget(instruction(text, page));
    v->addSpacing(8);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    QStringList names;
    for (const Criterion& c : setup.criteria) {
        auto* label = new QLabel(c.label, page);
        label->setFont(QFont(QStringLiteral("Verdana"), 9, QFont::Bold));
        auto* edit = new QLineEdit(page);
        edit->setObjectName(QStringLiteral("txt") + c.field);
        edit->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
        edit->setFixedWidth(600);
        const int row = int(m_criteria.size());
        grid->addWidget(label, row, 0, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(edit, row, 1);
        label->setBuddy(edit);
        if (setup.focusHighlights)
            FocusHighlight::attach(edit, c.field);
        m_criteria.push_back(edit);
        names << edit->objectName();
    }
    grid->setColumnStretch(2, 1);
    v->addLayout(grid);
    v->addStretch(1);

    lblAttendere = new QLabel(setup.busyText, page);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
    lblAttendere->setStyleSheet(QStringLiteral("color: #B22222;"));
    lblAttendere->hide();
    v->addWidget(lblAttendere);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnCerca = button("btnCerca", QStringLiteral("Cerca"), page);
    btnAnnulla = button("btnAnnulla", QStringLiteral("Chiudi"), page);
    buttons->addWidget(btnCerca);
    buttons->addWidget(btnAnnulla);
    v->addLayout(buttons);

    EnterChain::install(page, names);
    connect(btnCerca, &QPushButton::pressed, this, [this] {
        lblAttendere->show();
        lblAttendere->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &SearchDialog::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    return page;
}

QWidget* SearchDialog::buildResultPage(const Setup& setup)
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("panContainer"));
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);
    for (const char* text : ResultInstructions)
        v->addWidget(instruction(QString::fromUtf8(text), page));

    auto* find = new QHBoxLayout;
    txtTrova = new QLineEdit(page);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    btnTrova = button("btnTrova", QStringLiteral("Trova"), page);
    find->addWidget(txtTrova, 1);
    find->addWidget(btnTrova);
    v->addLayout(find);

    model = new ResultListModel(this);
    lstRecords = new QListView(page);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setModel(model);
    lstRecords->setUniformItemSizes(true);  // 100,000 lines stay quick
    lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lstRecords->setFont(ResultListModel::lineFont());
    lstRecords->setStyleSheet(QStringLiteral("QListView { color: black; background: white; }"));
    v->addWidget(lstRecords, 1);

    auto* bottom = new QHBoxLayout;
    lblTrovate = new QLabel(page);
    lblTrovate->setObjectName(QStringLiteral("lblTrovate"));
    lblTrovate->setFont(QFont(QStringLiteral("Verdana"), 9, QFont::Bold));
    lblTrovate->setVisible(setup.showCount);
    btnStampa = button("btnStampa", QStringLiteral("Stampa"), page);
    btnChiudi = button("btnChiudi", QStringLiteral("Chiudi"), page);
    bottom->addWidget(lblTrovate);
    bottom->addStretch(1);
    bottom->addWidget(btnStampa);
    bottom->addWidget(btnChiudi);
    v->addLayout(bottom);

    txtTrova->installEventFilter(this);
    connect(btnTrova, &QPushButton::clicked, this, &SearchDialog::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &SearchDialog::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstRecords, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { lstRecordsDoubleClick(index.row()); });
    return page;
}

void SearchDialog::setCallerKey(const QString& key)
{
    lblMemory->setText(key);
}

QString SearchDialog::callerKey() const
{
    return lblMemory->text();
}

QLineEdit* SearchDialog::criterion(const QString& field) const
{
    for (QLineEdit* e : m_criteria)
        if (e->objectName() == QStringLiteral("txt") + field)
            return e;
    return nullptr;
}

int SearchDialog::selectedRow() const
{
    const QModelIndexList rows = lstRecords->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void SearchDialog::selectRow(int row)
{
    if (row < 0 || row >= model->rowCount())
        return;
    const QModelIndex index = model->index(row);
    lstRecords->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    lstRecords->scrollTo(index);
}

void SearchDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_find.reset();
    txtTrova->clear();
    if (!panAvvio)
        showResults(findLines({}));
    if (m_setup.selectFirstLine)
        selectRow(0);
    if (panAvvio && panAvvio->isVisible() && !m_criteria.isEmpty())
        m_criteria.first()->setFocus(Qt::OtherFocusReason);
    else
        txtTrova->setFocus(Qt::OtherFocusReason);
}

void SearchDialog::btnCercaClick()
{
    QList<RecordFilter::Term> typed;
    for (int i = 0; i < m_criteria.size(); ++i)
        typed.push_back({m_setup.criteria.at(i).field, m_criteria.at(i)->text()});
    lblConta->setText(QString::number(RecordFilter(typed).required()));
    QList<ResultLine> lines;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        lines = findLines(typed);
        QApplication::restoreOverrideCursor();
    } catch (const ArchiveError&) {
        QApplication::restoreOverrideCursor();
        lblAttendere->hide();
        Ui::information(this, ArchiveError::userMessage());
        return;
    }
    showResults(std::move(lines));
    panAvvio->hide();
    lblAttendere->hide();
    panContainer->show();
    txtTrova->clear();
    txtTrova->setFocus(Qt::OtherFocusReason);
}

void SearchDialog::showResults(QList<ResultLine> lines)
{
    model->setLines(std::move(lines));
    const int count = model->rowCount();
    lblTrovate->setText(m_setup.countText ? m_setup.countText(count)
                                          : QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(count));
}

void SearchDialog::btnTrovaClick()
{
    const int count = model->rowCount();
    if (count == 0) {
        Ui::information(this, QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const int found = m_find.step(
        count, [this](int row) { return model->line(row).text; }, selectedRow(), txtTrova->text());
    selectRow(found);
}

void SearchDialog::btnStampaClick()
{
    ListPrint::print(this, m_setup.printTitle, model->texts());
}

void SearchDialog::lstRecordsDoubleClick(int row)
{
    if (row >= 0 && row < model->rowCount())
        handBack(model->line(row));
    accept();
}

bool SearchDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (isEnter(event)) {
        if (watched == txtTrova) {
            btnTrova->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SearchDialog::done(int result)
{
    model->clear();
    if (lblAttendere)
        lblAttendere->hide();
    QDialog::done(result);
}
