#include "members/ui/photopanel.h"

#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "members/memberphoto.h"
#include "members/ui/frmwebcam.h"
#include "members/ui/frmzoom.h"
#include "members/ui/photoview.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr QSize ToolIcon(26, 26);
}

PhotoPanel::PhotoPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("panFoto"));

    imgFoto = new PhotoView(QStringLiteral("imgFoto"), this);
    imgFoto->setFixedSize(FrameSize);
    imgFoto->setStyleSheet(QStringLiteral("QLabel { background: #FFFFFF; border: 1px solid #9AA5B1; }"));

    btnSfoglia = new QPushButton(QStringLiteral("Carica foto"), this);
    btnSfoglia->setObjectName(QStringLiteral("btnSfoglia"));
    btnSfoglia->setFixedSize(FrameSize.width(), 28);
    btnSfoglia->setAutoDefault(false);
    btnSfoglia->setToolTip(QStringLiteral("Carica la foto del tesserato dal tuo disco fisso."));

    btnWebcam = pictureButton(QStringLiteral("btnWebcam"), QStringLiteral(":/icons/webcam.svg"), ToolIcon,
                              QStringLiteral("Scatta la foto del tesserato con la tua WebCam."), this);
    btnSalvaFoto = pictureButton(QStringLiteral("btnSalvaFoto"), QStringLiteral(":/icons/salva.svg"), ToolIcon,
                                 QStringLiteral("Salva una copia della foto su disco."), this);
    btnZoom = pictureButton(QStringLiteral("btnZoom"), QStringLiteral(":/icons/zoom.svg"), ToolIcon,
                            QStringLiteral("Visualizza la foto a tutto schermo."), this);
    btnCancFoto = pictureButton(QStringLiteral("btnCancFoto"), QStringLiteral(":/icons/gomma.svg"), ToolIcon,
                                QStringLiteral("Cancella la foto corrente."), this);

    auto* tools = new QHBoxLayout;
    tools->setContentsMargins(0, 0, 0, 0);
    tools->setSpacing(0);
    tools->addStretch();
    for (QToolButton* b : {btnWebcam, btnSalvaFoto, btnZoom, btnCancFoto}) {
        b->setFixedSize(38, 34);
        tools->addWidget(b);
    }
    tools->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(imgFoto);
    layout->addWidget(btnSfoglia);
    layout->addLayout(tools);
    setFixedSize(sizeHint());

    connect(btnSfoglia, &QPushButton::clicked, this, &PhotoPanel::btnSfogliaClick);
    connect(btnWebcam, &QToolButton::clicked, this, &PhotoPanel::btnWebcamClick);
    connect(btnSalvaFoto, &QToolButton::clicked, this, &PhotoPanel::btnSalvaFotoClick);
    connect(btnZoom, &QToolButton::clicked, this, &PhotoPanel::btnZoomClick);
    connect(btnCancFoto, &QToolButton::clicked, this, &PhotoPanel::btnCancFotoClick);

    clearPhoto();
}

QImage PhotoPanel::blankPicture()
{
    static const QImage blank = [] {
        // Twice the frame, so that it stays crisp when printed on a card.
        QImage image(FrameSize * 2, QImage::Format_RGB32);
        image.fill(QColor(0xE6, 0xEA, 0xEE));
        QSvgRenderer renderer(QStringLiteral(":/icons/foto_vuota.svg"));
        if (renderer.isValid()) {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            QSizeF drawn = renderer.defaultSize();
            drawn.scale(QSizeF(image.size()), Qt::KeepAspectRatioByExpanding);
            renderer.render(&painter, QRectF(QPointF((image.width() - drawn.width()) / 2,
                                                     (image.height() - drawn.height()) / 2),
                                             drawn));
        }
        return image;
    }();
    return blank;
}

void PhotoPanel::clearPhoto()
{
    m_blank = true;
    imgFoto->setImage(blankPicture());
}

void PhotoPanel::setPhoto(const QImage& photo)
{
    if (photo.isNull()) {
        clearPhoto();
        return;
    }
    m_blank = false;
    imgFoto->setImage(photo);
}

QImage PhotoPanel::photo() const
{
    return imgFoto->image();
}

void PhotoPanel::showRecordPhoto(int position)
{
    setPhoto(members::loadPhoto(position));
}

void PhotoPanel::writeRecordPhoto(int position)
{
    if (!members::writePhoto(position, photo()))
        clearPhoto();
}

bool PhotoPanel::saveCopy(QWidget* parent, const QImage& picture)
{
    const QString chosen = Services::fileDialogs().saveFile(parent, members::SavePhotoTitle, members::SavePhotoFilter,
                                                            members::SavePhotoName, members::SavePhotoExtension);
    if (chosen.isEmpty())
        return true;
    const QString path = members::withJpegExtension(chosen);
    if (QFileInfo::exists(path) && !Ui::question(parent, members::OverwritePhotoQuestion))
        return true;
    return members::saveJpeg(path, picture);
}

void PhotoPanel::btnSfogliaClick()
{
    const QString chosen = Services::fileDialogs().openFile(this, members::OpenPhotoTitle, members::OpenPhotoFilter);
    if (chosen.isEmpty())
        return;
    setPhoto(members::readPicture(chosen));
}

void PhotoPanel::btnWebcamClick()
{
    TfrmWebCam webcam(this, window());
    Ui::runModal(webcam);
}

void PhotoPanel::btnSalvaFotoClick()
{
    if (!saveCopy(this, photo()))
        clearPhoto();
}

void PhotoPanel::btnZoomClick()
{
    TfrmZoom zoom(photo(), window());
    Ui::runModal(zoom);
}

void PhotoPanel::btnCancFotoClick()
{
    clearPhoto();
}
