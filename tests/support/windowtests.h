#pragma once
// Small helpers of the window tests.

#include <QString>
#include <QWidget>
#include <QtTest>

// Shows the window and waits until it is the active one (focus tests need it).
inline void activate(QWidget* window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Saves a picture of the window when NORVALIS_SHOTS names a folder; a
// maximised window is pictured as on a laptop screen of 1366 x 768.
inline void shot(QWidget* window, const QString& name)
{
    const QString dir = qEnvironmentVariable("NORVALIS_SHOTS");
    if (dir.isEmpty())
        return;
    if (window->windowState() & Qt::WindowMaximized) {
        window->setWindowState(Qt::WindowNoState);
        window->resize(1366, 740);
    }
    window->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}
