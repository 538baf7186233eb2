// The real program on a real X server with a window manager, driven by key
// presses and mouse clicks from outside: what the offscreen platform cannot
// show (first sizes after mapping, window manager focus, Enter on buttons).
// Needs Xvfb, openbox and xdotool; skipped when they are missing.

#include "app/password.h"
#include "app/ui/formkit.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <optional>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString g_display;
QList<pid_t> g_session;  // Xvfb, then openbox

bool waitFor(const std::function<bool()>& condition, int milliseconds = 15000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QThread::msleep(100);
    }
    return true;
}

// Started before the application object exists, so without QProcess.
pid_t spawn(const QStringList& command)
{
    QList<QByteArray> bytes;
    for (const QString& part : command)
        bytes << part.toLocal8Bit();
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int failed = posix_spawnp(&pid, argv.front(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? 0 : pid;
}

bool running(pid_t pid)
{
    return pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == 0;
}

// Starts Xvfb on a free display, then openbox on it; false when either is missing.
bool startSession()
{
    for (const char* tool : {"Xvfb", "openbox", "xdotool"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return false;
    int n = 150;
    while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
        ++n;
    g_display = QStringLiteral(":%1").arg(n);
    const pid_t xvfb = spawn({QStringLiteral("Xvfb"), g_display, QStringLiteral("-screen"), QStringLiteral("0"),
                              QStringLiteral("1366x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!xvfb)
        return false;
    g_session << xvfb;
    if (!waitFor([n] { return QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)); }, 10000))
        return false;
    qputenv("DISPLAY", g_display.toLatin1());
    const pid_t wm = spawn({QStringLiteral("openbox")});
    if (!wm)
        return false;
    g_session << wm;
    QThread::msleep(700);
    return running(wm);
}

void stopSession()
{
    for (auto it = g_session.rbegin(); it != g_session.rend(); ++it) {
        ::kill(*it, SIGTERM);
        ::waitpid(*it, nullptr, 0);
    }
    g_session.clear();
}

QString xdotool(const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), arguments);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// The visible window whose title matches `pattern` (a regular expression).
std::optional<QString> window(const QString& pattern)
{
    const QString ids = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), pattern});
    if (ids.isEmpty())
        return std::nullopt;
    return ids.split(QLatin1Char('\n')).constLast();
}

std::optional<QString> waitForWindow(const QString& pattern)
{
    std::optional<QString> found;
    waitFor([&] { return (found = window(pattern)).has_value(); });
    return found;
}

QRect geometry(const QString& id)
{
    QRect r;
    for (const QString& line : xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id}).split(QLatin1Char('\n'))) {
        const QStringList kv = line.split(QLatin1Char('='));
        if (kv.size() != 2)
            continue;
        const int v = kv.at(1).toInt();
        if (kv.at(0) == QLatin1String("X"))
            r.moveLeft(v);
        else if (kv.at(0) == QLatin1String("Y"))
            r.moveTop(v);
        else if (kv.at(0) == QLatin1String("WIDTH"))
            r.setWidth(v);
        else if (kv.at(0) == QLatin1String("HEIGHT"))
            r.setHeight(v);
    }
    return r;
}

QImage screenShot(const QString& name)
{
    const QImage image = QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    const QString dir = qEnvironmentVariable("NORVALIS_SHOTS");
    if (!dir.isEmpty())
        image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    return image;
}

