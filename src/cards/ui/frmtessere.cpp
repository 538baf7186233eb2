#include "cards/ui/frmtessere.h"

#include "app/ui/formkit.h"
#include "app/ui/frmavvio.h"
#include "app/ui/frmguida.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "cards/cardpictures.h"
#include "cards/ui/cardprint.h"
#include "cards/ui/cardview.h"
#include "cards/ui/frmtessera.h"
#include "members/memberphoto.h"
#include "members/ui/frmtrovaanagrafica.h"
#include "members/ui/photoview.h"
#include "output/searchhandback.h"
#include "app/ui/browsecontroller.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Pixels per millimetre of each mock-up: three rows of cards with their
// buttons fit a laptop screen of 768 lines under a title bar.
constexpr double SheetScale = 2.9;

QString numbered(const char* stem, int slot)
{
    return QLatin1String(stem) + QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString sheetCallerKey(int slot)
{
    return numbered("tessere_", slot);
}

TfrmTessere::TfrmTessere(QWidget* parent) : QWidget(parent)
{
    prepareWindow(this, QStringLiteral(" Norvalis 2.0 - Stampa pi\u00F9 tessere"));

    lblPosizione = new QLabel(this);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->hide();

    ScreenToolbar bar(this);
    bar.add("cmdNuovo", "nuovo", QStringLiteral("Nuovo"));
    bar.add("cmdAnteprima", "anteprima", QStringLiteral("Anteprima"));
    bar.add("cmdStampa", "stampa", QStringLiteral("Stampa"));
    bar.addStretch();
    bar.add("imgGuida", "guida", QStringLiteral("Guida"));
    bar.add("imgEsci", "esci", QStringLiteral("Esci"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(4);
    for (int slot = 1; slot <= Cards::SheetSlots; ++slot) {
        auto* view = new CardView(Cards::slotSuffix(slot), SheetScale, this);
        cards << view;
        auto* import = new QPushButton(QStringLiteral("Importa dati tesserino %1").arg(slot), this);
        import->setObjectName(numbered("btnImporta", slot));
        import->setIcon(QIcon(picture(QStringLiteral(":/icons/trova.svg"), QSize(16, 16))));
        import->setCursor(Qt::PointingHandCursor);
        connect(import, &QPushButton::clicked, this, [this, slot] { btnImportaClick(slot); });
        const int row = (slot - 1) / 3 * 2, column = (slot - 1) % 3;
        grid->addWidget(view, row, column, Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(import, row + 1, column, Qt::AlignHCenter | Qt::AlignTop);
        grid->setRowMinimumHeight(row + 1, 34);
    }

    // The side panel: the instruction, the nine clear buttons and the eraser.
    QFrame* side = infoPanel(QStringLiteral("panComandi"), 230, this);
    auto* instruction = new QLabel(QStringLiteral("Importare i dati delle tessere dall'archivio dei Soci, quindi "
                                                  "premere il pulsante per l'anteprima o per la stampa su fogli A4."),
                                   side);
    instruction->setObjectName(QStringLiteral("lblIstruzioni"));
    instruction->setWordWrap(true);
    auto* clearHeading = new QLabel(QStringLiteral("Cancella tessera n."), side);
    clearHeading->setStyleSheet(QStringLiteral("font: bold 10pt 'Verdana';"));
    auto* clearGrid = new QGridLayout;
    clearGrid->setSpacing(6);
    for (int slot = 1; slot <= Cards::SheetSlots; ++slot) {
        auto* clear = new QToolButton(side);
        clear->setObjectName(numbered("cmdCancella", slot));
        clear->setText(QString::number(slot));
        clear->setIcon(QIcon(picture(QStringLiteral(":/icons/gomma.svg"), QSize(16, 16))));
        clear->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        clear->setToolTip(QStringLiteral("Cancella la tessera %1").arg(slot));
        clear->setFixedSize(56, 30);
        clear->setCursor(Qt::PointingHandCursor);
        connect(clear, &QToolButton::clicked, this, [this, slot] { clearSlot(slot); });
        clearGrid->addWidget(clear, (slot - 1) / 3, (slot - 1) % 3);
    }
    QToolButton* icoGomma = pictureButton(QStringLiteral("icoGomma"), QStringLiteral(":/icons/gomma.svg"),
                                          QSize(72, 72), QStringLiteral("Cancella tutte le tessere"), side);
    auto* sideColumn = new QVBoxLayout(side);
    sideColumn->setContentsMargins(14, 14, 14, 14);
    sideColumn->setSpacing(12);
    sideColumn->addWidget(instruction);
    sideColumn->addSpacing(8);
    sideColumn->addWidget(clearHeading);
    sideColumn->addLayout(clearGrid);
    sideColumn->addSpacing(8);
    sideColumn->addWidget(icoGomma, 0, Qt::AlignHCenter);
    sideColumn->addStretch();

    auto* body = new QHBoxLayout;
    body->setContentsMargins(18, 8, 18, 8);
    body->setSpacing(22);
    body->addStretch(1);
    body->addLayout(grid);
    body->addWidget(side);
    body->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar.frame());
    layout->addStretch(1);
    layout->addLayout(body);
    layout->addStretch(1);

    const auto button = [this](const char* name) { return findChild<QToolButton*>(QLatin1String(name)); };
    connect(button("cmdNuovo"), &QToolButton::clicked, this, &TfrmTessere::cmdNuovoClick);
    connect(icoGomma, &QToolButton::clicked, this, &TfrmTessere::icoGommaClick);
    connect(button("cmdAnteprima"), &QToolButton::clicked, this, &TfrmTessere::cmdAnteprimaClick);
    connect(button("cmdStampa"), &QToolButton::clicked, this, &TfrmTessere::cmdStampaClick);
    connect(button("imgGuida"), &QToolButton::clicked, this, &TfrmTessere::imgGuidaClick);
    connect(button("imgEsci"), &QToolButton::clicked, this, &QWidget::close);

    setMinimumSize(1100, 640);
    setWindowState(Qt::WindowMaximized);
}

QList<Cards::CardFace> TfrmTessere::faces() const
{
    QList<Cards::CardFace> all;
    for (const CardView* view : cards)
        all << view->face();
    return all;
}

void TfrmTessere::importMember(int slot, int position, const Record& member)
{
    CardView* view = cards.value(slot - 1);
    if (!view)
        return;
    Cards::CardFace face;
    face.setMember(member);
    view->setMemberTexts(face);
    lblPosizione->setText(QString::number(position));
    const QImage photo = members::loadPhoto(position);
    view->setPhoto(photo.isNull() ? Cards::placeholderPortrait() : photo);
}

void TfrmTessere::clearSlot(int slot)
{
    CardView* view = cards.value(slot - 1);
    if (!view)
        return;
    view->setMemberTexts(Cards::CardFace());
    view->setPhoto(Cards::placeholderPortrait());
    lblPosizione->clear();
}

void TfrmTessere::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    Cards::CardFace face;
    face.setMemberPlaceholders();
    face.setOrganization(Cards::loadOrganization());
    face.photo = Cards::placeholderPortrait();
    const QImage logo = Cards::loadLogo();
    face.logo = logo.isNull() ? Cards::placeholderLogo() : logo;
    for (CardView* view : cards)
        view->setFace(face);
    lblPosizione->clear();
}

void TfrmTessere::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (frmAvvio)
        frmAvvio->show();
}

void TfrmTessere::btnImportaClick(int slot)
{
    TfrmTrovaAnagrafica::open(this, sheetCallerKey(slot));
}

void TfrmTessere::cmdNuovoClick()
{
    for (int slot = 1; slot <= Cards::SheetSlots; ++slot)
        clearSlot(slot);
}

void TfrmTessere::icoGommaClick()
{
    if (Ui::question(this, ClearSheetQuestion))
        cmdNuovoClick();
}

void TfrmTessere::cmdAnteprimaClick()
{
    TfrmAnteprimaTessere window(this, [this] { return faces(); });
    Ui::runModal(window);
}

void TfrmTessere::cmdStampaClick()
{
    TfrmStampaTessere window(this, [this] { return faces(); });
    Ui::runModal(window);
}

void TfrmTessere::imgGuidaClick()
{
    showHelp(this, QStringLiteral("tessere"));
}

QList<Cards::CardFace> currentSheet()
{
    if (frmTessere)
        return frmTessere->faces();
    Cards::CardFace face;
    face.setMemberPlaceholders();
    return QList<Cards::CardFace>(Cards::SheetSlots, face);
}

void registerCardSearchReceivers()
{
    SearchHandBack::registerReceiver(TfrmTrovaAnagrafica::route(QStringLiteral("tessera")), [](int position, const Record&) {
        if (frmTessera)
            frmTessera->browse->showAt(position);
    });
    for (int slot = 1; slot <= Cards::SheetSlots; ++slot)
        SearchHandBack::registerReceiver(TfrmTrovaAnagrafica::route(sheetCallerKey(slot)),
                                         [slot](int position, const Record& member) {
                                             if (frmTessere)
                                                 frmTessere->importMember(slot, position, member);
                                         });
}
