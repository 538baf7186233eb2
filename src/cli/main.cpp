#include "cli/commands.h"
#include "storage/appdir.h"

#include <QGuiApplication>

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
    // The card PDFs need fonts, hence a GUI application; without a chosen
    // platform it draws off screen, so the tool needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(quietStart);
    QGuiApplication app(argc, argv);
    // The same name as the desktop program's, for the same user data folder.
    QGuiApplication::setApplicationName(QLatin1String(AppDir::ApplicationName));
    qInstallMessageHandler(defaultHandler);
    return cli::run(app.arguments().mid(1), stdout, stderr);
}
