#include "app/ui/formkit.h"

#include "app/dates.h"
#include "app/ui/desktop.h"
#include "output/infosheet.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include <stdexcept>

HintBar::HintBar(QLabel* panInfo, QWidget* background)
    : QObject(background), m_bar(panInfo), m_background(background)
{
    background->setMouseTracking(true);
    background->installEventFilter(this);
}

void HintBar::add(QWidget* control, const QString& hint)
{
    m_hints.insert(control, hint);
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

void HintBar::add(const QList<std::pair<QString, QString>>& hints)
{
    for (const auto& [name, hint] : hints) {
        QWidget* control = m_background->findChild<QWidget*>(name);
        if (!control)
            throw std::invalid_argument("no control " + name.toStdString() + " for a hint");
        add(control, hint);
    }
}

void HintBar::showHintAt(QWidget* widget)
{
    if (!m_bar)
        return;
    // The nearest control with a hint at or above the widget under the mouse.
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (m_hints.contains(w)) {
            m_bar->setText(m_hints.value(w));
            return;
        }
        if (w == m_background)
            break;
    }
    m_bar->clear();
}

bool HintBar::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)) {
        if (m_hints.contains(widget)) {
            showHintAt(widget);
        } else if (widget == m_background && event->type() == QEvent::MouseMove) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            QWidget* under = m_background->childAt(at);
            showHintAt(under ? under : m_background);
        }
    }
    return QObject::eventFilter(watched, event);
}

FocusHighlight::FocusHighlight(QWidget* field, QFrame* frame) : QObject(field), m_field(field), m_frame(frame) {}

QFrame* FocusHighlight::attach(QWidget* field, const QString& name)
{
    auto* frame = new QFrame(field->parentWidget());
    frame->setObjectName(QStringLiteral("eff") + name);
    frame->setStyleSheet(QStringLiteral("background-color: #FFE94D; border: 1px solid #E0B800; border-radius: 3px;"));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->hide();
    auto* highlight = new FocusHighlight(field, frame);
    field->installEventFilter(highlight);
    highlight->follow();
    return frame;
}

void FocusHighlight::follow()
{
    // Layouts may move the field into another parent after the highlight is made.
    if (m_frame->parentWidget() != m_field->parentWidget())
        m_frame->setParent(m_field->parentWidget());
    m_frame->setGeometry(m_field->geometry().adjusted(-4, -4, 4, 4));
    m_frame->stackUnder(m_field);
}

bool FocusHighlight::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field) {
        switch (event->type()) {
        case QEvent::FocusIn:
            follow();
            m_frame->show();
            break;
        case QEvent::FocusOut:
            m_frame->hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ParentChange:
            follow();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

EnterChain* EnterChain::install(QWidget* window, const QStringList& names)
{
    auto* chain = new EnterChain(window);
    for (const QString& name : names) {
        QWidget* w = window->findChild<QWidget*>(name);
        if (!w)
            throw std::invalid_argument("no control " + name.toStdString() + " for the Enter chain");
        chain->m_chain << w;
        w->installEventFilter(chain);
    }
    return chain;
}

bool EnterChain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const qsizetype at = m_chain.indexOf(static_cast<QWidget*>(watched));
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && at >= 0) {
            m_chain.at((at + 1) % m_chain.size())->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void DigitKeys::install(QWidget* field, const QString& alsoAccepted)
{
    field->installEventFilter(new DigitKeys(field, alsoAccepted));
}

bool DigitKeys::discards(const QKeyEvent* key, const QString& alsoAccepted)
{
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return false;
    default:
        break;
    }
    const QString text = key->text();
    const bool accepted = text.size() == 1
                          && ((text.at(0) >= u'0' && text.at(0) <= u'9') || alsoAccepted.contains(text.at(0)))
                          && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    return !accepted;
}

bool DigitKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && discards(static_cast<QKeyEvent*>(event), m_also))
        return true;
    return QObject::eventFilter(watched, event);
}

PickerKeys::PickerKeys(QLineEdit* field, std::function<void()> open) : QObject(field), m_open(std::move(open)) {}

