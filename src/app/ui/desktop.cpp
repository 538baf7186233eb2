#include "app/ui/desktop.h"

#include "app/ui/services.h"

#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>
#include <QToolButton>

namespace {

const char* const Installed = "norvalisDesktop";
const char* const OwnWindow = "norvalisWindow";

// Draws an orange frame around a tool button that has the keyboard focus;
// the base style marks only push buttons.
class FocusMarkStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control == CC_ToolButton && (option->state & State_HasFocus) && (option->state & State_Enabled))
            drawMark(painter, option->rect);
    }

    static void drawMark(QPainter* painter, const QRect& rect)
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        QPen pen(QColor(0xE8, 0x87, 0x1E), 2);
        pen.setStyle(Qt::DotLine);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
        painter->restore();
    }
};

bool isEnter(const QKeyEvent* key)
{
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    return mods == Qt::NoModifier;
}

// The push buttons of an own window never act as a dialog's default button.
void plainButtons(QWidget* window)
{
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        // Buttons of dialogs this window opens belong to them.
        if (button->window() != window)
            continue;
        button->setDefault(false);
        button->setAutoDefault(false);
    }
}

// Enter on a focused button clicks it, as Space does; a button that opens
// a menu opens it.
class ButtonKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event))) {
            auto* button = qobject_cast<QAbstractButton*>(watched);
            const bool clickable = qobject_cast<QPushButton*>(watched) || qobject_cast<QToolButton*>(watched);
            // Key presses reach the focused widget only: a button seeing
            // one is the focused button.
            if (button && clickable) {
                if (button->isEnabled() && button->isVisible()) {
                    auto* tool = qobject_cast<QToolButton*>(button);
                    if (tool && tool->menu() && tool->popupMode() == QToolButton::InstantPopup)
                        tool->showMenu();
                    else
                        button->click();
                }
                return true;
            }
        } else if (event->type() == QEvent::Show) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isWindow() && widget->property(OwnWindow).toBool())
                plainButtons(widget);
        }
        return QObject::eventFilter(watched, event);
    }
};

QString failureText(const std::exception_ptr& failure)
{
    try {
        if (failure)
            std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        const QString what = QString::fromUtf8(e.what()).trimmed();
        if (!what.isEmpty())
            return what;
    } catch (...) {
    }
    return QStringLiteral("errore imprevisto.");
}

}  // namespace

namespace Desktop {

void adopt(QWidget* window)
{
    window->setProperty(OwnWindow, true);
    if (!qApp || qApp->property(Installed).toBool())
        return;
    qApp->setProperty(Installed, true);
    qApp->installEventFilter(new ButtonKeys(qApp));
    QApplication::setStyle(new FocusMarkStyle(QApplication::style()->name()));
}

bool installTranslations()
{
    auto* translator = new QTranslator(qApp);
    if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QApplication::installTranslator(translator);
    return true;
}

void reportFailure(const std::exception_ptr& failure)
{
    QWidget* over = QApplication::activeModalWidget();
    if (!over)
        over = QApplication::activeWindow();
    Ui::error(over, QStringLiteral("Attenzione: ") + failureText(failure));
}

}  // namespace Desktop

NorvalisApplication::NorvalisApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool NorvalisApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        Desktop::reportFailure(std::current_exception());
        return false;
    }
}
