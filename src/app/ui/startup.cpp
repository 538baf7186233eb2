#include "app/ui/startup.h"

#include "app/dates.h"
#include "app/ui/frmpassword.h"
#include "app/ui/desktop.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "storage/appdir.h"

#include <QApplication>

#include <cstdio>

int runDesktop(int argc, char* argv[])
{
    NorvalisApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Norvalis"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    // The run ends when the login window or the main menu is closed, not when
    // the last visible window goes (screens hide and show one another).
    QApplication::setQuitOnLastWindowClosed(false);
    Dates::applyProcessSettings();
    Desktop::installTranslations();

    if (!AppDir::initialise(QApplication::arguments().mid(1), QApplication::applicationDirPath())) {
        std::fprintf(stderr, "norvalis: impossibile creare la cartella dei dati %s\n", qPrintable(AppDir::path()));
        return 1;
    }

    createWindows();
    frmPassword->show();
    const int status = app.exec();
    destroyWindows();
    return status;
}
