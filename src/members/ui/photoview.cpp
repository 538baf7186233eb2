#include "members/ui/photoview.h"

#include <QPixmap>
#include <QResizeEvent>

PhotoView::PhotoView(const QString& objectName, QWidget* parent) : QLabel(parent)
{
    setObjectName(objectName);
    setAlignment(Qt::AlignCenter);
}

// The frame decides the size, never the picture in it.
QSize PhotoView::sizeHint() const
{
    return QSize(160, 120);
}

QSize PhotoView::minimumSizeHint() const
{
    return QSize(1, 1);
}

void PhotoView::setImage(const QImage& image)
{
    m_image = image;
    redraw();
}

void PhotoView::setPlaceholder(const QString& text)
{
    m_placeholder = text;
    redraw();
}

void PhotoView::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    redraw();
}

void PhotoView::redraw()
{
    if (m_image.isNull()) {
        setText(m_placeholder);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize room = contentsRect().size() * ratio;
    if (room.isEmpty()) {
        clear();
        return;
    }
    QPixmap shown = QPixmap::fromImage(m_image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    shown.setDevicePixelRatio(ratio);
    setPixmap(shown);
}
