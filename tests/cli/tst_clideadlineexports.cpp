// norvalis-cli export deadlines|imminent|day|month and pdf deadline|member:
// the files they write into the data folder, and how they refuse what they
// cannot do.

#include "app/dates.h"
#include "cli/clirunner.h"
#include "deadlines/deadlinesfixture.h"
#include "members/membersfixture.h"
#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Result = CliResult;
Result cli(const QString& dataDir, const QStringList& arguments) { return runCli(dataDir, arguments); }

// The data rows of an export file, each as its cells' texts.
QList<QStringList> dataRows(const QByteArray& file)
{
    return exportRows(file).mid(1);  // without the header row
}

int pageCount(const QByteArray& pdf) { return pdfPageCount(pdf); }

}  // namespace

class TestCliDeadlineExports : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString data(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        AppDir::set(m_dir.path());
        writeDeadlines("2025", {deadlineRecord("15/03/2025", "10:00", {{"Pagatore", "uno"}}),
                                deadlineRecord("02/03/2025", "09:00", {{"Pagatore", "due"}}),
                                deadlineRecord("15/03/2025", "08:30", {{"Pagatore", "tre & <c>"}}),
                                deadlineRecord("10/04/2025", "08:30", {{"Pagatore", "quattro"}})});
        const QDate today(2026, 6, 10);  // the day the imminent export is run on
        writeDeadlines(QString::number(today.year()),
                       {deadlineRecord(Dates::format(today.addDays(3)), "12:00", {{"Pagatore", "fra tre giorni"}, {"Avviso", "3"}}),
                        deadlineRecord(Dates::format(today.addDays(3)), "12:00", {{"Pagatore", "troppo presto"}, {"Avviso", "2"}})});
        writeMembers({{{"Tesserato", "Rossi Mario"}, {"NumTessera", "7"}}});
    }

    void fourFiles_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("payers");  // column 3 of each row, top to bottom
        QTest::newRow("whole year") << QStringList{"export", "deadlines", "2025"} << "Scadenzario_Pagamenti.xls"
                                    << QStringList{"uno", "due", "tre &amp; &lt;c&gt;", "quattro"};
        QTest::newRow("month") << QStringList{"export", "month", "31/03/2025"} << "Scadenze_Mensili.xls"
                               << QStringList{"due", "tre &amp; &lt;c&gt;", "uno"};
        QTest::newRow("day") << QStringList{"export", "day", "15/03/2025"} << "Scadenze_Giornaliere.xls"
                             << QStringList{"tre &amp; &lt;c&gt;", "uno"};
        QTest::newRow("imminent") << QStringList{"--today", "10/06/2026", "export", "imminent"} << "Scadenze_Imminenti.xls"
                                  << QStringList{"fra tre giorni"};
    }
    void fourFiles()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, file);
        QFETCH(QStringList, payers);
        const Result r = cli(m_dir.path(), args);
        QVERIFY2(r.status == 0, r.err.constData());
        QVERIFY(r.out.isEmpty() && r.err.isEmpty());
        const QList<QStringList> rows = dataRows(fileContent(data(file)));
        QStringList shown;
        for (const QStringList& row : rows)
            shown << row.at(2);
        QCOMPARE(shown, payers);
        QCOMPARE(rows.first().size(), args.at(1) == QLatin1String("deadlines") ? 19 : 20);
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("year of two digits") << QStringList{"export", "deadlines", "25"};
        QTest::newRow("year of five digits") << QStringList{"export", "deadlines", "20255"};
        QTest::newRow("year not a number") << QStringList{"export", "deadlines", "20x5"};
        QTest::newRow("no year") << QStringList{"export", "deadlines"};
        QTest::newRow("not a real date") << QStringList{"export", "day", "31/02/2025"};
        QTest::newRow("short date") << QStringList{"export", "month", "5/3/2025"};
        QTest::newRow("imminent with an argument") << QStringList{"export", "imminent", "2025"};
        QTest::newRow("unknown list") << QStringList{"export", "week", "01/01/2025"};
        QTest::newRow("position 0") << QStringList{"pdf", "deadline", "2025", "0", "--out", "f.pdf"};
        QTest::newRow("position not whole") << QStringList{"pdf", "member", "1.5", "--out", "f.pdf"};
        QTest::newRow("sheet year") << QStringList{"pdf", "deadline", "225", "1", "--out", "f.pdf"};
        QTest::newRow("no --out") << QStringList{"pdf", "member", "1"};
        QTest::newRow("deadline without year") << QStringList{"pdf", "deadline", "1", "--out", "f.pdf"};
    }
    void usageErrors()
    {
        QFETCH(QStringList, args);
        const Result r = cli(m_dir.path(), args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.contains("Uso: norvalis-cli"));
        QVERIFY(!QFileInfo::exists(data(QStringLiteral("f.pdf"))));
    }

    void yearWithoutArchiveGivesHeaderOnly()
    {
        const Result r = cli(m_dir.path(), {"export", "deadlines", "2040"});
        QVERIFY2(r.status == 0, r.err.constData());
        QCOMPARE(QFileInfo(data(QStringLiteral("2040.sca"))).size(), 0);
        const QByteArray file = fileContent(data(QStringLiteral("Scadenzario_Pagamenti.xls")));
        QVERIFY(file.contains("Data scadenza"));
        QVERIFY(dataRows(file).isEmpty());
    }

    // An archive that cannot be read: one line on stderr, and the earlier export stays.
    void unreadableArchiveKeepsEarlierExport()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("2041.sca")));
        for (const QStringList& args : {QStringList{"export", "deadlines", "2041"}, QStringList{"export", "month", "01/06/2041"}}) {
            const QString file = data(args.at(1) == QLatin1String("deadlines") ? "Scadenzario_Pagamenti.xls" : "Scadenze_Mensili.xls");
            QVERIFY(setFileContent(file, "earlier"));
            const Result r = cli(m_dir.path(), args);
            QCOMPARE(r.status, 1);
            QCOMPARE(r.err.count('\n'), 1);
            QVERIFY(r.err.contains("2041.sca"));
            QCOMPARE(fileContent(file), QByteArray("earlier"));
        }
        const Result r = cli(m_dir.path(), {"pdf", "deadline", "2041", "1", "--out", data("s.pdf")});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err.count('\n'), 1);
    }

    void sheets_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("deadline") << QStringList{"pdf", "deadline", "2025", "3"};
        QTest::newRow("member") << QStringList{"pdf", "member", "1"};
    }
    void sheets()
    {
        QFETCH(QStringList, args);
        const QString pdf = data(QStringLiteral("scheda.pdf"));
        QFile::remove(pdf);
        const Result r = cli(m_dir.path(), args + QStringList{"--out", pdf});
        QVERIFY2(r.status == 0, r.err.constData());
        const QByteArray bytes = fileContent(pdf);
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(pageCount(bytes), 1);
        QVERIFY(QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0 0 595")).match(QString::fromLatin1(bytes)).hasMatch());

        // Past the end: exit 1, and the sheet written before stays.
        QStringList past = args;
        past.last() = QStringLiteral("9");
        const Result late = cli(m_dir.path(), past + QStringList{"--out", pdf});
        QCOMPARE(late.status, 1);
        QCOMPARE(late.err.count('\n'), 1);
        QCOMPARE(fileContent(pdf), bytes);
    }
};

QTEST_MAIN(TestCliDeadlineExports)
#include "tst_clideadlineexports.moc"
