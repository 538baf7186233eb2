#include "cards/ui/frmtessera.h"

#include "app/ui/browsecontroller.h"
#include "app/ui/formbinding.h"
#include "app/ui/formkit.h"
#include "app/ui/frmavvio.h"
#include "app/ui/frmguida.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "cards/cardpictures.h"
#include "cards/ui/cardprint.h"
#include "cards/ui/cardview.h"
#include "cards/ui/frmdatiente.h"
#include "members/memberphoto.h"
#include "members/memberrecord.h"
#include "members/ui/frmtrovaanagrafica.h"
#include "members/ui/photoview.h"
#include "storage/appdir.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr double ScreenScale = 7.0;  // pixels per millimetre of the card mock-up

const QList<std::pair<QString, QString>> Hints = {
    {"cmdNuovo", "Predispone la schermata per la visualizzazione di una nuova scheda."},
    {"cmdTrova", "Trova una scheda in archivio."},
    {"cmdAnteprima", "Visualizza l'anteprima di stampa del tesserino corrente."},
    {"cmdStampa", "Stampa il tesserino corrente."},
    {"cmdPrimo", "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
    {"btnCancFoto", "Cancella la foto corrente."},
    {"btnCancLogo", "Cancella il logo corrente."},
    {"imgLogo", "Fare clic per caricare il logo del proprio Ente o Associazione."},
    {"titAssociazione", "Fare clic per inserire i dati del proprio Ente o Associazione."},
    {"titSottotitolo01", "Fare clic per inserire i dati del proprio Ente o Associazione."},
    {"titSottotitolo02", "Fare clic per inserire i dati del proprio Ente o Associazione."},
    {"titAnnotazioni", "Fare clic per inserire i dati del proprio Ente o Associazione."},
    {"imgGuida", "Visualizza la pagina della guida sensibile al contesto."},
    {"imgEsci", "Esci da questa schermata di lavoro."},
};

const char* const Instructions[][2] = {
    {"lblInfo001", "Per richiamare i dati di un Socio dall'archivio, utilizzare il pulsante Trova o le frecce di "
                   "scorrimento delle schede. "},
    {"lblInfo002", "Inserire o modificare il logo e i dati dell'Ente o Associazione facendo clic su di essi."},
    {"lblInfo003", "Il logo e i dati testuali relativi all'Ente o Associazione sono salvati in automatico "
                   "all'uscita da questo ambiente di lavoro."},
};

}  // namespace

TfrmTessera::TfrmTessera(QWidget* parent)
    : QWidget(parent), m_browser(AppDir::filePath(QLatin1String(members::kFileName)), members::recordLayout())
{
    prepareWindow(this, QStringLiteral(" Norvalis 2.0 - Stampa tessera singola"));

    lblPosizione = positionLabel(this);
    panInfo = hintBarLabel(SingleCardReady, this);

    // The card with its two clear buttons under the photo and the logo.
    auto* stage = new QWidget(this);
    card = new CardView(QString(), ScreenScale, stage);
    card->move(0, 0);
    card->setEditable(true);
    const auto clearButton = [stage](const char* name, const QString& tip) {
        auto* b = pictureButton(QLatin1String(name), QStringLiteral(":/icons/gomma.svg"), QSize(22, 22), tip, stage);
        b->setAutoRaise(false);
        return b;
    };
    QToolButton* btnCancFoto = clearButton("btnCancFoto", QStringLiteral("Cancella foto"));
    QToolButton* btnCancLogo = clearButton("btnCancLogo", QStringLiteral("Cancella logo"));
    const int below = card->height() + 8;
    btnCancFoto->move(card->imgFoto->geometry().center().x() - btnCancFoto->sizeHint().width() / 2, below);
    btnCancLogo->move(card->imgLogo->geometry().center().x() - btnCancLogo->sizeHint().width() / 2, below);
    stage->setFixedSize(card->width(), below + btnCancFoto->sizeHint().height() + 2);

    QFrame* info = infoPanel(QStringLiteral("panIstruzioni"), 320, this);
    auto* infoColumn = new QVBoxLayout(info);
    infoColumn->setContentsMargins(16, 16, 16, 16);
    infoColumn->setSpacing(14);
    for (const auto& [name, text] : Instructions) {
        auto* l = new QLabel(QString::fromUtf8(text), info);
        l->setObjectName(QLatin1String(name));
        l->setWordWrap(true);
        infoColumn->addWidget(l);
    }
    infoColumn->addStretch();

    auto* body = new QHBoxLayout;
    body->setContentsMargins(24, 24, 24, 24);
    body->setSpacing(32);
    body->addStretch(1);
    body->addWidget(stage, 0, Qt::AlignVCenter);
    body->addWidget(info, 0, Qt::AlignVCenter);
    body->addStretch(1);

    stackScreen(this, buildToolbar(), body, panInfo);

    m_hints = new HintBar(panInfo, this);
    m_hints->add(Hints);

    browse = new BrowseController(this, m_browser, lblPosizione,
                                  {[this] { clearMember(); }, [this](int position) { showPhoto(position); }, {}, {}});
    const auto button = [this](const char* name) { return findChild<QToolButton*>(QLatin1String(name)); };
    browse->connectToolbar();
    connect(button("cmdTrova"), &QToolButton::clicked, this, &TfrmTessera::cmdTrovaClick);
    connect(button("cmdAnteprima"), &QToolButton::clicked, this, &TfrmTessera::cmdAnteprimaClick);
    connect(button("cmdStampa"), &QToolButton::clicked, this, &TfrmTessera::cmdStampaClick);
    connect(button("imgGuida"), &QToolButton::clicked, this, &TfrmTessera::imgGuidaClick);
    connect(button("imgEsci"), &QToolButton::clicked, this, &QWidget::close);
    connect(btnCancFoto, &QToolButton::clicked, this, &TfrmTessera::btnCancFotoClick);
    connect(btnCancLogo, &QToolButton::clicked, this, &TfrmTessera::btnCancLogoClick);
    connect(card, &CardView::logoClicked, this, &TfrmTessera::imgLogoClick);
    connect(card, &CardView::organizationClicked, this, &TfrmTessera::titClick);

    setMinimumSize(1100, 640);
    setWindowState(Qt::WindowMaximized);
}

