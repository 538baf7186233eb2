#include "app/ui/frmmenuregistro.h"

#include "app/dates.h"
#include "app/shellrules.h"
#include "app/ui/formkit.h"
#include "app/ui/frmavvio.h"
#include "app/ui/frmguida.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "shifts/ui/frmsettimanale.h"
#include "shifts/ui/frmturni.h"
#include "shifts/shiftrecords.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QFrame* yearPanel(QWidget* parent, const QString& heading, const QString& icon, QLineEdit* year, QPushButton* open)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("panAnno"));
    panel->setStyleSheet(QStringLiteral("#panAnno { background: #F3F6FA; border: 1px solid #CFD8E3; border-radius: 10px; }"));
    auto* pictureLabel = new QLabel(panel);
    pictureLabel->setPixmap(picture(icon, QSize(180, 120)));
    pictureLabel->setAlignment(Qt::AlignCenter);
    pictureLabel->setStyleSheet(QStringLiteral("background: transparent;"));
    auto* title = new QLabel(heading, panel);
    title->setFont(QFont(QStringLiteral("Arial"), 14, QFont::Bold));
    title->setStyleSheet(QStringLiteral("color: #1F4E79; background: transparent;"));
    title->setAlignment(Qt::AlignCenter);
    auto* label = new QLabel(QStringLiteral("Anno:"), panel);
    label->setFont(QFont(QStringLiteral("Verdana"), 12));
    label->setStyleSheet(QStringLiteral("background: transparent;"));

    year->setMaxLength(4);
    year->setAlignment(Qt::AlignCenter);
    year->setFont(QFont(QStringLiteral("Verdana"), 14, QFont::Bold));
    year->setFixedSize(110, 38);
    open->setMinimumSize(100, 38);
    open->setAutoDefault(false);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(label);
    row->addWidget(year);
    row->addSpacing(10);
    row->addWidget(open);
    row->addStretch();
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(30, 20, 30, 26);
    layout->setSpacing(14);
    layout->addWidget(pictureLabel);
    layout->addWidget(title);
    layout->addLayout(row);
    panel->setFixedWidth(380);
    return panel;
}

}  // namespace

TfrmMenuRegistro::TfrmMenuRegistro(QWidget* parent) : QWidget(parent)
{
    prepareWindow(this, QStringLiteral(" Norvalis 2.0 - Calendario Turni"));

    txtAnnoFatture = new QLineEdit(this);
    txtAnnoFatture->setObjectName(QStringLiteral("txtAnnoFatture"));
    btnApriFatture = new QPushButton(QStringLiteral("Apri"), this);
    btnApriFatture->setObjectName(QStringLiteral("btnApriFatture"));
    txtAnnoSet = new QLineEdit(this);
    txtAnnoSet->setObjectName(QStringLiteral("txtAnnoSet"));
    btnApriAnnoSet = new QPushButton(QStringLiteral("Apri"), this);
    btnApriAnnoSet->setObjectName(QStringLiteral("btnApriAnnoSet"));
    lblMemory = new QLabel(QStringLiteral("avvio"), this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    imgGuida = pictureButton(QStringLiteral("imgGuida"), QStringLiteral(":/icons/guida.svg"), QSize(40, 40),
                             QStringLiteral("Guida"), this);
    imgEsci = pictureButton(QStringLiteral("imgEsci"), QStringLiteral(":/icons/esci.svg"), QSize(40, 40),
                            QStringLiteral("Torna al menu principale"), this);

    auto* heading = new QLabel(QStringLiteral("Calendario Turni"), this);
    heading->setFont(QFont(QStringLiteral("Arial"), 24, QFont::Bold));
    heading->setStyleSheet(QStringLiteral("color: #1F4E79;"));
    auto* explanation = new QLabel(QStringLiteral("In questo ambiente è possibile effettuare una programmazione dei "
                                                  "turni di lavoro in base a un calendario giornaliero oppure "
                                                  "settimanale."),
                                   this);
    explanation->setWordWrap(true);
    explanation->setFont(QFont(QStringLiteral("Verdana"), 12));
    explanation->setAlignment(Qt::AlignCenter);

    auto* top = new QHBoxLayout;
    top->addWidget(heading);
    top->addStretch();
    top->addWidget(imgGuida);
    top->addWidget(imgEsci);

    auto* panels = new QHBoxLayout;
    panels->addStretch();
    panels->addWidget(yearPanel(this, QStringLiteral("Programmazione turni giornaliera:"),
                                QStringLiteral(":/icons/area_orari.svg"), txtAnnoFatture, btnApriFatture));
    panels->addSpacing(40);
    panels->addWidget(yearPanel(this, QStringLiteral("Programmazione turni settimanale:"),
                                QStringLiteral(":/icons/area_turni.svg"), txtAnnoSet, btnApriAnnoSet));
    panels->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 20, 32, 32);
    layout->addLayout(top);
    layout->addStretch(1);
    layout->addWidget(explanation);
    layout->addSpacing(30);
    layout->addLayout(panels);
    layout->addStretch(2);

    for (QLineEdit* year : {txtAnnoFatture, txtAnnoSet})
        year->installEventFilter(this);
    connect(btnApriFatture, &QPushButton::clicked, this, &TfrmMenuRegistro::btnApriFattureClick);
    connect(btnApriAnnoSet, &QPushButton::clicked, this, &TfrmMenuRegistro::btnApriAnnoSetClick);
    connect(imgGuida, &QToolButton::clicked, this, [this] { showHelp(this, QStringLiteral("menuregistro")); });
    connect(imgEsci, &QToolButton::clicked, this, &QWidget::close);
    setMinimumSize(900, 600);
    setWindowState(Qt::WindowMaximized);
}

void TfrmMenuRegistro::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    const QString year = YearChoice::yearText(Clock::today());
    txtAnnoFatture->setText(year);
    txtAnnoSet->setText(year);
    lblMemory->setText(QStringLiteral("avvio"));
    txtAnnoFatture->setFocus();
}

void TfrmMenuRegistro::open(QLineEdit* year, const char* extension, const char* route)
{
    if (!YearChoice::acceptable(year->text())) {
        Ui::warning(this, YearChoice::YearWarning);
        year->setFocus();
        return;
    }
    m_archive = YearChoice::archivePath(year->text(), extension);
    m_caption = YearChoice::screenCaption(year->text());
    lblMemory->setText(QLatin1String(route));
    close();
}

void TfrmMenuRegistro::btnApriFattureClick()
{
    open(txtAnnoFatture, shifts::kDailyExtension, "registro");
}

void TfrmMenuRegistro::btnApriAnnoSetClick()
{
    open(txtAnnoSet, shifts::kWeeklyExtension, "settimanale");
}

void TfrmMenuRegistro::closeEvent(QCloseEvent* event)
{
    event->accept();
    ShiftScreen* screen = nullptr;
    if (lblMemory->text() == QLatin1String("registro"))
        screen = frmTurni;
    else if (lblMemory->text() == QLatin1String("settimanale"))
        screen = frmSettimanale;
    if (screen) {
        screen->setArchive(m_archive, m_caption);
        screen->show();
    } else if (frmAvvio) {
        frmAvvio->show();
    }
}

bool TfrmMenuRegistro::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == txtAnnoFatture || watched == txtAnnoSet) && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            (watched == txtAnnoFatture ? btnApriFatture : btnApriAnnoSet)->setFocus();
            return true;
        }
        return DigitKeys::discards(key);
    }
    return QWidget::eventFilter(watched, event);
}
