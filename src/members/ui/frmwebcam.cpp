#include "members/ui/frmwebcam.h"

#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "members/memberphoto.h"
#include "members/ui/photopanel.h"
#include "members/ui/photoview.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
    label->setStyleSheet(QStringLiteral("color: #1F4E79;"));
    return label;
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setMinimumHeight(30);
    return b;
}

}  // namespace

TfrmWebCam::TfrmWebCam(PhotoPanel* target, QWidget* parent)
    : QDialog(parent), m_target(target), m_relay(this, [this](const QImage& frame) { imgCamera->setImage(frame); })
{
    prepareWindow(this, QStringLiteral(" Cattura foto con webcam"), Frame::NoBorderIcons);

    imgCamera = new PhotoView(QStringLiteral("imgCamera"), this);
    imgCamera->setStyleSheet(QStringLiteral("QLabel { background: #23272B; color: #9AA5B1; border: 1px solid #111; }"));
    imgCamera->setPlaceholder(QStringLiteral("Webcam spenta"));
    imgTarget = new PhotoView(QStringLiteral("imgTarget"), this);
    imgTarget->setStyleSheet(QStringLiteral("QLabel { background: #EEF1F4; color: #7A8691; border: 1px solid #9AA5B1; }"));
    imgTarget->setPlaceholder(QStringLiteral("Nessuna foto catturata"));
    for (PhotoView* view : {imgCamera, imgTarget}) {
        view->setFixedSize(ViewSize);
        view->setFont(QFont(QStringLiteral("Verdana"), 10));
    }

    btnAccendi = button(QStringLiteral("btnAccendi"), QStringLiteral("Accendi webcam"), this);
    btnSpegni = button(QStringLiteral("btnSpegni"), QStringLiteral("Spegni webcam"), this);
    btnCattura = button(QStringLiteral("btnCattura"), QStringLiteral("Cattura foto"), this);
    btnSalvaFotogramma = button(QStringLiteral("btnSalvaFotogramma"), QStringLiteral("Salva foto su disco"), this);
    btnImportaFoto = button(QStringLiteral("btnImportaFoto"), QStringLiteral("Importa foto in scheda"), this);
    btnClose = button(QStringLiteral("btnClose"), QStringLiteral("Annulla"), this);
    btnClose->setMinimumWidth(110);

    auto* liveButtons = new QHBoxLayout;
    liveButtons->setSpacing(6);
    for (QPushButton* b : {btnAccendi, btnSpegni, btnCattura})
        liveButtons->addWidget(b);
    auto* takenButtons = new QHBoxLayout;
    takenButtons->setSpacing(6);
    for (QPushButton* b : {btnSalvaFotogramma, btnImportaFoto})
        takenButtons->addWidget(b);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(8);
    grid->addWidget(caption(QStringLiteral("Immagine della webcam"), this), 0, 0);
    grid->addWidget(caption(QStringLiteral("Foto catturata"), this), 0, 1);
    grid->addWidget(imgCamera, 1, 0);
    grid->addWidget(imgTarget, 1, 1);
    grid->addLayout(liveButtons, 2, 0);
    grid->addLayout(takenButtons, 2, 1);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setStyleSheet(QStringLiteral("color: #D5DBE1;"));

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btnClose);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addLayout(grid);
    layout->addWidget(rule);
    layout->addLayout(bottom);
    setFixedSize(sizeHint());

    connect(btnAccendi, &QPushButton::clicked, this, &TfrmWebCam::btnAccendiClick);
    connect(btnSpegni, &QPushButton::clicked, this, &TfrmWebCam::btnSpegniClick);
    connect(btnCattura, &QPushButton::clicked, this, &TfrmWebCam::btnCatturaClick);
    connect(btnSalvaFotogramma, &QPushButton::clicked, this, &TfrmWebCam::btnSalvaFotogrammaClick);
    connect(btnImportaFoto, &QPushButton::clicked, this, &TfrmWebCam::btnImportaFotoClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmWebCam::btnCloseClick);
}

TfrmWebCam::~TfrmWebCam()
{
    stopCamera();
}

void TfrmWebCam::btnAccendiClick()
{
    if (m_camera)
        return;
    std::unique_ptr<CameraSource> camera = Camera::create();
    connect(camera.get(), &CameraSource::frameReady, camera.get(),
            [this](const QImage& frame) { m_relay.deliver(frame); }, Qt::DirectConnection);
    m_relay.open();
    if (!camera->start()) {
        m_relay.close();
        camera.reset();
        Ui::warning(this, members::NoCameraWarning);
        return;
    }
    m_camera = std::move(camera);
}

void TfrmWebCam::stopCamera()
{
    if (!m_camera)
        return;
    // The relay first: a camera thread waiting on a frame is let go, so
    // stopping can wait for that thread.
    m_relay.close();
    m_camera->stop();
    m_camera.reset();
}

void TfrmWebCam::btnSpegniClick()
{
    stopCamera();
}

void TfrmWebCam::btnCatturaClick()
{
    imgTarget->setImage(imgCamera->image());
}

void TfrmWebCam::btnSalvaFotogrammaClick()
{
    if (!PhotoPanel::saveCopy(this, imgTarget->image()))
        imgTarget->setImage(PhotoPanel::blankPicture());
}

void TfrmWebCam::btnImportaFotoClick()
{
    stopCamera();
    if (m_target)
        m_target->setPhoto(imgTarget->image());
    accept();
}

void TfrmWebCam::btnCloseClick()
{
    stopCamera();
    reject();
}

void TfrmWebCam::done(int result)
{
    stopCamera();
    QDialog::done(result);
}

void TfrmWebCam::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centre(this, parentWidget() ? parentWidget()->window() : nullptr);
}

void TfrmWebCam::closeEvent(QCloseEvent* event)
{
    stopCamera();
    QDialog::closeEvent(event);
}
