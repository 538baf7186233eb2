#pragma once
// The pieces every screen is made of: the hint bar, the yellow focus
// highlights, the Enter chain, links and picture buttons.

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QToolButton>

#include <functional>
#include <initializer_list>

class QKeyEvent;
class QComboBox;
class QLineEdit;

class QFrame;
class QHBoxLayout;
class QLayout;

// Writes a control's one-line hint into the screen's hint bar when the mouse
// is over it; the background (and anything without a hint) empties the bar.
class HintBar : public QObject {
    Q_OBJECT
public:
    HintBar(QLabel* panInfo, QWidget* background);
    void add(QWidget* control, const QString& hint);
    // Looks the controls up by objectName under the background.
    void add(const QList<std::pair<QString, QString>>& hints);
    QString hintFor(QWidget* control) const { return m_hints.value(control); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showHintAt(QWidget* widget);

    QPointer<QLabel> m_bar;
    QWidget* m_background;
    QHash<QWidget*, QString> m_hints;
};

// A yellow rectangle behind a field, visible only while the field has the
// focus. Made as a sibling of the field named "eff" + `name`, kept around
// the field when it moves or resizes.
class FocusHighlight : public QObject {
    Q_OBJECT
public:
    static QFrame* attach(QWidget* field, const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FocusHighlight(QWidget* field, QFrame* frame);
    void follow();

    QWidget* m_field;
    QFrame* m_frame;
};

// Enter (or Return) in one of the named controls moves the focus to the next
// one; the last one's Enter goes back to the first.
class EnterChain : public QObject {
    Q_OBJECT
public:
    // Throws std::invalid_argument when a name is not found under `window`.
    static EnterChain* install(QWidget* window, const QStringList& names);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit EnterChain(QWidget* window) : QObject(window) {}
    QList<QWidget*> m_chain;
};

// Key filter of the digits-only fields: digits, Backspace, Delete, Left and
// Right pass; Enter and Return pass on to whoever moves the focus; every
// other key (Tab, Home, End, letters) is discarded.
class DigitKeys : public QObject {
    Q_OBJECT
public:
    // `alsoAccepted`: characters taken besides the digits (the comma of an amount).
    static void install(QWidget* field, const QString& alsoAccepted = {});
    // True for a key press such a field discards.
    static bool discards(const QKeyEvent* key, const QString& alsoAccepted = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DigitKeys(QObject* parent, QString alsoAccepted) : QObject(parent), m_also(std::move(alsoAccepted)) {}
    QString m_also;
};

// The keys of a read-only date field that the date picker fills: Backspace
// and Delete empty it, Tab and the modifier keys pass, any other key (Enter
// included) opens the picker through `open` and is not typed. Install it
// after the screen's Enter chain, so that it sees the keys first.
class PickerKeys : public QObject {
    Q_OBJECT
public:
    static void install(QLineEdit* field, std::function<void()> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PickerKeys(QLineEdit* field, std::function<void()> open);
    std::function<void()> m_open;
};

// An editable drop-down the user can only choose from: typed keys are
// discarded (Enter and Tab pass on, F4 and Alt+Down open the list) and a
// text that is not exactly one of its items is cleared when the focus leaves.
class ListOnly : public QObject {
    Q_OBJECT
public:
    static void install(QComboBox* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

// Rewrites an edit field's text after every keystroke (trimming,
// upper-casing), keeping the cursor where it was.
void normaliseOnEdit(QLineEdit* field, std::function<QString(const QString&)> rule);

// An underlined link: orange while the mouse is pressed on it, dark blue
// otherwise; emits clicked() on release over it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setColour(const char* colour);
};

// The band of a work screen's toolbar: a light gradient closed by an orange
// line; its tool buttons in Verdana 8 pt.
QFrame* toolbarBand(QWidget* parent);

// The picture toolbar at the top of a work screen: buttons with their
// caption under the icon, on a light band closed by an orange line.
class ScreenToolbar {
public:
    explicit ScreenToolbar(QWidget* parent);
    struct Tool {
        const char* objectName;
        const char* icon;
        const char* caption;  // UTF-8
    };
    // A data screen's whole toolbar from its table: the tools `before`, the
    // browse arrows around `position` between two stretches, the tools `after`.
    static QFrame* browseBar(QWidget* parent, std::initializer_list<Tool> before, QLabel* position,
                             std::initializer_list<Tool> after);
    QFrame* frame() const { return m_frame; }
    // A button named `objectName` with the picture ":/icons/<icon>.svg".
    QToolButton* add(const char* objectName, const char* icon, const QString& caption);
    // cmdPrimo, cmdIndietro, the position label, cmdAvanti, cmdUltimo.
    void addBrowseArrows(QLabel* position);
    void addWidget(QWidget* widget);
    void addStretch();

private:
    QFrame* m_frame;
    QHBoxLayout* m_row;
};

// A work screen's three bands, top to bottom: the toolbar, the body, which
// takes the room left, and the hint bar.
void stackScreen(QWidget* screen, QWidget* toolbar, QLayout* body, QLabel* hintBar);
// The hint bar `panInfo` at the foot of a screen, showing `text` first.
QLabel* hintBarLabel(const QString& text, QWidget* parent);
// `lblPosizione`, the record position between a data screen's browse arrows.
QLabel* positionLabel(QWidget* parent);
// The style sheet of a data screen: its sections as light rounded frames
// with a title, its labels in Verdana.
QString dataScreenStyle();

// The light, rounded panel of instructions and small commands beside a
// screen's content.
QFrame* infoPanel(const QString& objectName, int width, QWidget* parent);

// A flat button showing a picture from the resources (":/icons/name.svg").
QToolButton* pictureButton(const QString& objectName, const QString& icon, QSize size, const QString& toolTip,
                           QWidget* parent = nullptr);
// A pixmap of an SVG picture at the given size (crisp on any screen),
// centred in it with its proportions kept, or stretched to fill it.
QPixmap picture(const QString& icon, QSize size, Qt::AspectRatioMode mode = Qt::KeepAspectRatio);

enum class Frame { Normal, NoBorderIcons };
enum class Background { White, Default };
// What every window does when it is made: the process-wide date and number
// settings, its caption, its title-bar buttons and its background.
void prepareWindow(QWidget* window, const QString& caption, Frame frame = Frame::Normal,
                   Background background = Background::White);
// The head of a dialog: a picture (":/icons/name.svg", 40 x 40) beside a
// few lines that say what the dialog does.
QHBoxLayout* dialogIntro(const QString& icon, const QString& text, QWidget* parent);

// The band with the product's logo at the top of the help, about and credits windows.
QLabel* logoBand(QWidget* parent, QSize logoSize);

// The control `control` of the window whose objectName is `window` (the
// screens a caller key names); nullptr when that window or control is missing.
template <typename Control>
Control* windowControl(const QString& window, const QString& control)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == window)
            if (auto* c = top->findChild<Control*>(control))
                return c;
    return nullptr;
}

// Centres a top-level window on the screen, or on `over` when given.
void centre(QWidget* window, const QWidget* over = nullptr);
// Turns off the title-bar buttons: the window can only be closed by its own controls.
void removeBorderIcons(QWidget* window);