void PickerKeys::install(QLineEdit* field, std::function<void()> open)
{
    field->setReadOnly(true);
    field->installEventFilter(new PickerKeys(field, std::move(open)));
}

bool PickerKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        static_cast<QLineEdit*>(watched)->clear();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return false;
    default:
        m_open();
        return true;
    }
}

void ListOnly::install(QComboBox* list)
{
    list->installEventFilter(new ListOnly(list));
}

bool ListOnly::eventFilter(QObject* watched, QEvent* event)
{
    auto* list = qobject_cast<QComboBox*>(watched);
    if (list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_F4:
            return false;
        case Qt::Key_Down:
            return !(key->modifiers() & Qt::AltModifier);
        default:
            return true;
        }
    }
    if (list && event->type() == QEvent::FocusOut && list->findText(list->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        list->setEditText(QString());
    return QObject::eventFilter(watched, event);
}

void normaliseOnEdit(QLineEdit* field, std::function<QString(const QString&)> rule)
{
    QObject::connect(field, &QLineEdit::textEdited, field, [field, rule = std::move(rule)](const QString& text) {
        const QString normal = rule(text);
        if (normal == text)
            return;
        const int cursor = field->cursorPosition();
        field->setText(normal);
        field->setCursorPosition(std::min<int>(cursor, int(normal.size())));
    });
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setColour("#00008B");
}

void LinkLabel::setColour(const char* colour)
{
    setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(colour)));
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setColour("#FF8C00");
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    setColour("#00008B");
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

QPixmap picture(const QString& icon, QSize size, Qt::AspectRatioMode mode)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(icon);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QSizeF drawn = renderer.defaultSize();
        drawn.scale(QSizeF(pixmap.size()), mode);
        const QRectF target(QPointF((pixmap.width() - drawn.width()) / 2, (pixmap.height() - drawn.height()) / 2),
                            drawn);
        renderer.render(&painter, target);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QFrame* toolbarBand(QWidget* parent)
{
    auto* band = new QFrame(parent);
    band->setObjectName(QStringLiteral("panToolbar"));
    band->setStyleSheet(QStringLiteral(
        "#panToolbar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #E8EEF5);"
        "  border-bottom: 2px solid #E8871E; }"
        "QToolButton { font: 8pt 'Verdana'; color: #1F4E79; padding: 2px 4px; }"));
    return band;
}

ScreenToolbar::ScreenToolbar(QWidget* parent) : m_frame(toolbarBand(parent)), m_row(new QHBoxLayout(m_frame))
{
    m_row->setContentsMargins(10, 4, 10, 4);
    m_row->setSpacing(2);
}

QToolButton* ScreenToolbar::add(const char* objectName, const char* icon, const QString& caption)
{
    auto* b = pictureButton(QLatin1String(objectName), QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon)),
                            QSize(32, 32), QString(), m_frame);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setMinimumWidth(64);
    m_row->addWidget(b);
    return b;
}

QFrame* ScreenToolbar::browseBar(QWidget* parent, std::initializer_list<Tool> before, QLabel* position,
                                 std::initializer_list<Tool> after)
{
    ScreenToolbar bar(parent);
    for (const Tool& tool : before)
        bar.add(tool.objectName, tool.icon, QString::fromUtf8(tool.caption));
    bar.addStretch();
    bar.addBrowseArrows(position);
    bar.addStretch();
    for (const Tool& tool : after)
        bar.add(tool.objectName, tool.icon, QString::fromUtf8(tool.caption));
    return bar.frame();
}

void ScreenToolbar::addBrowseArrows(QLabel* position)
{
    add("cmdPrimo", "primo", QStringLiteral("Primo"));
    add("cmdIndietro", "indietro", QStringLiteral("Indietro"));
    addWidget(position);
    add("cmdAvanti", "avanti", QStringLiteral("Avanti"));
    add("cmdUltimo", "ultimo", QStringLiteral("Ultimo"));
}

