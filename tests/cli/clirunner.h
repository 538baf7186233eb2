#pragma once
// Runs the norvalis-cli built with the tests on a data folder of the test's own.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

struct CliResult {
    int status;
    QString out;
    QByteArray err;
};

inline CliResult cli(const QString& dataDir, const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral(NORVALIS_CLI), QStringList{"--data-dir", dataDir} + arguments);
    if (!p.waitForFinished(30000))
        return {-1, {}, "did not finish"};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), p.readAllStandardError()};
}
