#pragma once
// Every window of the program over a fresh data folder holding the
// first-access password file, with the desktop services replaced by doubles.
// Made in a test's init() and dropped in its cleanup().

#include "app/dates.h"
#include "app/password.h"
#include "app/ui/frmavvio.h"
#include "app/ui/windows.h"
#include "storage/appdir.h"
#include "support/uidoubles.h"

#include <QAbstractButton>
#include <QObject>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class ProgramWindows {
public:
    QTemporaryDir dir;
    std::unique_ptr<UiDoubles> ui;
    bool ready = false;  // the password file is in place

    ProgramWindows()
    {
        AppDir::set(dir.path());
        ready = PasswordFile::installFirstAccess(dir.path());
        ui = std::make_unique<UiDoubles>();
        createWindows();
    }
    ~ProgramWindows()
    {
        destroyWindows();
        ui.reset();
        Clock::set({});
    }
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;
};

// The base of the tests that work on the program's windows: each test
// function gets them afresh.
class ProgramWindowsTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<ProgramWindows> m_program;
    QTemporaryDir* m_dir = nullptr;
    UiDoubles* m_ui = nullptr;

    // The text of the last message box shown; empty when none was.
    QString lastMessage() const
    {
        return m_ui->messages->shown.isEmpty() ? QString() : m_ui->messages->shown.last().text;
    }
    // Clicks the button `name` of `window`, which must be there and enabled.
    static void click(QWidget* window, const char* name)
    {
        auto* b = window->findChild<QAbstractButton*>(QLatin1String(name));
        QVERIFY2(b && b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // The main menu's bar `bar` opens `screen` and hides the menu; the screen is then the active window.
    static void openArea(const char* bar, QWidget* screen)
    {
        frmAvvio->show();
        frmAvvio->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frmAvvio));
        click(frmAvvio, bar);
        QVERIFY(screen->isVisible());
        QVERIFY(!frmAvvio->isVisible());
        screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen));
    }

protected slots:
    void init()
    {
        // A picture the windows cannot find is a fault, not a blank space.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("Cannot open file|Cannot read file")));
        m_program = std::make_unique<ProgramWindows>();
        QVERIFY(m_program->ready);
        m_dir = &m_program->dir;
        m_ui = m_program->ui.get();
    }
    void cleanup() { m_program.reset(); }
};