QWidget* TfrmTessera::buildToolbar()
{
    ScreenToolbar bar(this);
    bar.add("cmdNuovo", "nuovo", QStringLiteral("Nuovo"));
    bar.add("cmdTrova", "trova", QStringLiteral("Trova"));
    bar.add("cmdAnteprima", "anteprima", QStringLiteral("Anteprima"));
    bar.add("cmdStampa", "stampa", QStringLiteral("Stampa"));
    bar.addStretch();
    bar.addBrowseArrows(lblPosizione);
    bar.addStretch();
    bar.add("imgGuida", "guida", QStringLiteral("Guida"));
    bar.add("imgEsci", "esci", QStringLiteral("Esci"));
    return bar.frame();
}

void TfrmTessera::clearMember()
{
    Cards::CardFace placeholders;
    placeholders.setMemberPlaceholders();
    card->setMemberTexts(placeholders);
    card->setPhoto(Cards::placeholderPortrait());
}

void TfrmTessera::showPhoto(int position)
{
    // The texts as the archive holds them, trimmed.
    Cards::CardFace shown = card->face();
    shown.setMember(FormBinding::read(this, members::recordLayout()));
    card->setMemberTexts(shown);
    const QImage photo = members::loadPhoto(position);
    card->setPhoto(photo.isNull() ? Cards::placeholderPortrait() : photo);
}

void TfrmTessera::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    browse->newRecord();
    card->setOrganization(Cards::loadOrganization());
    const QImage logo = Cards::loadLogo();
    card->setLogo(logo.isNull() ? Cards::placeholderLogo() : logo);
    panInfo->setText(SingleCardReady);
}

void TfrmTessera::closeEvent(QCloseEvent* event)
{
    // Losing what the user typed without a word would be worse than a message.
    if (!Cards::saveOrganization(card->organization()))
        Ui::error(this, OrganizationNotSaved);
    if (!Cards::saveLogo(card->imgLogo->image()))
        card->setLogo(Cards::placeholderLogo());
    event->accept();
    if (frmAvvio)
        frmAvvio->show();
}

void TfrmTessera::cmdTrovaClick()
{
    TfrmTrovaAnagrafica::open(this, QStringLiteral("tessera"));
}

void TfrmTessera::cmdAnteprimaClick()
{
    TfrmAnteprimaTessera window(this, [this] { return card->face(); });
    Ui::runModal(window);
}

void TfrmTessera::cmdStampaClick()
{
    TfrmStampaTessera window(this, [this] { return card->face(); });
    Ui::runModal(window);
}

void TfrmTessera::btnCancFotoClick()
{
    card->setPhoto(Cards::dotPicture());
}

void TfrmTessera::btnCancLogoClick()
{
    card->setLogo(Cards::dotPicture());
}

void TfrmTessera::imgLogoClick()
{
    const QString chosen = Services::fileDialogs().openFile(
        this, members::OpenPhotoTitle, members::OpenPhotoFilter);
    if (chosen.isEmpty())
        return;
    const QImage logo = members::readPicture(chosen);
    card->setLogo(logo.isNull() ? Cards::placeholderLogo() : logo);
}

void TfrmTessera::titClick()
{
    TfrmDatiEnte window(this);
    window.lblMemory->setText(QStringLiteral("tessera"));
    window.setTexts(card->organization().trimmed());
    Ui::runModal(window);
}

void TfrmTessera::imgGuidaClick()
{
    showHelp(this, QStringLiteral("tessera"));
}

Cards::CardFace currentSingleCard()
{
    if (!frmTessera) {
        Cards::CardFace face;
        face.setMemberPlaceholders();
        return face;
    }
    return frmTessera->card->face();
}
