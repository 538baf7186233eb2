// The deadline grids and their files: which deadlines each list selects, the
// order of date and time with the reading ordinal, the cells, and the exact
// bytes of the spreadsheet files.

#include "app/dates.h"
#include "deadlines/deadlineperiods.h"
#include "deadlines/deadlinesfixture.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using deadlines::Period;
using deadlines::Row;

namespace {

QList<int> numbers(const QList<Row>& rows)
{
    QList<int> out;
    for (const Row& r : rows)
        out << r.number;
    return out;
}

QStringList cellsOf(const QList<Row>& rows, int column)  // 1-based grid column
{
    QStringList out;
    for (const Row& r : rows)
        out << r.cells.at(column - 1);
    return out;
}

const QByteArray Head =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>";
const QByteArray AfterName =
    "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head>"
    "<body><table x:str>";
const QByteArray Tail = "</table></body></html>";
const QByteArray H = "<td style=\"text-align: left; font-weight: bold;\" width=";
const QByteArray D = "<td style=\"text-align: left; mso-number-format:'\\@';\" sdnum=\"1040;0;@\">";

const QByteArray HeaderCells =
    H + "150>Data scadenza</td>" + H + "150>Ora appuntamento</td>" + H + "250>Pagatore</td>" + H +
    "200>Codice fiscale</td>" + H + "200>Numero tessera</td>" + H + "250>Carica ricoperta</td>" + H +
    "200>Tel. cellulare</td>" + H + "200>Recapito preferenziale</td>" + H + "200>Anticipo</td>" + H +
    "200>Importo complessivo dovuto</td>" + H + "250>Rateazione</td>" + H + "250>Beneficiario</td>" + H +
    "300>Causale scadenza</td>" + H + "300>Modalit\xE0 di pagamento</td>" + H + "200>Importo in euro</td>" + H +
    "250>Estremi ricevuta</td>" + H + "250>Appuntamento da confermare</td>" + H + "250>Pagamento effettuato</td>" +
    H + "300>Note</td>";

}  // namespace

