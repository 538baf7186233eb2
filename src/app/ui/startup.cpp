#include "app/ui/startup.h"

#include "app/backup.h"
#include "app/dates.h"
#include "app/password.h"
#include "app/ui/frmpassword.h"
#include "app/ui/desktop.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "storage/appdir.h"
#include "storage/folderlock.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <cstdio>

bool startOnDataFolder(const DataFolderLock& lock)
{
    switch (lock.state()) {
    case DataFolderLock::State::InUse:
        Ui::warning(nullptr, lock.refusal());
        return false;
    case DataFolderLock::State::Unavailable:
        Ui::warning(nullptr, lock.refusal());
        return true;
    case DataFolderLock::State::Held:
        break;
    }
    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Backup::Daily daily = Backup::makeDaily(Clock::today(), &error);
    QApplication::restoreOverrideCursor();
    if (daily == Backup::Daily::Failed)
        Ui::warning(nullptr, Backup::dailyFailureMessage(error));
    return true;
}

int runDesktop(int argc, char* argv[])
{
    NorvalisApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(AppDir::ApplicationName));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/norvalis.svg")));
    // The run ends when the login window or the main menu is closed, not when
    // the last visible window goes (screens hide and show one another).
    QApplication::setQuitOnLastWindowClosed(false);
    Dates::applyProcessSettings();
    Desktop::installTranslations();

    AppDir::Placement placed;
    if (!AppDir::initialise(QApplication::arguments().mid(1), QApplication::applicationDirPath(), &placed)) {
        std::fprintf(stderr, "norvalis: impossibile creare la cartella dei dati %s\n", qPrintable(AppDir::path()));
        return 1;
    }
    // The user's own folder of an installed program gets the first-access
    // password file as the build puts one beside the programs.
    QString error;
    if (placed.userFolder && !PasswordFile::installFirstAccess(AppDir::path(), &error))
        Ui::warning(nullptr, QStringLiteral("Attenzione: non \u00E8 stato possibile scrivere il file della password "
                                            "nella cartella dei dati %1 (%2).")
                                 .arg(QDir::toNativeSeparators(AppDir::path()), error));

    const DataFolderLock lock;
    if (!startOnDataFolder(lock))
        return 1;

    createWindows();
    frmPassword->show();
    const int status = app.exec();
    destroyWindows();
    return status;
}
