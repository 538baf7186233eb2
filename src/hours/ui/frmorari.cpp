#include "hours/ui/frmorari.h"

#include "app/ui/browsecontroller.h"
#include "app/ui/formbinding.h"
#include "app/ui/formkit.h"
#include "app/ui/frmavvio.h"
#include "app/ui/frmguida.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "hours/hoursrecord.h"
#include "hours/hoursrules.h"
#include "hours/ui/frmexporari.h"
#include "hours/ui/frmstampaorario.h"
#include "hours/ui/frmtrovaorari.h"
#include "members/attachments.h"
#include "members/ui/frmallegacartella.h"
#include "output/searchhandback.h"
#include "storage/textfield.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString Caption = QStringLiteral(" Norvalis 2.0 - Impostazione Orari");
const QString ReadyText = QStringLiteral("Pronto per archiviare una nuova scheda...");
const QString CallerKey = QStringLiteral("orari");

QString slotName(const char* stem, int slot)
{
    return QLatin1String(stem) + QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0'));
}

// Name, period, site, instructions, then start, end and activity of each
// slot, then the notes; the notes' Enter goes back to the name.
QStringList enterChain()
{
    QStringList names{"txtNome", "txtPeriodo", "txtSede", "txtDisposizioni"};
    for (int k = 1; k <= hours::kSlots; ++k)
        for (const char* stem : {"Inizio", "Fine", "Attivita"})
            names << QStringLiteral("txt") + slotName(stem, k);
    names << QStringLiteral("txtAnnotazioni");
    return names;
}

const QList<std::pair<QString, QString>> Hints{
    {"btnNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
    {"btnDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
    {"btnSalva", "Salva la scheda corrente in archivio."},
    {"btnTrova", "Trova una scheda in archivio."},
    {"btnAllega", "Allega file alla scheda corrente."},
    {"btnStampa", "Stampa la scheda corrente."},
    {"btnGuida", "Visualizza la guida in linea."},
    {"btnEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
    {"btnEsci", "Esci da questa schermata di lavoro."},
    {"cmdPrimo", "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
};

QLabel* fieldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// A titled section of the screen and the grid its labels and fields go in.
QGridLayout* section(const QString& title, QWidget* parent, int rowSpacing, QGroupBox*& box)
{
    box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(rowSpacing);
    return grid;
}

QLabel* columnHeading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("font: bold 8pt 'Verdana'; color: #1F4E79;"));
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return label;
}

}  // namespace

TfrmOrari::TfrmOrari(QWidget* parent) : QWidget(parent), m_browser(hours::archivePath(), hours::recordLayout())
{
    prepareWindow(this, Caption);
    setStyleSheet(dataScreenStyle());

    // The hidden holders of the attachments.
    for (const QString& name : hours::attachmentFields()) {
        auto* holder = new QLabel(this);
        holder->setObjectName(QStringLiteral("lbl") + name);
        holder->hide();
    }

    lblPosizione = positionLabel(this);
    panInfo = hintBarLabel(ReadyText, this);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 4, 14, 6);
    body->setSpacing(4);
    body->addWidget(buildHeading());
    body->addWidget(buildSlots(), 1);
    body->addWidget(buildNotes());

    stackScreen(this, buildToolbar(), body, panInfo);

    FormBinding::applyMaxLengths(this, hours::recordLayout());
    EnterChain::install(this, enterChain());

    m_hints = new HintBar(panInfo, this);
    m_hints->add(Hints);

    browse = new BrowseController(this, m_browser, lblPosizione,
                                  {[this] { showAttachments(); }, [this](int) { showAttachments(); },
                                   [this] { return validateSave(); }, {}});
    browse->connectToolbar();
    const auto button = [this](const char* name) { return findChild<QToolButton*>(QLatin1String(name)); };
    connect(button("btnNuovo"), &QToolButton::clicked, this, &TfrmOrari::focusName);
    connect(button("btnDuplica"), &QToolButton::clicked, this, &TfrmOrari::btnDuplicaClick);
    connect(button("btnTrova"), &QToolButton::clicked, this, &TfrmOrari::btnTrovaClick);
    connect(button("btnAllega"), &QToolButton::clicked, this, &TfrmOrari::btnAllegaClick);
    connect(button("btnStampa"), &QToolButton::clicked, this, &TfrmOrari::btnStampaClick);
    connect(button("btnEsporta"), &QToolButton::clicked, this, &TfrmOrari::btnEsportaClick);
    connect(button("btnGuida"), &QToolButton::clicked, this, &TfrmOrari::btnGuidaClick);
    connect(button("btnEsci"), &QToolButton::clicked, this, &QWidget::close);

    setMinimumSize(1100, 680);
    setWindowState(Qt::WindowMaximized);
}

QWidget* TfrmOrari::buildToolbar()
{
    return ScreenToolbar::browseBar(this,
                                    {{"btnNuovo", "nuovo", "Nuovo"},
                                     {"btnDuplica", "duplica", "Duplica"},
                                     {"btnSalva", "salva", "Salva"},
                                     {"btnTrova", "trova", "Trova"},
                                     {"btnAllega", "allega", "Allega"},
                                     {"btnStampa", "stampa", "Stampa"}},
                                    lblPosizione,
                                    {{"btnEsporta", "excel", "Excel"},
                                     {"btnGuida", "guida", "Guida"},
                                     {"btnEsci", "esci", "Esci"}});
}

QLineEdit* TfrmOrari::makeField(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("txt") + name);
    edit->setMinimumHeight(24);
    return edit;
}

