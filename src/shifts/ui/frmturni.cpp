#include "shifts/ui/frmturni.h"

#include "app/ui/browsecontroller.h"
#include "app/ui/formbinding.h"
#include "app/ui/formkit.h"
#include "app/ui/frmavvio.h"
#include "app/ui/frmcalendario.h"
#include "app/ui/frmguida.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "hours/ui/frmtrovaorari.h"
#include "members/attachments.h"
#include "members/ui/frmallegacartella.h"
#include "members/ui/frmtrovaanagrafica.h"
#include "output/searchhandback.h"
#include "shifts/dailyrules.h"
#include "shifts/shiftrecords.h"
#include "shifts/ui/frmexpturni.h"
#include "shifts/ui/frmstampaturno.h"
#include "shifts/ui/frmtrovaturni.h"
#include "shifts/ui/shiftpanel.h"
#include "storage/textfield.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

const QString Caption = QStringLiteral(" Norvalis 2.0 - Programmazione turni");
const QString ReadyText = QStringLiteral("Pronto per archiviare una nuova scheda...");
const QString CallerKey = QStringLiteral("turni");
const QSize PanelSize(995, 692);

QString rowName(const char* stem, int row)
{
    return QLatin1String(stem) + QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'));
}

// Name -> date; period -> site -> instructions -> the rows, each start, end,
// workers, activity -> notes -> name. Enter in the date opens the picker.
QStringList enterChain()
{
    QStringList names{"txtNome", "txtData", "txtPeriodo", "txtSede", "txtDisposizioni"};
    for (int r = 1; r <= shifts::kRows; ++r)
        for (const char* stem : {"Inizio", "Fine", "Lavoratore", "Attivita"})
            names << QStringLiteral("txt") + rowName(stem, r);
    names << QStringLiteral("txtAnnotazioni");
    return names;
}

