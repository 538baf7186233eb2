// Tesserati.xls from the command line: the same bytes the export window
// writes, and a real spreadsheet program (LibreOffice Calc, headless) reads
// back every cell, accents, markup characters and leading zeros included.

#include "members/memberexport.h"
#include "members/memberrecord.h"
#include "storage/archive.h"
#include "storage/record.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// RFC 4180 rows: fields separated by commas, quoted when they need it.
QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString fieldText;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                fieldText += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                fieldText += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << fieldText;
            fieldText.clear();
        } else if (c == u'\n') {
            row << fieldText;
            fieldText.clear();
            rows << row;
            row.clear();
        } else if (c != u'\r') {
            fieldText += c;
        }
    }
    if (!fieldText.isEmpty() || !row.isEmpty())
        rows << (row << fieldText);
    return rows;
}

}  // namespace

class TestExportOpen : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        const Archive archive(m_dir->filePath(QLatin1String(members::kFileName)), members::recordLayout());
        const QList<QList<QString>> people{
            {"Rossi <Mario>", "Citt\u00E0 di Castello", "PG", "06012", "No"},
            {"Bianchi & Figli", "Forl\u00EC", "", "", "S\u00EC"},
            {"  Verdi Giuseppe  ", "Busseto", "PR", "43011", "No"},
        };
        for (const auto& p : people) {
            Record r(members::recordLayout());
            r.setText(u"Tesserato", p.at(0));
            r.setText(u"ComuneRes", p.at(1));
            r.setText(u"ProvRes", p.at(2));
            r.setText(u"CapRes", p.at(3));
            r.setText(u"Note", QStringLiteral("nota \"tra virgolette\", con virgola"));
            r.setFlag(u"Annullata", p.at(4) != QLatin1String("No"));
            archive.append(r);
        }
        // Numbers with leading zeros that must stay text: card, postal code alone, VAT number.
        Record r(members::recordLayout());
        r.setText(u"Tesserato", QStringLiteral("Neri Anna"));
        r.setText(u"NumTessera", QStringLiteral("001"));
        r.setText(u"CapRes", QStringLiteral("00184"));
        r.setText(u"PartitaIva", QStringLiteral("01234560587"));
        r.setFlag(u"Annullata", false);
        archive.append(r);
    }

    void commandLineWritesTheDialogFile()
    {
        const QString xls = m_dir->filePath(QLatin1String(members::kExportFileName));
        QFile old(xls);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));  // an earlier, longer export
        old.close();

        QProcess cli;
        cli.start(QStringLiteral(NORVALIS_CLI), {"--data-dir", m_dir->path(), "export", "members"});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        const members::MemberRows rows = members::loadRows(m_dir->filePath(QLatin1String(members::kFileName)));
        QCOMPARE(fileBytes(xls), Spreadsheet::document(members::exportTable(rows)));

        cli.start(QStringLiteral(NORVALIS_CLI), {"--data-dir", m_dir->path(), "export"});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 2);
    }

    void commandLineKeepsTheEarlierFileWhenTheArchiveCannotBeRead()
    {
        const QString archive = m_dir->filePath(QLatin1String(members::kFileName));
        const QString xls = m_dir->filePath(QLatin1String(members::kExportFileName));
        QVERIFY(QFile::remove(archive));
        QVERIFY(QDir().mkdir(archive));  // there, but no archive can be read from it
        QFile old(xls);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("earlier export");
        old.close();

        QProcess cli;
        cli.start(QStringLiteral(NORVALIS_CLI), {"--data-dir", m_dir->path(), "export", "members"});
        QVERIFY(cli.waitForFinished(60000));
        const QByteArray err = cli.readAllStandardError();
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY2(err.startsWith("norvalis-cli: ") && err.count('\n') == 1 && err.contains("Tesserati.pro"),
                 err.constData());
        QCOMPARE(fileBytes(xls), QByteArray("earlier export"));

        // A missing archive is an empty one: the header row alone.
        QVERIFY(QDir().rmdir(archive));
        cli.start(QStringLiteral(NORVALIS_CLI), {"--data-dir", m_dir->path(), "export", "members"});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(fileBytes(xls).count("<tr>"), 1);
    }

    void spreadsheetProgramReadsEveryCell()
    {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed");

        const QString xls = m_dir->filePath(QLatin1String(members::kExportFileName));
        const members::MemberRows rows = members::loadRows(m_dir->filePath(QLatin1String(members::kFileName)));
        QVERIFY(Spreadsheet::writeFile(xls, members::exportTable(rows)));

        QTemporaryDir profile;
        const QString out = m_dir->filePath(QStringLiteral("csv"));
        QProcess office;
        office.setProcessChannelMode(QProcess::MergedChannels);
        office.start(soffice, {"-env:UserInstallation=" + QUrl::fromLocalFile(profile.path()).toString(),
                               "--headless", "--norestore", "--convert-to",
                               "csv:Text - txt - csv (StarCalc):44,34,76,1", "--outdir", out, xls});
        QVERIFY2(office.waitForFinished(180000), "soffice did not finish");
        const QByteArray log = office.readAll();
        QVERIFY2(office.exitCode() == 0, log.constData());

        QFile csvFile(out + QStringLiteral("/Tesserati.csv"));
        QVERIFY2(csvFile.open(QIODevice::ReadOnly), log.constData());
        const QList<QStringList> table = parseCsv(QString::fromUtf8(csvFile.readAll()));

        QCOMPARE(table.size(), 5);
        QCOMPARE(table.at(0).size(), 25);
        QCOMPARE(table.at(0).at(0), QStringLiteral("Cognome e nome Socio"));
        QCOMPARE(table.at(0).at(10), QStringLiteral("Titoli di studio e altre qualifiche"));
        QCOMPARE(table.at(0).at(24), QStringLiteral("Tessera annullata"));
        QCOMPARE(table.at(1).at(0), QStringLiteral("Rossi <Mario>"));
        QCOMPARE(table.at(1).at(8), QStringLiteral("06012 Citt\u00E0 di Castello PG"));
        QCOMPARE(table.at(2).at(0), QStringLiteral("Bianchi & Figli"));
        QCOMPARE(table.at(2).at(8), QStringLiteral("Forl\u00EC"));
        QCOMPARE(table.at(2).at(24), QStringLiteral("S\u00EC"));
        QCOMPARE(table.at(3).at(0), QStringLiteral("Verdi Giuseppe"));
        QCOMPARE(table.at(3).at(23), QStringLiteral("nota \"tra virgolette\", con virgola"));
        QCOMPARE(table.at(3).at(24), QStringLiteral("No"));
        QCOMPARE(table.at(4).at(2), QStringLiteral("001"));
        QCOMPARE(table.at(4).at(8), QStringLiteral("00184"));
        QCOMPARE(table.at(4).at(20), QStringLiteral("01234560587"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestExportOpen)
#include "tst_exportopen.moc"
