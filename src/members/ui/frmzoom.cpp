#include "members/ui/frmzoom.h"

#include "app/ui/formkit.h"
#include "members/ui/photoview.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

TfrmZoom::TfrmZoom(const QImage& photo, QWidget* parent) : QDialog(parent)
{
    prepareWindow(this, QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"), Frame::Normal,
                  Background::Default);

    panFoto = new QFrame(this);
    panFoto->setObjectName(QStringLiteral("panFoto"));
    panFoto->setStyleSheet(QStringLiteral("QFrame#panFoto { background: #2B2F33; }"));
    panFoto->setCursor(Qt::PointingHandCursor);
    imgFoto = new PhotoView(QStringLiteral("imgFoto"), panFoto);
    imgFoto->setImage(photo);

    auto* inner = new QVBoxLayout(panFoto);
    inner->setContentsMargins(8, 8, 8, 8);
    inner->addWidget(imgFoto);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panFoto);

    const QScreen* shown = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize panel = panelSizeFor(shown ? shown->geometry().size() : QSize(1024, 768));
    panFoto->setFixedSize(panel);
    setFixedSize(panel);

    panFoto->installEventFilter(this);
    imgFoto->installEventFilter(this);
}

QSize TfrmZoom::panelSizeFor(QSize screen)
{
    return QSize(qMax(1, screen.width() - 60), qMax(1, screen.height() - 90));
}

bool TfrmZoom::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == panFoto || watched == imgFoto) && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmZoom::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centre(this);
}
