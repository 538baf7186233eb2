#pragma once
// Running norvalis-cli from a test as from a plain terminal without a display,
// on a data folder of the test's own, and reading what it wrote.

#include "support/pdfpages.h"

#include <QByteArray>
#include <QProcess>
#include <QList>
#include <QRegularExpression>
#include <QSize>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

struct CliResult {
    int status;
    QByteArray out;
    QByteArray err;

    QString text() const { return QString::fromUtf8(out); }
};

// Starts NORVALIS_CLI with --data-dir `dataDir`, no platform chosen and no
// data folder from the environment, and hands it `input` on its standard
// input; `environment` ("NAME=value") sets variables of its own, such as its
// language.
inline void startCli(QProcess& p, const QString& dataDir, const QStringList& arguments, const QByteArray& input = {},
                     const QStringList& environment = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "NORVALIS_DATA_DIR"})
        env.remove(QLatin1String(name));
    for (const QString& setting : environment)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
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
inline CliResult runCli(const QString& dataDir, const QStringList& arguments, const QByteArray& input = {},
                        const QStringList& environment = {})
{
    QProcess p;
    startCli(p, dataDir, arguments, input, environment);
    if (!p.waitForFinished(60000))
        return {-1, {}, "did not finish"};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

// A PDF of one A4 landscape page: a printed sheet.
inline bool isOneLandscapePage(const QByteArray& pdf)
{
    return pdf.startsWith("%PDF-") && pdfPageCount(pdf) == 1 && pdfMediaBoxes(pdf) == QList<QSize>{QSize(842, 595)};
}

// The text of a PDF as pdftotext reads it; a null string when pdftotext is
// not installed.
inline QString pdfText(const QString& pdf)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return {};
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!text.waitForFinished(30000))
        return QStringLiteral("");
    return QString::fromUtf8(text.readAllStandardOutput());
}
