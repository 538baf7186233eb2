#pragma once
// Running norvalis-cli from a test as from a plain terminal without a display,
// on a data folder of the test's own, and reading what it wrote.

#include <QByteArray>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

struct CliResult {
    int status;
    QByteArray out;
    QByteArray err;

    QString text() const { return QString::fromUtf8(out); }
};

// Starts NORVALIS_CLI with --data-dir `dataDir`, no platform chosen and no
// data folder from the environment, and hands it `input` on its standard input.
inline void startCli(QProcess& p, const QString& dataDir, const QStringList& arguments, const QByteArray& input = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "NORVALIS_DATA_DIR"})
        env.remove(QLatin1String(name));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(NORVALIS_CLI), QStringList{"--data-dir", dataDir} + arguments);
    // Handed over at once: a caller may not run an event loop until it ends.
    if (p.waitForStarted() && !input.isEmpty()) {
        p.write(input);
        p.waitForBytesWritten();
    }
    p.closeWriteChannel();
}

// Runs it to its end.
inline CliResult runCli(const QString& dataDir, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess p;
    startCli(p, dataDir, arguments, input);
    if (!p.waitForFinished(60000))
        return {-1, {}, "did not finish"};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

// Page objects of a PDF ("/Type /Page", not the "/Type /Pages" tree).
inline int pdfPageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(pdf).count(page));
}
