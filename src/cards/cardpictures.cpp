#include "cards/cardpictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace Cards {

QImage placeholderPortrait()
{
    static const QImage portrait = [] {
        QImage image(157, 174, QImage::Format_RGB32);
        image.fill(QColor(0xE4, 0xE9, 0xEF));
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xA7, 0xB4, 0xC3));
        // Head and shoulders.
        p.drawEllipse(QRectF(49, 30, 59, 66));
        QPainterPath shoulders;
        shoulders.moveTo(14, 174);
        shoulders.cubicTo(16, 128, 48, 108, 78.5, 108);
        shoulders.cubicTo(109, 108, 141, 128, 143, 174);
        shoulders.closeSubpath();
        p.drawPath(shoulders);
        p.setPen(QPen(QColor(0xC5, 0xCE, 0xD8), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1, 1, 155, 172));
        return image;
    }();
    return portrait;
}

QImage placeholderLogo()
{
    static const QImage logo = [] {
        QImage image(119, 118, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF centre(59.5, 59);
        p.setPen(QPen(QColor(0x1F, 0x3A, 0x6B), 4));
        p.setBrush(QColor(0xEE, 0xF2, 0xF8));
        p.drawEllipse(centre, 52, 52);
        p.setPen(QPen(QColor(0x1F, 0x3A, 0x6B), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 44, 44);
        // A five-pointed star in the middle.
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double radius = i % 2 ? 14.0 : 33.0;
            const double angle = -M_PI / 2 + i * M_PI / 5;
            const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
            i ? star.lineTo(point) : star.moveTo(point);
        }
        star.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xC8, 0x9B, 0x2C));
        p.drawPath(star);
        return image;
    }();
    return logo;
}

QImage dotPicture()
{
    QImage dot(2, 2, QImage::Format_RGB32);
    dot.fill(Qt::white);
    return dot;
}

}  // namespace Cards
