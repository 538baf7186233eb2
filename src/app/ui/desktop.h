#pragma once
// What the whole desktop program shares beyond single windows: the keyboard
// conventions of the desktop its users come from, a visible focus mark on
// buttons, and one report for any failure that reaches the event loop.

#include <QApplication>

#include <exception>

namespace Desktop {

// Makes `window` one of the program's own: installs, once per application,
// the key handling that makes Enter click the focused push or tool button
// and the style that marks a focused button, and, whenever the window is
// shown, takes the default-button role from its push buttons, so that Enter
// in a field keeps the meaning the field gives it. Every window calls it
// when it is made (through prepareWindow).
void adopt(QWidget* window);

// Loads Qt's own Italian texts (file, print and message dialogs); false
// when the system has none.
bool installTranslations();

// Shows a failure that no window caught: an error box "Attenzione: " + the
// failure's text over the active window. The program goes on.
void reportFailure(const std::exception_ptr& failure);

}  // namespace Desktop

// The program's application object: every event handler's uncaught
// exception ends in Desktop::reportFailure instead of ending the program.
class NorvalisApplication : public QApplication {
public:
    NorvalisApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