void stackScreen(QWidget* screen, QWidget* toolbar, QLayout* body, QLabel* hintBar)
{
    auto* layout = new QVBoxLayout(screen);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addLayout(body, 1);
    layout->addWidget(hintBar);
}

QLabel* hintBarLabel(const QString& text, QWidget* parent)
{
    auto* bar = new QLabel(text, parent);
    bar->setObjectName(QStringLiteral("panInfo"));
    bar->setStyleSheet(QStringLiteral("background: white; border-top: 1px solid #CFD8E3; padding: 4px 10px;"
                                      "font: 12pt 'Tahoma';"));
    return bar;
}

QLabel* positionLabel(QWidget* parent)
{
    auto* position = new QLabel(parent);
    position->setObjectName(QStringLiteral("lblPosizione"));
    position->setAlignment(Qt::AlignCenter);
    position->setMinimumWidth(64);
    position->setStyleSheet(QStringLiteral("font: bold 14pt 'Arial'; color: #1F4E79;"));
    return position;
}

QString dataScreenStyle()
{
    return QStringLiteral(
        "QGroupBox { font: bold 10pt 'Arial'; color: #1F4E79; border: 1px solid #CFD8E3; border-radius: 6px;"
        "  margin-top: 10px; padding: 10px 8px 6px 8px; background: #F8FAFC; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }"
        "QLabel, QCheckBox { font: 9pt 'Verdana'; }");
}

QFrame* infoPanel(const QString& objectName, int width, QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(objectName);
    panel->setStyleSheet(QStringLiteral("#%1 { background: #F4F7FB; border: 1px solid #CFD8E3; border-radius: 6px; }"
                                        "QLabel { font: 10pt 'Verdana'; color: #1F3A6B; }")
                             .arg(objectName));
    panel->setFixedWidth(width);
    return panel;
}

void ScreenToolbar::addWidget(QWidget* widget)
{
    m_row->addWidget(widget);
}

void ScreenToolbar::addStretch()
{
    m_row->addStretch();
}

QToolButton* pictureButton(const QString& objectName, const QString& icon, QSize size, const QString& toolTip,
                           QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setIcon(QIcon(picture(icon, size)));
    button->setIconSize(size);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(toolTip);
    return button;
}

void prepareWindow(QWidget* window, const QString& caption, Frame frame, Background background)
{
    Dates::applyProcessSettings();
    Desktop::adopt(window);
    window->setWindowTitle(caption);
    if (frame == Frame::NoBorderIcons)
        removeBorderIcons(window);
    if (background == Background::White) {
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, Qt::white);
        window->setPalette(palette);
        window->setAutoFillBackground(true);
    }
}

QLabel* logoBand(QWidget* parent, QSize logoSize)
{
    auto* band = new QLabel(parent);
    band->setObjectName(QStringLiteral("imgBanda"));
    band->setPixmap(picture(QString::fromLatin1(InfoSheet::LogoResource), logoSize));
    band->setAlignment(Qt::AlignCenter);
    band->setStyleSheet(QStringLiteral("background: #F3F6FA; border-bottom: 2px solid #E8871E;"));
    band->setFixedHeight(logoSize.height() + 16);
    return band;
}

void centre(QWidget* window, const QWidget* over)
{
    const QRect area = over ? over->frameGeometry()
                            : (window->screen() ? window->screen()->availableGeometry() : QRect(0, 0, 1024, 768));
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

void removeBorderIcons(QWidget* window)
{
    window->setWindowFlags((window->windowFlags() & ~Qt::WindowCloseButtonHint & ~Qt::WindowMinMaxButtonsHint
                            & ~Qt::WindowSystemMenuHint)
                           | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

QHBoxLayout* dialogIntro(const QString& icon, const QString& text, QWidget* parent)
{
    auto* header = new QLabel(parent);
    header->setPixmap(picture(icon, QSize(40, 40)));
    auto* intro = new QLabel(text, parent);
    intro->setWordWrap(true);
    intro->setFont(QFont(QStringLiteral("Verdana"), 9));
    intro->setStyleSheet(QStringLiteral("color: #44505C;"));
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(header);
    row->addWidget(intro, 1);
    return row;
}