// Where the picture `icon` (as the toolbars draw it, 32 x 32) lies on the
// screen within `area`: the place whose opaque pixels differ least.
QPoint findIcon(const QImage& screen, const QString& icon, const QRect& area)
{
    const QImage drawn = picture(icon, QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
    QList<QPoint> solid;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (qAlpha(drawn.pixel(x, y)) == 255)
                solid << QPoint(x, y);
    qint64 best = std::numeric_limits<qint64>::max();
    QPoint at;
    const QRect room = area.intersected(screen.rect());
    for (int top = room.top(); top + 32 <= room.bottom(); ++top)
        for (int left = room.left(); left + 32 <= room.right(); ++left) {
            qint64 cost = 0;
            for (const QPoint& p : solid) {
                const QRgb a = drawn.pixel(p), b = screen.pixel(left + p.x(), top + p.y());
                cost += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
                if (cost >= best)
                    break;
            }
            if (cost < best) {
                best = cost;
                at = QPoint(left + 16, top + 16);
            }
        }
    return at;
}

// The bounding box of the white pixels (a page) inside `area`.
QRect whiteBox(const QImage& screen, const QRect& area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((screen.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF)
                box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

class TestRealWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_data;
    QProcess m_program;

private slots:
    void initTestCase()
    {
        if (g_display.isEmpty())
            QSKIP("Xvfb, openbox or xdotool missing");
        QVERIFY(m_data.isValid());
        QVERIFY(PasswordFile::installFirstAccess(m_data.path()));
    }

    void cleanupTestCase()
    {
        if (m_program.state() != QProcess::NotRunning) {
            m_program.terminate();
            if (!m_program.waitForFinished(5000))
                m_program.kill();
        }
    }

    void memberSheetPreviewFromTheKeyboard()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), g_display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("NORVALIS_DATA_DIR"));
        m_program.setProcessEnvironment(env);
        m_program.setProcessChannelMode(QProcess::ForwardedChannels);
        m_program.start(QStringLiteral(NORVALIS_PROGRAM), {QStringLiteral("--data-dir"), m_data.path()});
        QVERIFY(m_program.waitForStarted());

        // Login: the password, Tab to OK, Enter on it.
        const auto login = waitForWindow(QStringLiteral("Accesso"));
        QVERIFY2(login, "the login window did not appear");
        xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), *login});
        QThread::msleep(300);
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), QStringLiteral("ravenquillotto")});
        xdotool({QStringLiteral("key"), QStringLiteral("Tab")});
        QThread::msleep(200);
        xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        const auto menu = waitForWindow(QStringLiteral("^ Norvalis 2.0$"));
        QVERIFY2(menu, "Enter on the focused OK did not open the main menu");

        // The main menu starts on the member archive: Enter opens it.
        QThread::msleep(500);
        xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        const auto members = waitForWindow(QStringLiteral("Archivio Soci"));
        QVERIFY2(members, "Enter on the focused area did not open the member screen");
        QThread::msleep(800);
        const QRect screenArea = geometry(*members);
        screenShot(QStringLiteral("real_members"));
        // (xdotool reports a framed window's position shifted by the title
        // bar; its size is exact.)
        QVERIFY2(screenArea.width() <= 1366 && screenArea.height() <= 768 - 18,
                 qPrintable(QStringLiteral("the member screen (%1,%2 %3x%4) runs off the screen")
                                .arg(screenArea.x()).arg(screenArea.y()).arg(screenArea.width()).arg(screenArea.height())));

        // The member sheet preview, from the toolbar.
        const QImage before = screenShot(QStringLiteral("real_members"));
        const QPoint button = findIcon(before, QStringLiteral(":/icons/anteprima.svg"),
                                       QRect(0, 0, 1366, 130));
        xdotool({QStringLiteral("mousemove"), QString::number(button.x()), QString::number(button.y())});
        xdotool({QStringLiteral("click"), QStringLiteral("1")});
        const auto preview = waitForWindow(QStringLiteral("Anteprima di stampa"));
        QVERIFY2(preview, "the preview did not open");
        QThread::msleep(1000);
        const QRect frame = geometry(*preview);
        QVERIFY2(frame.width() <= 1366 && frame.height() <= 768 - 18,
                 qPrintable(QStringLiteral("the preview (%1,%2 %3x%4) runs off the screen")
                                .arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
        const QImage shown = screenShot(QStringLiteral("real_preview"));
        // Below the preview's toolbar the page should fill most of the height.
        const QRect pages = frame.adjusted(0, 70, 0, 0);
        const QRect page = whiteBox(shown, pages);
        QVERIFY2(page.height() >= pages.height() * 0.8,
                 qPrintable(QStringLiteral("page %1x%2 in a viewport of %3x%4")
                                .arg(page.width()).arg(page.height()).arg(pages.width()).arg(pages.height())));

        // Escape closes the preview; the program goes on.
        xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
        QVERIFY(waitFor([&] { return !window(QStringLiteral("Anteprima di stampa")); }, 5000));
        QCOMPARE(m_program.state(), QProcess::Running);
    }
};

int main(int argc, char* argv[])
{
    if (startSession())
        qputenv("QT_QPA_PLATFORM", "xcb");
    else
        g_display.clear();
    int status = 0;
    {
        QApplication app(argc, argv);
        TestRealWindow test;
        QTEST_SET_MAIN_SOURCE_PATH
        status = QTest::qExec(&test, argc, argv);
    }
    stopSession();
    return status;
}

#include "tst_realwindow.moc"