class TestDeadlineExports : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { AppDir::set(m_dir.path()); }
    void cleanup() { Clock::set({}); }

    void imminenceWindow_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("notice");
        QTest::addColumn<bool>("imminent");
        // Due 10/03/2025.
        QTest::newRow("three days before, notice 3") << QDate(2025, 3, 7) << 3 << true;
        QTest::newRow("on the due day") << QDate(2025, 3, 10) << 3 << true;
        QTest::newRow("four days before, notice 3") << QDate(2025, 3, 6) << 3 << false;
        QTest::newRow("the day after") << QDate(2025, 3, 11) << 3 << false;
        QTest::newRow("notice 0 on the day") << QDate(2025, 3, 10) << 0 << true;
        QTest::newRow("notice 0 the day before") << QDate(2025, 3, 9) << 0 << false;
        QTest::newRow("999 days, long past") << QDate(2025, 1, 1) << 999 << true;
        QTest::newRow("999 days, passed") << QDate(2025, 3, 11) << 999 << false;
    }
    void imminenceWindow()
    {
        QFETCH(QDate, today);
        QFETCH(int, notice);
        QFETCH(bool, imminent);
        QCOMPARE(deadlines::isImminent(QDate(2025, 3, 10), notice, today), imminent);
    }

    // Saved as 15/03 10:00, 02/03 09:00, 15/03 08:30: shown 02/03, 15/03 08:30,
    // 15/03 10:00 with their reading ordinals 2, 3, 1.
    void chronologicalOrderKeepsReadingOrdinal()
    {
        writeDeadlines("2025", {deadlineRecord("15/03/2025", "10:00"), deadlineRecord("02/03/2025", "09:00"),
                                deadlineRecord("15/03/2025", "08:30")});
        const QList<Row> rows = deadlines::monthRows(QDate(2025, 3, 20));
        QCOMPARE(numbers(rows), QList<int>({2, 3, 1}));
        QCOMPARE(cellsOf(rows, 1), QStringList({"02/03/2025", "15/03/2025", "15/03/2025"}));
        QCOMPARE(cellsOf(rows, 2), QStringList({"09:00", "08:30", "10:00"}));
        QCOMPARE(rows.first().key, QStringLiteral("03020900"));

        // Equal keys keep their reading order (enough rows that an unstable
        // sort would show); the whole archive is not sorted.
        QList<Record> same;
        QStringList early, late;
        for (int i = 1; i <= 40; ++i) {
            const QString payer = QStringLiteral("p%1").arg(i);
            same << deadlineRecord(i % 3 ? "15/03/2025" : "01/03/2025", "10:00", {{"Pagatore", payer}});
            (i % 3 ? late : early) << payer;
        }
        writeDeadlines("2025", same);
        QCOMPARE(cellsOf(deadlines::monthRows(QDate(2025, 3, 1)), 3), early + late);
        const QList<Row> all = deadlines::archiveRows(deadlinesPath("2025"));
        QCOMPARE(numbers(all).mid(0, 3), QList<int>({1, 2, 3}));
        QCOMPARE(cellsOf(all, 3).mid(0, 3), QStringList({"p1", "p2", "p3"}));
        QVERIFY(all.first().key.isEmpty());
    }

    void whichDeadlinesEachListShows()
    {
        writeDeadlines("2025", {
            deadlineRecord("10/04/2025", "09:00", {{"Pagatore", "giorno"}, {"Avviso", "3"}}),
            deadlineRecord("11/04/2025", "09:00", {{"Pagatore", "dopo"}, {"Avviso", "0"}}),
            // The month list goes by the stored month name and year, in any case.
            deadlineRecord("30/04/2025", "09:00", {{"Pagatore", "maiuscolo"}, {"Mese", "APRILE"}, {"Avviso", "30"}}),
            deadlineRecord("12/04/2025", "09:00", {{"Pagatore", "altro anno"}, {"Anno", "2024"}, {"Avviso", "5"}}),
            deadlineRecord("10/05/2025", "09:00", {{"Pagatore", "maggio"}, {"Avviso", "999"}}),
            // Unreadable date or notice: never imminent, and no failure.
            deadlineRecord("31/02/2025", "09:00", {{"Pagatore", "data errata"}, {"Avviso", "5"}}),
            deadlineRecord("09/04/2025", "09:00", {{"Pagatore", "avviso errato"}, {"Avviso", "x"}}),
        });
        deadlines::Failure failure;
        QCOMPARE(cellsOf(deadlines::dayRows(QDate(2025, 4, 10), &failure), 3), QStringList({"giorno"}));
        QCOMPARE(cellsOf(deadlines::monthRows(QDate(2025, 4, 2), &failure), 3),
                 QStringList({"avviso errato", "giorno", "dopo", "maiuscolo"}));
        QCOMPARE(cellsOf(deadlines::imminentRows(deadlinesPath("2025"), QDate(2025, 4, 10), &failure), 3),
                 QStringList({"giorno", "altro anno", "maiuscolo", "maggio"}));
        QVERIFY(!failure);

        // The imminent list of the windows reads the archive of today's year.
        Clock::set(QDateTime(QDate(2025, 4, 11), QTime(8, 0)));
        QCOMPARE(cellsOf(deadlines::currentImminentRows(), 3), QStringList({"dopo", "altro anno", "maiuscolo", "maggio"}));
    }

    void missingArchiveIsCreatedEmpty()
    {
        QVERIFY(!QFileInfo::exists(deadlinesPath("2031")));
        deadlines::Failure failure;
        QVERIFY(deadlines::dayRows(QDate(2031, 4, 10), &failure).isEmpty());
        QVERIFY(!failure);
        QCOMPARE(QFileInfo(deadlinesPath("2031")).size(), 0);
    }

    void unreadableArchiveReportsFailure()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("2032.sca")));
        deadlines::Failure failure;
        QVERIFY(deadlines::monthRows(QDate(2032, 1, 1), &failure).isEmpty());
        QVERIFY(failure.has_value());
        failure.reset();
        deadlines::archiveRows(deadlinesPath("2032"), &failure);
        QVERIFY(failure.has_value());
    }

    void flagCellShowsStoredText_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("S\u00EC") << bytes({0x02, 0x53, 0xEC}) << QStringLiteral("S\u00EC");
        QTest::newRow("empty") << bytes({0x00, 0x00, 0x00}) << QString();
        QTest::newRow("blank first") << bytes({0x02, ' ', 's'}) << QStringLiteral("s");
        QTest::newRow("lower case") << bytes({0x02, 'n', 'o'}) << QStringLiteral("no");
    }
    void flagCellShowsStoredText()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        QByteArray raw = deadlineRecord("05/03/2025", "09:30").bytes();
        place(raw, deadlines::recordLayout().field(u"Effettuata").offset, stored);
        const QStringList cells = deadlines::rowCells(Record(deadlines::recordLayout(), raw));
        QCOMPARE(cells.at(17), shown);
        QCOMPARE(cells.at(16), QStringLiteral("No"));
    }

    void gridColumnsOfEachWindow()
    {
        const auto day = deadlines::gridColumns(Period::Day);
        const auto archive = deadlines::gridColumns(Period::Archive);
        QCOMPARE(day.size(), 21);
        QCOMPARE(archive.size(), 20);
        QCOMPARE(day.at(5).title, QStringLiteral("Tessera n."));
        QCOMPARE(deadlines::gridColumns(Period::Month).at(5).title, QStringLiteral("Numero tessera"));
        QCOMPARE(archive.at(4).width, 180);  // the file gives it 200
        QCOMPARE(day.at(20).title, QStringLiteral("Codice univoco"));
    }

    // The whole file of a one-deadline archive, markup characters in a value.
    void wholeArchiveFileBytes()
    {
        writeDeadlines("2025", {deadlineRecord("05/03/2025", "09:30",
                                               {{"Pagatore", "  Rossi & <Figli> "}, {"CodFisc", "00712345678"},
                                                {"Officina", "Bonifico \u20AC"}, {"Costo", "12,50"}})});
        QString error;
        QVERIFY2(deadlines::writeExport(Period::Archive, deadlines::archiveRows(deadlinesPath("2025")), &error),
                 qPrintable(error));
        QByteArray row = "<tr>" + D + "05/03/2025</td>" + D + "09:30</td>" + D + "Rossi &amp; &lt;Figli&gt;</td>" + D +
                         "00712345678</td>";
        for (int i = 0; i < 7; ++i)
            row += D + "</td>";  // NumTessera ... Rateazione
        row += D + "Beneficiario</td>" + D + "Causale</td>" + D + "Bonifico \x80</td>" + D + "12,50</td>" + D +
               "</td>" + D + "No</td>" + D + "No</td>" + D + "</td></tr>";
        QCOMPARE(fileContent(m_dir.filePath(QStringLiteral("Scadenzario_Pagamenti.xls"))),
                 Head + "Scadenzario Pagamenti" + AfterName + "<tr>" + HeaderCells + "</tr>" + row + Tail);
    }

    void periodFilesWithHeaderOnly_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("worksheet");
        QTest::newRow("imminent") << int(Period::Imminent) << "Scadenze_Imminenti.xls" << QByteArray("Scadenze imminenti");
        QTest::newRow("day") << int(Period::Day) << "Scadenze_Giornaliere.xls" << QByteArray("Scadenze del giorno");
        QTest::newRow("month") << int(Period::Month) << "Scadenze_Mensili.xls" << QByteArray("Scadenze del mese");
    }
    void periodFilesWithHeaderOnly()
    {
        QFETCH(int, period);
        QFETCH(QString, file);
        QFETCH(QByteArray, worksheet);
        QVERIFY(deadlines::writeExport(Period(period), {}));
        QCOMPARE(fileContent(m_dir.filePath(file)),
                 Head + worksheet + AfterName + "<tr>" + HeaderCells + H + "150>Codice univoco</td></tr>" + Tail);
    }

    // A period file carries the key as its last cell, rows in the grid's order.
    void periodFileRowsEndWithKey()
    {
        writeDeadlines("2025", {deadlineRecord("15/03/2025", "10:00"), deadlineRecord("02/03/2025", "09:05")});
        const Spreadsheet::Table table = deadlines::exportTable(Period::Month, deadlines::monthRows(QDate(2025, 3, 1)));
        QCOMPARE(table.rowCount, 2);
        QCOMPARE(table.row(0).size(), 20);
        QCOMPARE(table.row(0).first(), QStringLiteral("02/03/2025"));
        QCOMPARE(table.row(0).last(), QStringLiteral("03020905"));
        QCOMPARE(table.row(1).last(), QStringLiteral("03151000"));
    }

    // The command's exports write while they read, holding no row: each file
    // must be the one the window writes from its grid (same rows, same order,
    // equal keys in reading order, markup and blanks in values).
    void streamedFilesEqualGridFiles_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<QDate>("date");
        QTest::newRow("imminent") << int(Period::Imminent) << QDate(2025, 4, 10);
        QTest::newRow("day") << int(Period::Day) << QDate(2025, 4, 10);
        QTest::newRow("month") << int(Period::Month) << QDate(2025, 4, 2);
        QTest::newRow("archive") << int(Period::Archive) << QDate(2025, 1, 1);
    }
    void streamedFilesEqualGridFiles()
    {
        QFETCH(int, period);
        QFETCH(QDate, date);
        QList<Record> records;
        for (int i = 1; i <= 30; ++i)
            records << deadlineRecord(QStringLiteral("%1/04/2025").arg(10 + i % 4), i % 2 ? "09:00" : "08:15",
                                      {{"Pagatore", QStringLiteral(" p%1 & <figli> \u20AC").arg(i)},
                                       {"Avviso", QString::number(i % 5)}});
        records << deadlineRecord("10/05/2025", "09:00", {{"Pagatore", "maggio"}});
        writeDeadlines("2025", records);

        const Period p = Period(period);
        QList<Row> rows;
        if (p == Period::Archive)
            rows = deadlines::archiveRows(deadlinesPath("2025"));
        else if (p == Period::Day)
            rows = deadlines::dayRows(date);
        else if (p == Period::Month)
            rows = deadlines::monthRows(date);
        else
            rows = deadlines::imminentRows(deadlinesPath("2025"), date);
        QVERIFY(rows.size() > 1);
        const QString file = m_dir.filePath(QLatin1String(deadlines::exportFile(p).fileName));
        QVERIFY(deadlines::writeExport(p, rows));
        const QByteArray fromGrid = fileContent(file);
        QVERIFY(QFile::remove(file));

        deadlines::Failure failure;
        QString error;
        QVERIFY2(p == Period::Archive ? deadlines::writeArchiveExport(deadlinesPath("2025"), &failure, &error)
                                      : deadlines::writePeriodExport(p, date, &failure, &error),
                 qPrintable(error));
        QVERIFY(!failure);
        QCOMPARE(fileContent(file), fromGrid);

        // An archive that cannot be read writes nothing and says why.
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("2033.sca")));
        QVERIFY(!(p == Period::Archive ? deadlines::writeArchiveExport(deadlinesPath("2033"), &failure)
                                       : deadlines::writePeriodExport(p, QDate(2033, 4, 10), &failure)));
        QVERIFY(failure.has_value());
        QCOMPARE(fileContent(file), fromGrid);
    }
};

QTEST_MAIN(TestDeadlineExports)
#include "tst_deadlineexports.moc"
