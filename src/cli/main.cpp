#include "cli/commands.h"
#include "storage/appdir.h"

#include <QGuiApplication>

#include <memory>

namespace {

QtMessageHandler defaultHandler = nullptr;

// Qt looks into the session's runtime folder while it starts and, when the
// session names none (a service account, a build machine), says so on stderr
// before it falls back to a private folder. That note tells the user nothing
// about the command and would mix with its own messages: drop it.
void quietStart(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The card and sheet PDFs need fonts, hence a GUI application; without a
    // chosen platform it draws off screen, so the tool needs no display.
    // Every other command runs on a plain application.
    std::unique_ptr<QCoreApplication> app;
    defaultHandler = qInstallMessageHandler(quietStart);
    if (cli::drawsPages(arguments)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The same name as the desktop program's, for the same user data folder.
    QCoreApplication::setApplicationName(QLatin1String(AppDir::ApplicationName));
    qInstallMessageHandler(defaultHandler);
    return cli::run(QCoreApplication::arguments().mid(1), stdout, stderr);
}
