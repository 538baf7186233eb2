#include "cards/ui/cardview.h"

#include "members/ui/photoview.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The screen's name of a layout text: the organization's texts are "tit...".
QString screenName(const QString& objectName)
{
    for (const Cards::FaceText& t : Cards::FaceTexts)
        if (t.organization && objectName == QLatin1String(t.object))
            return QStringLiteral("tit") + objectName.mid(3);
    return objectName;
}

}  // namespace

CardView::CardView(const QString& suffix, double pixelsPerMm, QWidget* parent)
    : QWidget(parent), m_suffix(suffix), m_scale(pixelsPerMm)
{
    setObjectName(QStringLiteral("card") + suffix);
    setFixedSize(qRound(Cards::CardWidthMm * m_scale) + 1, qRound(Cards::CardHeightMm * m_scale) + 1);
    for (const Report::Object& o : Cards::cardObjects(Cards::CardStyle::SinglePreview)) {
        switch (o.kind) {
        case Report::ObjectKind::Rectangle:
            m_shapes.push_back(o);
            break;
        case Report::ObjectKind::Picture: {
            auto* view = new PhotoView(o.name + suffix, this);
            view->setGeometry(place(o.box));
            view->setImage(o.picture);
            (o.name == QLatin1String("imgFoto") ? imgFoto : imgLogo) = view;
            break;
        }
        case Report::ObjectKind::Text: {
            auto* label = new QLabel(o.text, this);
            label->setObjectName(screenName(o.name) + suffix);
            label->setGeometry(place(o.box));
            QFont font(o.fontName);
            font.setPixelSize(std::max(6, qRound(o.pointSize * 25.4 / 72.0 * m_scale)));
            font.setBold(o.bold);
            label->setFont(font);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, o.colour);
            label->setPalette(palette);
            const Qt::Alignment across = o.hAlign == Report::HAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
            const Qt::Alignment down = o.vAlign == Report::VAlign::Centre ? Qt::AlignVCenter : Qt::AlignTop;
            label->setAlignment(across | down);
            label->setWordWrap(false);
            if (label->objectName().startsWith(QLatin1String("tit"))
                && !label->objectName().startsWith(QLatin1String("titData"))) {
                label->setProperty("designText", o.text);
                m_organizationTexts << label;
            }
            break;
        }
        case Report::ObjectKind::Line:
            break;
        }
    }
}

QRect CardView::place(const QRectF& box) const
{
    const double left = (Report::toMm(box.left()) - Cards::CardLeftMm) * m_scale;
    const double top = (Report::toMm(box.top()) - Cards::CardTopMm) * m_scale;
    return QRectF(left, top, Report::toMm(box.width()) * m_scale, Report::toMm(box.height()) * m_scale)
        .toAlignedRect();
}

QLabel* CardView::text(const QString& name) const
{
    return findChild<QLabel*>(name + m_suffix, Qt::FindDirectChildrenOnly);
}

Cards::CardFace CardView::face() const
{
    Cards::CardFace face;
    face.logo = imgLogo->image();
    face.photo = imgFoto->image();
    for (const Cards::FaceText& t : Cards::FaceTexts)
        face.*t.text = text(screenName(QLatin1String(t.object)))->text();
    return face;
}

void CardView::setFace(const Cards::CardFace& face)
{
    for (const Cards::FaceText& t : Cards::FaceTexts)
        text(screenName(QLatin1String(t.object)))->setText(face.*t.text);
    setLogo(face.logo);
    setPhoto(face.photo);
}

Cards::Organization CardView::organization() const
{
    const Cards::CardFace f = face();
    return {f.association, f.subtitle1, f.subtitle2, f.note};
}

void CardView::setOrganization(const Cards::Organization& organization)
{
    Cards::CardFace f;
    f.setOrganization(organization);
    for (const Cards::FaceText& t : Cards::FaceTexts)
        if (t.organization)
            text(screenName(QLatin1String(t.object)))->setText(f.*t.text);
}

void CardView::setMemberTexts(const Cards::CardFace& face)
{
    for (const Cards::FaceText& t : Cards::FaceTexts)
        if (!t.organization)
            text(QLatin1String(t.object))->setText(face.*t.text);
}

void CardView::setLogo(const QImage& logo)
{
    imgLogo->setImage(logo);
}

void CardView::setPhoto(const QImage& photo)
{
    imgFoto->setImage(photo);
}

void CardView::setEditable(bool editable)
{
    m_editable = editable;
    update();
    QList<QWidget*> clickable(m_organizationTexts.begin(), m_organizationTexts.end());
    clickable << imgLogo;
    for (QWidget* w : clickable) {
        if (editable) {
            w->installEventFilter(this);
            w->setCursor(Qt::PointingHandCursor);
        } else {
            w->removeEventFilter(this);
            w->unsetCursor();
        }
    }
}

bool CardView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        auto* w = static_cast<QWidget*>(watched);
        if (!w->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            return false;
        if (w == imgLogo)
            emit logoClicked();
        else
            emit organizationClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const Report::Object& shape : m_shapes) {
        const QRect r = place(shape.box);
        painter.fillRect(r, shape.fill.isValid() ? shape.fill : QColor(Qt::white));
        painter.setPen(QPen(shape.outline, 1));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
    // Where the organization's texts are still empty, a faint reminder of
    // what goes there, so that the user sees what to click.
    if (!m_editable)
        return;
    for (const QLabel* label : m_organizationTexts) {
        if (!label->text().isEmpty())
            continue;
        QFont font = label->font();
        font.setItalic(true);
        painter.setFont(font);
        painter.setPen(QColor(255, 255, 255, 110));
        painter.drawText(label->geometry(), int(label->alignment()), label->property("designText").toString());
    }
}