QList<std::pair<QString, QString>> hints()
{
    QList<std::pair<QString, QString>> h{
        {"btnNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
        {"btnDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {"btnSalva", "Salva la scheda corrente in archivio."},
        {"btnTrova", "Trova una scheda in archivio."},
        {"btnAllega", "Allega file alla scheda corrente."},
        {"btnAnteprima", "Visualizza l'anteprima di stampa della scheda corrente."},
        {"btnStampa", "Stampa la scheda corrente."},
        {"btnEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"btnGuida", "Visualizza la guida in linea."},
        {"btnEsci", "Esci da questa schermata di lavoro."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"impNome", "Importa un turno predefinito dall'archivio degli orari."},
        {"impData", "Importa una data dal calendario."},
        {"txtData", "Premi un tasto qualsiasi per importare una data dal calendario."},
    };
    for (int r = 1; r <= shifts::kRows; ++r)
        h.push_back({QStringLiteral("imp") + rowName("Lavoratore", r),
                     QStringLiteral("Importa un turnista dall'archivio anagrafico dei Soci.")});
    return h;
}

}  // namespace

TfrmTurni::TfrmTurni(QWidget* parent) : QWidget(parent), m_browser(QString(), shifts::dailyLayout())
{
    prepareWindow(this, Caption);
    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    // The hidden holders of the attachments.
    for (const QString& name : daily::attachmentFields()) {
        auto* holder = new QLabel(this);
        holder->setObjectName(QStringLiteral("lbl") + name);
        holder->hide();
    }

    QWidget* panel = ShiftPanel::centred(this, PanelSize);
    buildToolbar(panel);
    buildHead(panel);
    buildRows(panel);
    panInfo = ShiftPanel::hintBar(panel, ReadyText, QRect(25, 650, 945, 30));

    FormBinding::applyMaxLengths(this, shifts::dailyLayout());
    EnterChain::install(this, enterChain());
    // After the Enter chain, so that the date field's keys are seen first.
    PickerKeys::install(field(QStringLiteral("Data")), [this] { impDataClick(); });

    m_hints = new HintBar(panInfo, panel);
    m_hints->add(hints());
    // The sections are background too: over them the bar is empty.
    for (const char* section : {"sezTestata", "sezDisposizioni", "sezFasce"})
        m_hints->add(panel->findChild<QWidget*>(QLatin1String(section)), QString());

    browse = new BrowseController(this, m_browser, lblPosizione,
                                  {[this] { showAttachments(); }, [this](int) { showAttachments(); },
                                   [this] { return validateSave(); }, {}});
    browse->connectToolbar();
    const auto button = [this](const char* name) { return findChild<QToolButton*>(QLatin1String(name)); };
    connect(button("btnNuovo"), &QToolButton::clicked, this, &TfrmTurni::focusName);
    connect(button("btnDuplica"), &QToolButton::clicked, this, &TfrmTurni::btnDuplicaClick);
    connect(button("btnTrova"), &QToolButton::clicked, this, &TfrmTurni::btnTrovaClick);
    connect(button("btnAllega"), &QToolButton::clicked, this, &TfrmTurni::btnAllegaClick);
    connect(button("btnAnteprima"), &QToolButton::clicked, this, &TfrmTurni::btnAnteprimaClick);
    connect(button("btnStampa"), &QToolButton::clicked, this, &TfrmTurni::btnStampaClick);
    connect(button("btnEsporta"), &QToolButton::clicked, this, &TfrmTurni::btnEsportaClick);
    connect(button("btnGuida"), &QToolButton::clicked, this, &TfrmTurni::btnGuidaClick);
    connect(button("btnEsci"), &QToolButton::clicked, this, &QWidget::close);
    connect(button("impNome"), &QToolButton::clicked, this, &TfrmTurni::impNomeClick);
    connect(button("impData"), &QToolButton::clicked, this, &TfrmTurni::impDataClick);
    for (int r = 1; r <= shifts::kRows; ++r)
        connect(findChild<QToolButton*>(QStringLiteral("imp") + rowName("Lavoratore", r)), &QToolButton::clicked,
                this, [this, r] { TfrmTrovaAnagrafica::open(this, QStringLiteral("turni_") + rowName("", r)); });

    setMinimumSize(PanelSize);
    setWindowState(Qt::WindowMaximized);
}

void TfrmTurni::buildToolbar(QWidget* panel)
{
    ShiftPanel::toolBand(panel, 78);
    ShiftPanel::addTools(panel, 25, 40,
                         {{"btnNuovo", "nuovo", "Nuovo", 25, 42},
                          {"btnDuplica", "duplica", "Duplica", 73, 42},
                          {"btnSalva", "salva", "Salva", 121, 42},
                          {"btnTrova", "trova", "Trova", 169, 42},
                          {"btnAllega", "allega", "Allega file", 217, 157, "Allega file"},
                          {"btnAnteprima", "anteprima", "Anteprima", 380, 42},
                          {"btnStampa", "stampa", "Stampa", 428, 157, "Stampa scheda"},
                          {"btnEsporta", "excel", "Esporta in Excel", 591, 42},
                          {"btnGuida", "guida", "Guida", 639, 42},
                          {"btnEsci", "esci", "Esci", 687, 42}});
    btnAllega = panel->findChild<QToolButton*>(QStringLiteral("btnAllega"));
    lblPosizione = ShiftPanel::addNavigation(panel, 26, 752, 794, 830, 891, 933);
}

// Name, date, period and site side by side, their labels above them; the
// instructions across under them. These five show their highlight while
// they have the focus.
void TfrmTurni::buildHead(QWidget* panel)
{
    ShiftPanel::section(panel, QStringLiteral("sezTestata"), QRect(25, 88, 945, 68));
    struct HeadField {
        const char* name;
        const char* label;
        int x;
        int width;
    };
    const HeadField head[] = {{"Nome", "Nome tabella turni:", 40, 270},
                              {"Data", "Data:", 350, 114},
                              {"Periodo", "Periodo validit\u00E0:", 504, 216},
                              {"Sede", "Sede operativa:", 736, 218}};
    for (const HeadField& f : head) {
        ShiftPanel::label(panel, QString::fromUtf8(f.label), QRect(f.x, 100, f.width, 16));
        QLineEdit* edit = ShiftPanel::field(panel, QLatin1String(f.name), QRect(f.x, 118, f.width, 26));
        FocusHighlight::attach(edit, QLatin1String(f.name));
    }
    ShiftPanel::importButton(panel, QStringLiteral("impNome"), "importa_orario", QRect(313, 120, 24, 24));
    ShiftPanel::importButton(panel, QStringLiteral("impData"), "calendario", QRect(467, 120, 24, 24));

    ShiftPanel::section(panel, QStringLiteral("sezDisposizioni"), QRect(25, 164, 945, 75));
    ShiftPanel::label(panel, QStringLiteral("Disposizioni organizzative:"), QRect(40, 176, 300, 16));
    QLineEdit* instructions = ShiftPanel::field(panel, QStringLiteral("Disposizioni"), QRect(40, 194, 786, 26));
    FocusHighlight::attach(instructions, QStringLiteral("Disposizioni"));
    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("imgTurni"));
    picture->setPixmap(::picture(QStringLiteral(":/icons/area_turni.svg"), QSize(100, 62)));
    picture->setAlignment(Qt::AlignCenter);
    picture->setStyleSheet(QStringLiteral("background: transparent;"));
    picture->setGeometry(846, 170, 112, 64);
}

// The twelve time bands under their orange headings, then the notes.
void TfrmTurni::buildRows(QWidget* panel)
{
    ShiftPanel::section(panel, QStringLiteral("sezFasce"), QRect(25, 244, 945, 384));
    ShiftPanel::columnHeading(panel, QStringLiteral("DALLE ORE"), QRect(40, 260, 108, 26));
    ShiftPanel::columnHeading(panel, QStringLiteral("ALLE ORE"), QRect(154, 260, 108, 26));
    ShiftPanel::columnHeading(panel, QStringLiteral("TURNISTI"), QRect(268, 260, 378, 26));
    ShiftPanel::columnHeading(panel, QStringLiteral("ATTIVITA' DA SVOLGERE"), QRect(652, 260, 302, 26));
    for (int r = 1; r <= shifts::kRows; ++r) {
        const int y = 294 + 24 * (r - 1);
        for (const auto& [stem, x] : {std::pair{"Inizio", 40}, std::pair{"Fine", 154}})
            ShiftPanel::field(panel, rowName(stem, r), QRect(x, y, 108, 22))->setAlignment(Qt::AlignCenter);
        ShiftPanel::field(panel, rowName("Lavoratore", r), QRect(268, y, 352, 22));
        ShiftPanel::importButton(panel, QStringLiteral("imp") + rowName("Lavoratore", r), "importa_socio",
                                 QRect(624, y, 22, 22));
        ShiftPanel::field(panel, rowName("Attivita", r), QRect(652, y, 302, 22));
    }
    ShiftPanel::label(panel, QStringLiteral("Annotazioni:"), QRect(40, 597, 88, 18));
    ShiftPanel::field(panel, QStringLiteral("Annotazioni"), QRect(130, 594, 824, 24));
}

void TfrmTurni::setArchive(const QString& path, const QString& caption)
{
    m_browser.setPath(path);
    lblFile->setText(path);
    setWindowTitle(caption);
}

QString TfrmTurni::archivePath() const
{
    return m_browser.path();
}

QLineEdit* TfrmTurni::field(const QString& name) const
{
    return findChild<QLineEdit*>(QStringLiteral("txt") + name);
}

Record TfrmTurni::shownTable() const
{
    return FormBinding::read(const_cast<TfrmTurni*>(this), shifts::dailyLayout());
}

void TfrmTurni::addWorker(int row, const QString& member)
{
    if (QLineEdit* workers = field(rowName("Lavoratore", row)))
        // What goes past the field's length is cut when the table is stored.
        workers->setText(daily::workersWith(workers->text(), member));
}

void TfrmTurni::showAttachments()
{
    QList<std::pair<QString, QString>> entries;
    int attached = 0;
    for (int k = 1; k <= 3; ++k) {
        const QString file = findChild<QLabel*>(QStringLiteral("lbl") + rowName("File", k))->text();
        entries.push_back({file, findChild<QLabel*>(QStringLiteral("lbl") + rowName("Desc", k))->text()});
        attached += file.trimmed().isEmpty() ? 0 : 1;
    }
    btnAllega->setText(attached ? QStringLiteral("Allegati (%1)").arg(attached) : QStringLiteral("Allega file"));
    btnAllega->setToolTip(attachments::summary(entries));
}

void TfrmTurni::focusName()
{
    field(QStringLiteral("Nome"))->setFocus(Qt::OtherFocusReason);
}

bool TfrmTurni::validateSave()
{
    return browse->passes(daily::checkForSave(FormBinding::texts(this, shifts::dailyLayout())));
}

// A copy of the stored table, without its attached files, to be saved as a
// new one. When the archive cannot be used nothing changes.
void TfrmTurni::btnDuplicaClick()
{
    browse->duplicate([this] {
        clearAttachments(this);
        showAttachments();
        focusName();
    });
}

void TfrmTurni::btnTrovaClick()
{
    TfrmTrovaTurni::open(this, archivePath(), CallerKey);
}

void TfrmTurni::btnAllegaClick()
{
    editAttachments(this, CallerKey);
    showAttachments();
}

void TfrmTurni::btnAnteprimaClick()
{
    TfrmAnteprimaTurno preview(this, [this] { return shownTable(); });
    Ui::runModal(preview);
}

void TfrmTurni::btnStampaClick()
{
    TfrmStampaTurno print(this, [this] { return shownTable(); });
    Ui::runModal(print);
}

void TfrmTurni::btnEsportaClick()
{
    showDailyExport(this, archivePath());
}

void TfrmTurni::btnGuidaClick()
{
    showHelp(this, QStringLiteral("turni"));
}

void TfrmTurni::impNomeClick()
{
    TfrmTrovaOrari::open(this, CallerKey);
}

void TfrmTurni::impDataClick()
{
    TfrmCalendario picker(this);
    picker.setCallerCode(CallerKey);
    Ui::runModal(picker);
}

void TfrmTurni::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    browse->newRecord();
    panInfo->setText(ReadyText);
    focusName();
}

void TfrmTurni::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (frmAvvio)
        frmAvvio->show();
}

void registerDailySearchReceivers()
{
    SearchHandBack::registerReceiver(TfrmTrovaTurni::route(CallerKey), [](int position, const Record&) {
        if (frmTurni)
            frmTurni->browse->showAt(position);
    });
    SearchHandBack::registerReceiver(TfrmTrovaOrari::route(CallerKey), [](int, const Record& hours) {
        importTemplate(frmTurni, hours, hours::Importer::Daily);
    });
    for (int r = 1; r <= shifts::kRows; ++r)
        SearchHandBack::registerReceiver(TfrmTrovaAnagrafica::route(QStringLiteral("turni_") + rowName("", r)),
                                         [r](int, const Record& member) {
                                             if (frmTurni)
                                                 frmTurni->addWorker(r, member.text(u"Tesserato"));
                                         });
}