// Name, period and site side by side, the instructions across under them;
// these four show their highlight while they have the focus.
QWidget* TfrmOrari::buildHeading()
{
    QGroupBox* box = nullptr;
    QGridLayout* grid = section(QStringLiteral("Tabella turni"), this, 8, box);
    const std::pair<const char*, const char*> fields[] = {
        {"Nome", "Nome tabella turni:"},
        {"Periodo", "Periodo validit\u00E0:"},
        {"Sede", "Sede operativa:"},
    };
    for (int i = 0; i < 3; ++i) {
        QLineEdit* edit = makeField(QLatin1String(fields[i].first), box);
        grid->addWidget(fieldLabel(QString::fromUtf8(fields[i].second), box), 0, 2 * i);
        grid->addWidget(edit, 0, 2 * i + 1);
        grid->setColumnStretch(2 * i + 1, 1);
        FocusHighlight::attach(edit, QLatin1String(fields[i].first));
    }
    QLineEdit* instructions = makeField(QStringLiteral("Disposizioni"), box);
    grid->addWidget(fieldLabel(QStringLiteral("Disposizioni organizzative:"), box), 1, 0);
    grid->addWidget(instructions, 1, 1, 1, 5);
    FocusHighlight::attach(instructions, QStringLiteral("Disposizioni"));
    return box;
}

// The twelve slots: start, end and activity on each row.
QWidget* TfrmOrari::buildSlots()
{
    QGroupBox* box = nullptr;
    QGridLayout* grid = section(QStringLiteral("Fasce orarie"), this, 3, box);
    grid->addWidget(columnHeading(QStringLiteral("DALLE ORE:"), box), 0, 1);
    grid->addWidget(columnHeading(QStringLiteral("ALLE ORE:"), box), 0, 2);
    grid->addWidget(columnHeading(QStringLiteral("ATTIVITA' DA SVOLGERE:"), box), 0, 3);
    for (int k = 1; k <= hours::kSlots; ++k) {
        auto* number = new QLabel(QString::number(k), box);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setStyleSheet(QStringLiteral("font: bold 9pt 'Verdana'; color: #8A97A6;"));
        grid->addWidget(number, k, 0);
        for (const char* stem : {"Inizio", "Fine"}) {
            QLineEdit* time = makeField(slotName(stem, k), box);
            time->setFixedWidth(90);
            time->setAlignment(Qt::AlignCenter);
            grid->addWidget(time, k, stem[0] == 'I' ? 1 : 2);
        }
        grid->addWidget(makeField(slotName("Attivita", k), box), k, 3);
    }
    grid->setColumnStretch(3, 1);
    // The rows share the height the screen gives the slots.
    for (int k = 1; k <= hours::kSlots; ++k)
        grid->setRowStretch(k, 1);
    return box;
}

// The notes, and a line naming the files attached with "Allega".
QWidget* TfrmOrari::buildNotes()
{
    QGroupBox* box = nullptr;
    QGridLayout* grid = section(QStringLiteral("Note e allegati"), this, 6, box);
    grid->addWidget(fieldLabel(QStringLiteral("Annotazioni:"), box), 0, 0);
    grid->addWidget(makeField(QStringLiteral("Annotazioni"), box), 0, 1);
    lblAllegati = new QLabel(box);
    lblAllegati->setObjectName(QStringLiteral("lblAllegati"));
    lblAllegati->setStyleSheet(QStringLiteral("color: #44505C;"));
    lblAllegati->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(fieldLabel(QStringLiteral("File allegati:"), box), 1, 0);
    grid->addWidget(lblAllegati, 1, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

void TfrmOrari::showAttachments()
{
    QList<std::pair<QString, QString>> entries;
    for (int k = 1; k <= 3; ++k)
        entries.push_back({findChild<QLabel*>(QStringLiteral("lbl") + slotName("File", k))->text(),
                         findChild<QLabel*>(QStringLiteral("lbl") + slotName("Desc", k))->text()});
    lblAllegati->setText(attachments::summary(entries));
}

QLineEdit* TfrmOrari::field(const QString& name) const
{
    return findChild<QLineEdit*>(QStringLiteral("txt") + name);
}

Record TfrmOrari::shownTemplate() const
{
    return FormBinding::read(const_cast<TfrmOrari*>(this), hours::recordLayout());
}

void TfrmOrari::focusName()
{
    field(QStringLiteral("Nome"))->setFocus(Qt::OtherFocusReason);
}

bool TfrmOrari::validateSave()
{
    return browse->passes(hours::checkForSave(FormBinding::texts(this, hours::recordLayout())));
}

// A copy of the stored template, without its attached files, to be saved as
// a new one. When the archive cannot be used nothing changes.
void TfrmOrari::btnDuplicaClick()
{
    browse->duplicate([this] {
        clearAttachments(this);
        showAttachments();
        focusName();
    });
}

void TfrmOrari::btnTrovaClick()
{
    TfrmTrovaOrari::open(this, CallerKey);
}

void TfrmOrari::btnAllegaClick()
{
    editAttachments(this, CallerKey);
    showAttachments();
}

void TfrmOrari::btnStampaClick()
{
    TfrmStampaOrario print(this, [this] { return shownTemplate(); });
    Ui::runModal(print);
}

void TfrmOrari::btnEsportaClick()
{
    showHoursExport(this);
}

void TfrmOrari::btnGuidaClick()
{
    showHelp(this, QStringLiteral("orari"));
}

void TfrmOrari::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    browse->newRecord();
    panInfo->setText(ReadyText);
    focusName();
}

void TfrmOrari::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (frmAvvio)
        frmAvvio->show();
}

void registerHoursSearchReceivers()
{
    SearchHandBack::registerReceiver(TfrmTrovaOrari::route(CallerKey), [](int position, const Record&) {
        if (frmOrari)
            frmOrari->browse->showAt(position);
    });
}
