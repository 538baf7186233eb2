// The daily shift tables without windows: the record as it lies in the
// yearly archive, the save checks, the workers a member import builds, the
// search and its lines, the export's cells and file, and the printed table.

#include "app/dates.h"
#include "shifts/dailyfixture.h"
#include "shifts/dailysheet.h"
#include "storage/appdir.h"
#include "support/pageink.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QtTest>

// The criteria typed into a search: an index into kSearchFields and a text.
using Typed = QList<std::pair<int, QString>>;

namespace {

const QString Year = QStringLiteral("2025");

QList<int> positions(const QList<ResultLine>& lines)
{
    QList<int> out;
    for (const ResultLine& l : lines)
        out << l.position;
    return out;
}

}  // namespace

class TestDailyRules : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { AppDir::set(m_dir.path()); }
    void cleanup() { Clock::set({}); }

    // A table with only its name and date; a full one, with the twelve
    // rows first and the workers as one block after them, texts trimmed,
    // workers beyond 120 characters cut, the file names before the descriptions.
    void recordBytes()
    {
        QCOMPARE(daily::archivePath(" 2025 "), m_dir.filePath("2025.ore"));
        const QString workers = daily::workersWith(QString(70, QLatin1Char('A')), QString(60, QLatin1Char('B')));
        QCOMPARE(workers.size(), 132);
        writeDaily(Year, {{{"Nome", "Turno"}, {"Data", "07/03/2025"}},
                          {{"Nome", " Sportello "},
                           {"Data", "08/03/2025"},
                           {"Periodo", "Marzo"},
                           {"Sede", "Citt\u00E0"},
                           {"Disposizioni", "Chiavi"},
                           {"Annotazioni", "Nessuna"},
                           {"Inizio01", "08:00"},
                           {"Fine01", "12:00"},
                           {"Attivita01", "Apertura"},
                           {"Inizio12", "20"},
                           {"Attivita12", "Chiusura"},
                           {"Lavoratore01", "Rossi Mario"},
                           {"Lavoratore03", workers},
                           {"Lavoratore12", "Neri"},
                           {"File01", "turni.pdf"},
                           {"File03", "mappa.png"},
                           {"Desc01", "firmato"},
                           {"Desc03", "sede"}}});
        const QByteArray file = fileContent(daily::archivePath(Year));
        QCOMPARE(file.size(), 2 * 5220);

        QByteArray first(5220, '\0');
        place(first, 0, field("Turno", 50));
        place(first, 51, field("07/03/2025", 10));
        QCOMPARE(file.left(5220), first);

        QByteArray second(5220, '\0');
        place(second, 0, field("Sportello", 50));
        place(second, 51, field("08/03/2025", 10));
        place(second, 62, field("Marzo", 50));
        place(second, 113, field("Citt\xE0", 50));
        place(second, 164, field("Chiavi", 250));
        place(second, 415, field("Nessuna", 250));
        place(second, 666, field("08:00", 5));
        place(second, 672, field("12:00", 5));
        place(second, 678, field("Apertura", 120));
        place(second, 2129, field("20", 5));
        place(second, 2141, field("Chiusura", 120));
        place(second, 2262, field("Rossi Mario", 120));
        place(second, 2504, field(QByteArray(70, 'A') + ", " + QByteArray(48, 'B'), 120));
        place(second, 3593, field("Neri", 120));
        place(second, 3714, field("turni.pdf", 250));
        place(second, 4216, field("mappa.png", 250));
        place(second, 4467, field("firmato", 250));
        place(second, 4969, field("sede", 250));
        QCOMPARE(file.mid(5220), second);
    }

    // The name first, then the date; nothing else is required.
    void saveNeedsNameAndDate_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("refused");
        QTest::newRow("both empty: the name") << "" << "" << "Nome";
        QTest::newRow("name of blanks") << "   " << "07/03/2025" << "Nome";
        QTest::newRow("no date") << "Turno" << "" << "Data";
        QTest::newRow("date of blanks") << "Turno" << "  " << "Data";
        QTest::newRow("both given") << " Turno " << "07/03/2025" << "";
    }
    void saveNeedsNameAndDate()
    {
        QFETCH(QString, name);
        QFETCH(QString, date);
        QFETCH(QString, refused);
        const auto refusal = daily::checkForSave({{"Nome", name}, {"Data", date}, {"Sede", ""}, {"Inizio01", ""}});
        QCOMPARE(refusal ? refusal->field : QString(), refused);
        if (!refusal)
            return;
        QCOMPARE(refusal->box, SaveCheck::Refusal::Box::Warning);
        QCOMPARE(refusal->message,
                 refused == "Nome" ? QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il "
                                                       "nome identificativo della tabella dei turni.")
                                   : QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare la "
                                                       "data a cui si riferiscono i turni di lavoro."));
    }

    void workersOfAnImport_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("workers");
        QTest::newRow("empty row: the name alone") << "" << "Rossi Mario" << "Rossi Mario";
        QTest::newRow("a row of blanks is empty") << "   " << " Rossi Mario " << "Rossi Mario";
        QTest::newRow("a second name") << "A" << "B" << "A, B";
        QTest::newRow("both trimmed") << " A " << " B  " << "A, B";
        QTest::newRow("a third name") << "A, B" << "C" << "A, B, C";
    }
    void workersOfAnImport()
    {
        QFETCH(QString, current);
        QFETCH(QString, member);
        QFETCH(QString, workers);
        QCOMPARE(daily::workersWith(current, member), workers);
    }

    void resultLine()
    {
        const Record r = dailyRecord({{"Nome", " Turno della mattina per lo sportello "},
                                      {"Data", "07/03/2025"},
                                      {"Sede", "Verona"},
                                      {"Annotazioni", " note  lunghe oltre ogni colonna "}});
        QCOMPARE(daily::resultLine(r),
                 QStringLiteral("Turno della mattina per lo spo  Data: 07/03/2025  Sede: Verona"
                                "                          Note: note  lunghe oltre ogni colonna"));
        QCOMPARE(daily::resultLine(dailyRecord({})),
                 QString(30, u' ') + "  Data: " + QString(10, u' ') + "  Sede: " + QString(30, u' ') + "  Note: ");
    }

    void searchCriteria_data()
    {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QList<int>>("found");
        QTest::newRow("every criterion empty: all, in archive order") << Typed{} << QList<int>{1, 2, 3, 4};
        QTest::newRow("criteria of blanks count as empty") << Typed{{0, "  "}, {9, " "}} << QList<int>{1, 2, 3, 4};
        QTest::newRow("Turnista 1 in small letters, never row 6")
            << Typed{{4, "rossi mario"}} << QList<int>{1, 4};
        QTest::newRow("Turnista 2") << Typed{{5, "VERDI"}} << QList<int>{2};
        QTest::newRow("Turnista 5") << Typed{{8, "neri"}} << QList<int>{3};
        QTest::newRow("a trailing blank is looked for") << Typed{{0, "mattina "}} << QList<int>{4};
        QTest::newRow("the tables of March") << Typed{{1, "/03/"}} << QList<int>{1, 3};
        QTest::newRow("two criteria must both match") << Typed{{2, "verona"}, {1, "/03/"}} << QList<int>{1};
        QTest::newRow("instructions and notes")
            << Typed{{3, "CHIAVI"}, {9, "festiv"}} << QList<int>{};
        QTest::newRow("instructions") << Typed{{3, "chiavi in"}} << QList<int>{3};
        QTest::newRow("accented letters as they are") << Typed{{9, "citt\u00C0"}} << QList<int>{};
    }
    void searchCriteria()
    {
        QFETCH(Typed, typed);
        QFETCH(QList<int>, found);
        writeDaily(Year, {{{"Nome", "Mattina"},
                           {"Data", "07/03/2025"},
                           {"Sede", "Verona"},
                           {"Lavoratore01", "ROSSI MARIO, Bianchi Anna"},
                           {"Annotazioni", "Festivo in citt\u00E0"}},
                          {{"Nome", "Pomeriggio"}, {"Data", "15/04/2025"}, {"Lavoratore02", "Verdi"},
                           {"Lavoratore06", "Rossi Mario"}},
                          {{"Nome", "Sera"}, {"Data", "21/03/2025"}, {"Sede", "Roma"},
                           {"Disposizioni", "Chiavi in portineria"}, {"Lavoratore05", "Neri"}},
                          {{"Nome", "mattina bis"}, {"Data", "01/05/2025"}, {"Sede", "Verona"},
                           {"Lavoratore01", "Rossi Mario"}}});
        daily::SearchTexts texts;
        for (const auto& [index, text] : typed)
            texts[std::size_t(index)] = text;
        const QList<ResultLine> lines = daily::search(daily::archivePath(Year), texts);
        QCOMPARE(positions(lines), found);
        for (const ResultLine& line : lines)
            QCOMPARE(line.text, daily::resultLine(dailyArchive(Year).read(line.position)));
    }

    // Tables with the same first 30 characters of name and site, the same
    // date and notes give equal lines: both are listed and both load the
    // later one. A missing archive is created empty and lists nothing.
    void equalLinesLoadTheLaterTable()
    {
        const QString name = QStringLiteral("Turno della mattina per lo sportello ");
        writeDaily(Year, {{{"Nome", name + "A"}, {"Data", "07/03/2025"}, {"Lavoratore01", "prima"}},
                          {{"Nome", "Altro"}, {"Data", "07/03/2025"}},
                          {{"Nome", name + "B"}, {"Data", "07/03/2025"}, {"Lavoratore01", "seconda"}}});
        const QList<ResultLine> lines = daily::search(daily::archivePath(Year), {});
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0).text, lines.at(2).text);
        QCOMPARE(positions(lines), (QList<int>{3, 2, 3}));

        const QString missing = daily::archivePath("2031");
        QVERIFY(!QFileInfo::exists(missing));
        QVERIFY(daily::search(missing, {}).isEmpty());
        QVERIFY(QFileInfo::exists(missing));
        QCOMPARE(QFileInfo(missing).size(), 0);
    }

    // Rows 1 to 10 of every table, in archive order: each row's time band,
    // even without times, and its workers; rows 11 and 12 are left out.
    void exportGridRows()
    {
        DailyFields full{{"Nome", " Tutto pieno "}, {"Data", "07/03/2025"}, {"Sede", "Verona"},
                         {"Disposizioni", "Chiavi"}, {"Periodo", "non esportato"}, {"Annotazioni", "fine"}};
        const auto hour = [](int h) { return QStringLiteral("%1:00").arg(h, 2, 10, QLatin1Char('0')); };
        for (int r = 1; r <= 12; ++r)
            full << qMakePair(layout::numberedName("Inizio", r), hour(r + 6))
                 << qMakePair(layout::numberedName("Fine", r), hour(r + 7))
                 << qMakePair(layout::numberedName("Attivita", r), QStringLiteral("non esportata"))
                 << qMakePair(layout::numberedName("Lavoratore", r), QStringLiteral("Turnista %1").arg(r));
        writeDaily(Year, {full, {{"Nome", "Vuoto"}, {"Data", "08/03/2025"}, {"Fine02", "9"}}});

        std::optional<ArchiveError> failure;
        const QList<QStringList> rows = daily::gridRows(daily::archivePath(Year), &failure);
        QVERIFY(!failure);
        QCOMPARE(rows.size(), 2);
        QStringList first{"Tutto pieno", "07/03/2025", "Verona", "Chiavi"};
        for (int r = 1; r <= 10; ++r)
            first << "Dalle " + hour(r + 6) + " alle " + hour(r + 7) << QStringLiteral("Turnista %1").arg(r);
        first << "fine";
        QCOMPARE(rows.at(0), first);
        QStringList second{"Vuoto", "08/03/2025", "", ""};
        for (int r = 1; r <= 10; ++r)
            second << (r == 2 ? "Dalle  alle 9" : "Dalle  alle ") << "";
        second << "";
        QCOMPARE(rows.at(1), second);

        const QList<Spreadsheet::HeaderCell> grid = daily::gridColumns();
        QCOMPARE(grid.size(), 26);
        QCOMPARE(grid.first().title, QStringLiteral("N."));
        QCOMPARE(grid.first().width, 50);
        for (int c = 1; c < 26; ++c) {
            QCOMPARE(grid.at(c).title, daily::exportHeader().at(c - 1).title);
            QCOMPARE(grid.at(c).width, daily::exportHeader().at(c - 1).width);
        }
    }

    // The command writes the file while it reads the archive: the same bytes
    // as the window's file from its grid; an unreadable archive writes nothing.
    void streamedFileEqualsGridFile()
    {
        const QString file = AppDir::filePath("Turni_Lavoro.xls");
        writeDaily(Year, {{{"Nome", " Mattina & <sera> "}, {"Data", "07/03/2025"}, {"Lavoratore01", "Rossi \u20AC"}},
                          {{"Nome", "Vuoto"}}});
        QVERIFY(daily::writeExport(daily::gridRows(daily::archivePath(Year))));
        const QByteArray fromGrid = fileContent(file);
        QVERIFY(QFile::remove(file));
        std::optional<ArchiveError> failure;
        QVERIFY(daily::writeArchiveExport(daily::archivePath(Year), &failure));
        QVERIFY(!failure);
        QCOMPARE(fileContent(file), fromGrid);

        QVERIFY(QDir(AppDir::path()).mkpath(QStringLiteral("Illeggibile")));
        QVERIFY(!daily::writeArchiveExport(AppDir::filePath("Illeggibile"), &failure));
        QVERIFY(failure.has_value());
        QCOMPARE(fileContent(file), fromGrid);
    }

    // The file: the worksheet's name, the 25 header cells with their widths,
    // one row per table with every cell trimmed; an empty archive gives the
    // header only.
    void exportFile()
    {
        const QString file = AppDir::filePath("Turni_Lavoro.xls");
        writeDaily(Year, {});
        QVERIFY(daily::writeExport(daily::gridRows(daily::archivePath(Year))));
        QByteArray bytes = fileContent(file);
        QVERIFY(bytes.contains("<x:Name>Turni Lavoro</x:Name>"));
        QCOMPARE(exportRows(bytes).size(), 1);

        QStringList titles{"Nome tabella turni", "Data", "Sede operativa", "Disposizioni organizzative"};
        QStringList widths{"250", "200", "250", "350"};
        for (int r = 1; r <= 10; ++r) {
            titles << QStringLiteral("Orario %1").arg(r) << QStringLiteral("Turnista %1").arg(r);
            widths << "200" << "250";
        }
        titles << "Annotazioni";
        widths << "350";
        QCOMPARE(exportRows(bytes).first(), titles);
        QStringList written;
        static const QRegularExpression headerCell(
            QStringLiteral("<td style=\"text-align: left; font-weight: bold;\" width=(\\d+)>"));
        for (const QRegularExpressionMatch& m : headerCell.globalMatch(QString::fromLatin1(bytes)))
            written << m.captured(1);
        QCOMPARE(written, widths);

        writeDaily(Year, {{{"Nome", "Mattina"}, {"Data", "07/03/2025"}, {"Inizio01", "08:00"}, {"Fine01", "12:00"},
                           {"Lavoratore01", "Rossi & Bianchi"}, {"Lavoratore11", "non esportato"}}});
        QVERIFY(daily::writeExport(daily::gridRows(daily::archivePath(Year))));
        bytes = fileContent(file);
        const QList<QStringList> rows = exportRows(bytes);
        QCOMPARE(rows.size(), 2);
        QStringList row{"Mattina", "07/03/2025", "", "", "Dalle 08:00 alle 12:00", "Rossi &amp; Bianchi"};
        for (int r = 2; r <= 10; ++r)
            row << "Dalle  alle" << "";
        row << "";
        QCOMPARE(rows.at(1), row);
        QVERIFY(!bytes.contains("non esportato"));
    }

    void sheetFilledFromTheTable()
    {
        Report::Template sheet = DailySheet::design();
        QCOMPARE(sheet.name, QStringLiteral("Turno di Lavoro"));
        QCOMPARE(sheet.previewButtons, Report::StandardPreview);
        for (const auto& [name, text] : QList<std::pair<const char*, const char*>>{
                 {"titNome", "NOME TURNO"},
                 {"titData", "DATA: GG/MM/AAAA "},
                 {"Memo1", "TURNISTI"},
                 {"infAttivita", "ATTIVITA' DA SVOLGERE"},
                 {"Memo38", "FIRMA DEL RESPONSABILE:"},
                 {"txtCalce", "Data e ora stampa"}})
            QCOMPARE(sheet.object(QLatin1String(name)).text, QLatin1String(text));

        sheet.page.setOrientation(Report::Orientation::Portrait);
        DailySheet::fill(sheet,
                         dailyRecord({{"Nome", " Turno estivo "}, {"Data", " 07/03/2025 "}, {"Periodo", "Estate"},
                                      {"Sede", "Verona"}, {"Disposizioni", "Chiavi"}, {"Annotazioni", "nessuna"},
                                      {"Inizio01", "08:00"}, {"Fine01", "12:00"}, {"Attivita01", "Apertura"},
                                      {"Lavoratore03", "Rossi, Bianchi"}, {"Inizio12", "20:00"},
                                      {"Attivita12", "Chiusura"}, {"Lavoratore12", "Neri"}}),
                         QDateTime(QDate(2025, 3, 7), QTime(14, 5, 9)), QStringLiteral("HH:mm:ss"));
        QCOMPARE(sheet.page.sizeMm(), QSizeF(297, 210));
        for (const auto& [name, text] : QList<std::pair<const char*, const char*>>{
                 {"titNome", "Turno estivo"},
                 {"titData", "DATA:  07/03/2025 "},
                 {"titPeriodo", "Estate"},
                 {"titSede", "Verona"},
                 {"titDisposizioni", "Chiavi"},
                 {"titAnnotazioni", "nessuna"},
                 {"titInizio01", "08:00"},
                 {"titFine01", "12:00"},
                 {"titAttivita01", "Apertura"},
                 {"titLavoratore01", ""},
                 {"titLavoratore03", "Rossi, Bianchi"},
                 {"titInizio12", "20:00"},
                 {"titFine12", ""},
                 {"titAttivita12", "Chiusura"},
                 {"titLavoratore12", "Neri"},
                 {"txtCalce", "Stampa eseguita in data 07/03/2025 alle ore 14:05:09"}})
            QCOMPARE(sheet.object(QLatin1String(name)).text, QLatin1String(text));
        // A table without a date still prints the label.
        DailySheet::fill(sheet, dailyRecord({}), QDateTime(QDate(2025, 3, 7), QTime(9, 0)));
        QCOMPARE(sheet.object("titData").text, QStringLiteral("DATA:   "));
    }

    // The page as drawn (10 mm margins, so a box at x mm has its ink from
    // x + 10, plus half a millimetre of padding for a text): the name on the left, the date on the right, the first row's
    // workers 0.2 mm right of the others', the three column rules, the
    // column headings and the coloured bands.
    void drawnPage()
    {
        Clock::set(QDateTime(QDate(2025, 3, 7), QTime(9, 0)));
        const Report::Template sheet = DailySheet::filled(dailyRecord({{"Nome", "Turno estivo"},
                                                                       {"Data", "07/03/2025"},
                                                                       {"Lavoratore01", "Rossi"},
                                                                       {"Lavoratore02", "Rossi"},
                                                                       {"Attivita01", "Apertura"},
                                                                       {"Lavoratore12", "Neri"},
                                                                       {"Attivita12", "Chiusura"}}));
        const Report::Prepared prepared = sheet.prepare();
        QCOMPARE(prepared.pages.size(), 1);
        const QImage img = Report::renderPage(prepared.pages.first(), PageDpi);
        QCOMPARE(img.size(), QSize(2970, 2100));

        // The name from the box's left edge (11 mm), the date ending at the
        // right of its box (285.8 mm) less the trailing blank; both centred
        // on the boxes' middle line, 14.6 mm down.
        const QRectF name = inkIn(img, QRectF(10.5, 10.5, 225, 8));
        QVERIFY2(name.left() >= 11 && name.left() < 12, qPrintable(QString::number(name.left())));
        QVERIFY2(qAbs(name.center().y() - 14.6) < 1, qPrintable(QString::number(name.center().y())));
        const QRectF date = inkIn(img, QRectF(235.5, 10.5, 51, 8));
        QVERIFY2(date.right() > 283.5 && date.right() < 285.5, qPrintable(QString::number(date.right())));
        QVERIFY2(date.left() > 240, qPrintable(QString::number(date.left())));  // right-aligned, not from 236
        QVERIFY2(qAbs(date.center().y() - 14.6) < 1, qPrintable(QString::number(date.center().y())));

        // The same worker in rows 1 and 2: boxes from 81.2 mm and from 81 mm.
        const QRectF row1 = inkIn(img, QRectF(80, 27, 50, 4.4));
        const QRectF row2 = inkIn(img, QRectF(80, 34, 50, 4.4));
        QVERIFY(!row1.isEmpty() && !row2.isEmpty());
        QVERIFY2(row2.left() > 81.3 && row2.left() < 82.1, qPrintable(QString::number(row2.left())));
        const double shift = row1.left() - row2.left();
        QVERIFY2(shift >= 0.1 && shift <= 0.3, qPrintable(QString::number(shift)));
        QVERIFY(qAbs(row1.width() - row2.width()) <= 0.1);
        // Activities from 190 mm, in rows 1 and 12; the workers of row 12.
        for (double top : {27.0, 104.0}) {
            const QRectF activity = inkIn(img, QRectF(189, top, 90, 4.4));
            QVERIFY2(activity.left() > 190.3 && activity.left() < 191.1, qPrintable(QString::number(activity.left())));
        }
        QVERIFY(!inkIn(img, QRectF(80, 104, 50, 4.4)).isEmpty());

        // An empty row shows only the rules at 45, 79 and 188 mm.
        const QString rules = notOnlyRulesAcross(img, 57.3, {45, 79, 188});
        QVERIFY2(rules.isEmpty(), qPrintable(rules));
        // The rules run from the heading band (20 mm) to 109.6 mm.
        QVERIFY(isInk(img.pixel(px(188), px(20.5))) && isInk(img.pixel(px(188), px(109))));
        QVERIFY(!isInk(img.pixel(px(188), px(111))));

        // The column headings centred in their boxes: TURNISTI over the
        // workers (80 to 186.8 mm), the activity over its column (190 to 284.5 mm).
        const QRectF workers = inkIn(img, QRectF(80.5, 21, 105.5, 4.2));
        QVERIFY2(qAbs(workers.center().x() - 133.4) < 0.5, qPrintable(QString::number(workers.center().x())));
        const QRectF activities = inkIn(img, QRectF(189.5, 21, 96, 4.2));
        QVERIFY2(qAbs(activities.center().x() - 237.25) < 0.5, qPrintable(QString::number(activities.center().x())));

        // The bands: light steel blue over the rows, beige over period and
        // site, gold under the footer's text.
        for (const auto& [x, y, colour] : QList<std::tuple<double, double, QRgb>>{
                 {12, 23, qRgb(0xB0, 0xC4, 0xDE)}, {12, 118, qRgb(0xF5, 0xF5, 0xDC)},
                 {150, 118, qRgb(0xF5, 0xF5, 0xDC)}, {12, 195, qRgb(0xFF, 0xD7, 0x00)}})
            QCOMPARE(img.pixel(px(x), px(y)) & 0xFFFFFF, colour & 0xFFFFFF);
        QCOMPARE(img.pixel(px(142.5), px(118)) & 0xFFFFFF, 0xFFFFFFu);  // between the two beige bars
    }
};

QTEST_MAIN(TestDailyRules)
#include "tst_dailyrules.moc"
