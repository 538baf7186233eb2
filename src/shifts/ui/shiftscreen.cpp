#include "shifts/ui/shiftscreen.h"

#include "app/ui/browsecontroller.h"
#include "app/ui/formbinding.h"
#include "app/ui/formkit.h"
#include "app/ui/frmavvio.h"
#include "app/ui/frmcalendario.h"
#include "app/ui/frmguida.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "members/attachments.h"
#include "members/ui/frmallegacartella.h"
#include "shifts/ui/shiftpanel.h"
#include "storage/layout.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <utility>

namespace {

const QString ReadyText = QStringLiteral("Pronto per archiviare una nuova scheda...");
const QSize PanelSize(995, 692);

ShiftScreen::Hints sharedHints()
{
    return {
        {"btnNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
        {"btnDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {"btnSalva", "Salva la scheda corrente in archivio."},
        {"btnTrova", "Trova una scheda in archivio."},
        {"btnAllega", "Allega file alla scheda corrente."},
        {"btnAnteprima", "Visualizza l'anteprima di stampa della scheda corrente."},
        {"btnStampa", "Stampa la scheda corrente."},
        {"btnGuida", "Visualizza la guida in linea."},
        {"btnEsci", "Esci da questa schermata di lavoro."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
    };
}

}  // namespace

ShiftScreen::ShiftScreen(const RecordLayout& layout, QString callerKey, Check check, QWidget* parent)
    : QWidget(parent),
      m_layout(layout),
      m_callerKey(std::move(callerKey)),
      m_check(std::move(check)),
      m_browser(QString(), layout)
{
    prepareWindow(this, QStringLiteral(" Norvalis 2.0 - Programmazione turni"));
    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    // The hidden holders of the attachments.
    for (const QString& name : layout::attachmentNames()) {
        auto* holder = new QLabel(this);
        holder->setObjectName(QStringLiteral("lbl") + name);
        holder->hide();
    }
    m_panel = ShiftPanel::centred(this, PanelSize);
    setMinimumSize(PanelSize);
    setWindowState(Qt::WindowMaximized);
}

void ShiftScreen::buildToolbar(bool withExport, const Navigation& navigation)
{
    ShiftPanel::toolBand(m_panel, 78);
    QList<ShiftPanel::Tool> tools{{"btnNuovo", "nuovo", "Nuovo", 25, 42},
                                  {"btnDuplica", "duplica", "Duplica", 73, 42},
                                  {"btnSalva", "salva", "Salva", 121, 42},
                                  {"btnTrova", "trova", "Trova", 169, 42},
                                  {"btnAllega", "allega", "Allega file", 217, 157, "Allega file"},
                                  {"btnAnteprima", "anteprima", "Anteprima", 380, 42},
                                  {"btnStampa", "stampa", "Stampa", 428, 157, "Stampa scheda"}};
    int x = 591;
    if (withExport) {
        tools.push_back({"btnEsporta", "excel", "Esporta in Excel", x, 42});
        x += 48;
    }
    tools.push_back({"btnGuida", "guida", "Guida", x, 42});
    tools.push_back({"btnEsci", "esci", "Esci", x + 48, 42});
    ShiftPanel::addTools(m_panel, 25, 40, tools);
    btnAllega = m_panel->findChild<QToolButton*>(QStringLiteral("btnAllega"));
    lblPosizione = ShiftPanel::addNavigation(m_panel, 26, navigation.first, navigation.previous, navigation.position,
                                             navigation.positionWidth, navigation.next, navigation.last);
}

void ShiftScreen::addSection(const QString& objectName, const QRect& rect)
{
    m_sections.push_back(ShiftPanel::section(m_panel, objectName, rect));
}

QLineEdit* ShiftScreen::addHeadField(const QString& name, const QString& label, const QRect& rect)
{
    ShiftPanel::label(m_panel, label, QRect(rect.x(), rect.y() - 18, rect.width(), 16));
    QLineEdit* edit = ShiftPanel::field(m_panel, name, rect);
    FocusHighlight::attach(edit, name);
    return edit;
}

void ShiftScreen::addPicture(const QRect& rect)
{
    auto* picture = new QLabel(m_panel);
    picture->setObjectName(QStringLiteral("imgTurni"));
    picture->setPixmap(::picture(QStringLiteral(":/icons/area_turni.svg"), rect.size() - QSize(12, 2)));
    picture->setAlignment(Qt::AlignCenter);
    picture->setStyleSheet(QStringLiteral("background: transparent;"));
    picture->setGeometry(rect);
}

void ShiftScreen::finish(const QStringList& enterChain, const Hints& ownHints)
{
    panInfo = ShiftPanel::hintBar(m_panel, ReadyText, QRect(25, 650, 945, 30));
    FormBinding::applyMaxLengths(this, m_layout);
    EnterChain::install(this, enterChain);

    m_hints = new HintBar(panInfo, m_panel);
    m_hints->add(sharedHints());
    m_hints->add(ownHints);
    // The sections are background too: over them the bar is empty.
    for (QWidget* section : std::as_const(m_sections))
        m_hints->add(section, QString());

    browse = new BrowseController(
        this, m_browser, lblPosizione,
        {[this] { showAttachments(); }, [this](int) { showAttachments(); }, [this] { return validateSave(); }, {}});
    browse->connectToolbar();
    const auto button = [this](const char* name) { return findChild<QToolButton*>(QLatin1String(name)); };
    connect(button("btnNuovo"), &QToolButton::clicked, this, &ShiftScreen::focusName);
    connect(button("btnDuplica"), &QToolButton::clicked, this, &ShiftScreen::btnDuplicaClick);
    connect(button("btnTrova"), &QToolButton::clicked, this, [this] { btnTrovaClick(); });
    connect(button("btnAllega"), &QToolButton::clicked, this, &ShiftScreen::btnAllegaClick);
    connect(button("btnAnteprima"), &QToolButton::clicked, this, [this] { btnAnteprimaClick(); });
    connect(button("btnStampa"), &QToolButton::clicked, this, [this] { btnStampaClick(); });
    connect(button("btnGuida"), &QToolButton::clicked, this, &ShiftScreen::btnGuidaClick);
    connect(button("btnEsci"), &QToolButton::clicked, this, &QWidget::close);
}

void ShiftScreen::setArchive(const QString& path, const QString& caption)
{
    m_browser.setPath(path);
    lblFile->setText(path);
    setWindowTitle(caption);
}

QString ShiftScreen::archivePath() const
{
    return m_browser.path();
}

QLineEdit* ShiftScreen::field(const QString& name) const
{
    return findChild<QLineEdit*>(QStringLiteral("txt") + name);
}

Record ShiftScreen::shownTable() const
{
    return FormBinding::read(const_cast<ShiftScreen*>(this), m_layout);
}

// The attached files' count on the button, their names in its tool tip.
void ShiftScreen::showAttachments()
{
    QList<std::pair<QString, QString>> entries;
    int attached = 0;
    for (int k = 1; k <= 3; ++k) {
        const QString file = findChild<QLabel*>(QStringLiteral("lbl") + layout::numberedName("File", k))->text();
        entries.push_back({file, findChild<QLabel*>(QStringLiteral("lbl") + layout::numberedName("Desc", k))->text()});
        attached += file.trimmed().isEmpty() ? 0 : 1;
    }
    btnAllega->setText(attached ? QStringLiteral("Allegati (%1)").arg(attached) : QStringLiteral("Allega file"));
    btnAllega->setToolTip(attachments::summary(entries));
}

void ShiftScreen::focusName()
{
    field(QStringLiteral("Nome"))->setFocus(Qt::OtherFocusReason);
}

bool ShiftScreen::validateSave()
{
    return browse->passes(m_check(FormBinding::texts(this, m_layout)));
}

// A copy of the stored table, without its attached files, to be saved as a
// new one. When the archive cannot be used nothing changes.
void ShiftScreen::btnDuplicaClick()
{
    browse->duplicate([this] {
        clearAttachments(this);
        showAttachments();
        focusName();
    });
}

void ShiftScreen::btnAllegaClick()
{
    editAttachments(this, m_callerKey);
    showAttachments();
}

void ShiftScreen::btnGuidaClick()
{
    // Both shift screens have the one help page.
    showHelp(this, QStringLiteral("turni"));
}

void ShiftScreen::openDatePicker(const QString& key)
{
    TfrmCalendario picker(this);
    picker.setCallerCode(key);
    Ui::runModal(picker);
}

void ShiftScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    browse->newRecord();
    panInfo->setText(ReadyText);
    focusName();
}

void ShiftScreen::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (frmAvvio)
        frmAvvio->show();
}
