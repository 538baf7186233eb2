#include "app/ui/frmavvio.h"

#include "app/dates.h"
#include "app/ui/formkit.h"
#include "app/ui/frmguida.h"
#include "app/ui/frminfo.h"
#include "app/ui/frmmenuregistro.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "cards/ui/frmtessera.h"
#include "cards/ui/frmtessere.h"
#include "deadlines/ui/frmscadenzario.h"
#include "hours/ui/frmorari.h"
#include "members/ui/frmanagrafica.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The header band: the banner picture stretched behind the title and the purpose line.
class Banner : public QWidget {
public:
    explicit Banner(QWidget* parent) : QWidget(parent) { setFixedHeight(112); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawPixmap(rect(), picture(QStringLiteral(":/icons/banner.svg"), size(), Qt::IgnoreAspectRatio));
    }
};

}  // namespace

TfrmAvvio::TfrmAvvio(QWidget* parent) : QWidget(parent)
{
    prepareWindow(this, QStringLiteral(" Norvalis 2.0"));
    setStyleSheet(QStringLiteral(
        "QPushButton[area=\"true\"] { background: #1F4E79; color: white; border: none; border-radius: 4px;"
        "  font: bold 11pt 'Arial'; padding: 8px 10px; }"
        "QPushButton[area=\"true\"]:hover { background: #2E8B8B; }"
        "QPushButton[area=\"true\"]:focus { background: #E8871E; }"
        "QPushButton[area=\"true\"]:disabled { background: #B9C3CE; color: #EEF1F4; }"
        "QToolButton[area=\"true\"] { border: 1px solid transparent; border-radius: 8px; }"
        "QToolButton[area=\"true\"]:hover { border: 1px solid #CFD8E3; background: #F5F8FB; }"
        "QToolButton[area=\"true\"]:focus { border: 2px dotted #E8871E; }"));

    auto* banner = new Banner(this);
    auto* title = new QLabel(QStringLiteral("Norvalis 2.0"), banner);
    title->setFont(QFont(QStringLiteral("Arial"), 26, QFont::Bold));
    title->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    auto* purpose = new QLabel(QStringLiteral("Stampa delle tessere di riconoscimento, archivio dei soci, "
                                              "controllo delle scadenze di pagamento e gestione dei turni di lavoro."),
                               banner);
    purpose->setObjectName(QStringLiteral("lblSottotitolo"));
    purpose->setFont(QFont(QStringLiteral("Arial"), 11));
    purpose->setWordWrap(true);
    purpose->setStyleSheet(QStringLiteral("color: #EAF2F8; background: transparent;"));

    const QSize iconSize(40, 40);
    auto* imgGuida = pictureButton(QStringLiteral("imgGuida"), QStringLiteral(":/icons/guida.svg"), iconSize,
                                   QStringLiteral("Guida"), banner);
    auto* imgInfo = pictureButton(QStringLiteral("imgInfo"), QStringLiteral(":/icons/info.svg"), iconSize,
                                  QStringLiteral("Informazioni"), banner);
    auto* imgCopyright = pictureButton(QStringLiteral("imgCopyright"), QStringLiteral(":/icons/copyright.svg"),
                                       iconSize, QStringLiteral("Crediti"), banner);
    auto* imgEsci = pictureButton(QStringLiteral("imgEsci"), QStringLiteral(":/icons/esci.svg"), iconSize,
                                  QStringLiteral("Esci dal programma"), banner);

    auto* titles = new QVBoxLayout;
    titles->addStretch();
    titles->addWidget(title);
    titles->addWidget(purpose);
    titles->addStretch();
    auto* bannerLayout = new QHBoxLayout(banner);
    bannerLayout->setContentsMargins(32, 0, 24, 0);
    bannerLayout->addLayout(titles, 1);
    for (QToolButton* b : {imgGuida, imgInfo, imgCopyright, imgEsci})
        bannerLayout->addWidget(b);

    const Area areas[] = {
        {"imgAnagrafica", "btnAnagrafica", "ARCHIVIO SOCI", "area_anagrafica",
         []() -> QWidget* { return frmAnagrafica; }},
        {"imgTessera", "btnTessera", "STAMPA TESSERA SINGOLA", "area_tessera",
         []() -> QWidget* { return frmTessera; }},
        {"imgTessere", "btnTessere", "STAMPA PIU' TESSERE", "area_tessere",
         []() -> QWidget* { return frmTessere; }},
        {"imgScadenzario", "btnScadenzario", "SCADENZARIO PAGAMENTI", "area_scadenzario",
         []() -> QWidget* { return frmScadenzario; }},
        {"imgRegistro", "btnRegistro", "IMPOSTAZIONE ORARI", "area_orari", []() -> QWidget* { return frmOrari; }},
        {"imgRiepilogo", "btnRiepilogo", "CALENDARIO TURNI", "area_turni",
         []() -> QWidget* { return frmMenuRegistro; }},
    };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(40);
    grid->setVerticalSpacing(28);
    for (int i = 0; i < 6; ++i)
        grid->addWidget(makeArea(areas[i]), i / 3, i % 3, Qt::AlignCenter);

    auto* icoSito = new QToolButton(this);
    icoSito->setObjectName(QStringLiteral("icoSito"));
    icoSito->setAutoRaise(true);
    icoSito->setCursor(Qt::PointingHandCursor);
    icoSito->setToolTip(Maker::WebSite);
    icoSito->setIconSize(QSize(1200, 40));
    icoSito->setIcon(QIcon(picture(QStringLiteral(":/icons/sito.svg"), QSize(1200, 40))));
    icoSito->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(banner);
    layout->addStretch(1);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(icoSito, 0, Qt::AlignHCenter);

    connect(imgGuida, &QToolButton::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(imgInfo, &QToolButton::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(imgCopyright, &QToolButton::clicked, this, &TfrmAvvio::imgCopyrightClick);
    connect(imgEsci, &QToolButton::clicked, this, &TfrmAvvio::imgEsciClick);
    connect(icoSito, &QToolButton::clicked, this, [this] { TMisc::Open(Maker::WebSite, this); });
    setMinimumSize(1000, 700);
    setWindowState(Qt::WindowMaximized);
}

QWidget* TfrmAvvio::makeArea(const Area& area)
{
    auto* box = new QWidget(this);
    auto* picture = pictureButton(QLatin1String(area.picture), QStringLiteral(":/icons/%1.svg").arg(area.icon),
                                  QSize(240, 160), QString(), box);
    picture->setProperty("area", true);
    auto* bar = new QPushButton(QLatin1String(area.text), box);
    bar->setObjectName(QLatin1String(area.bar));
    bar->setProperty("area", true);
    bar->setCursor(Qt::PointingHandCursor);
    bar->setFixedWidth(256);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(bar, 0, Qt::AlignHCenter);

    const auto open = [this, screen = area.screen] { openArea(screen()); };
    connect(picture, &QToolButton::clicked, this, open);
    connect(bar, &QPushButton::clicked, this, open);
    return box;
}

void TfrmAvvio::openArea(QWidget* screen)
{
    if (!screen)
        return;
    screen->show();
    hide();
}

void TfrmAvvio::imgGuidaClick()
{
    showHelp(this, QStringLiteral("avvio"));
}

void TfrmAvvio::imgInfoClick()
{
    TfrmInfo info(this);
    Ui::runModal(info);
}

void TfrmAvvio::imgCopyrightClick()
{
    TfrmSplash splash(this);
    Ui::runModal(splash);
}

void TfrmAvvio::imgEsciClick()
{
    close();
}

void TfrmAvvio::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The keyboard starts on the first area: Enter opens it, Tab walks the others.
    if (auto* first = findChild<QPushButton*>(QStringLiteral("btnAnagrafica")))
        first->setFocus(Qt::OtherFocusReason);
}

void TfrmAvvio::closeEvent(QCloseEvent* event)
{
    event->accept();
    QApplication::quit();
}
