// The weekly shift tables without windows: the record as it lies in the
// yearly archive (with its reserved block), the save checks, the search and
// its lines, and the printed table.

#include "app/dates.h"
#include "output/resultlines.h"
#include "shifts/weeklyfixture.h"
#include "shifts/weeklysheet.h"
#include "storage/appdir.h"
#include "support/pageink.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <tuple>

namespace {

const QString Year = QStringLiteral("2025");

// Hundredths of a millimetre, to compare a template's geometry with the design.
int hundredths(double units) { return qRound(Report::toMm(units) * 100); }

bool isRed(QRgb p) { return qRed(p) > 160 && qGreen(p) < 90 && qBlue(p) < 90; }

const char* const Days[] = {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"};

}  // namespace

class TestWeeklyRules : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { AppDir::set(m_dir.path()); }
    void cleanup() { Clock::set({}); }

    // A table with only its name and week; a fuller one: the times of rows
    // 1-8, the reserved block, the times of rows 9-12, then the worker
    // cells day by day, a cell of 41 characters cut to 40, the file names
    // before the descriptions.
    void recordBytes()
    {
        QCOMPARE(weekly::archivePath(" 2025 "), m_dir.filePath("2025.set"));
        writeWeekly(Year, {weeklyTable("Turno", "05/05/2025", "11/05/2025"),
                           weeklyTable(" Sportello ", "12/05/2025", "18/05/2025",
                                       {{"Sede", "Citt\u00E0"},
                                        {"Disposizioni", "Chiavi"},
                                        {"Annotazioni", "Nessuna"},
                                        {"Inizio01", "08:00"},
                                        {"Fine08", "16:00"},
                                        {"Inizio09", "17:00"},
                                        {"Fine12", "23:00"},
                                        {"Lun01", " Rossi "},
                                        {"Lun02", "Bianchi"},
                                        {"Mar01", "Verdi"},
                                        {"Dom12", QString(41, QLatin1Char('N'))},
                                        {"File01", "turni.pdf"},
                                        {"Desc03", "sede"}})});
        const QByteArray file = fileContent(weekly::archivePath(Year));
        QCOMPARE(file.size(), 2 * 5841);

        QByteArray first(5841, '\0');
        place(first, 0, field("Turno", 50));
        place(first, 51, field("05/05/2025", 10));
        place(first, 62, field("11/05/2025", 10));
        QCOMPARE(file.left(5841), first);

        QByteArray second(5841, '\0');
        place(second, 0, field("Sportello", 50));
        place(second, 51, field("12/05/2025", 10));
        place(second, 62, field("18/05/2025", 10));
        place(second, 73, field("Citt\xE0", 50));
        place(second, 124, field("Chiavi", 250));
        place(second, 375, field("Nessuna", 250));
        place(second, 626, field("08:00", 5));
        place(second, 716, field("16:00", 5));
        place(second, 843, field("17:00", 5));
        place(second, 885, field("23:00", 5));
        place(second, 891, field("Rossi", 40));
        place(second, 932, field("Bianchi", 40));
        place(second, 1383, field("Verdi", 40));
        place(second, 4294, field(QByteArray(40, 'N'), 40));
        place(second, 4335, field("turni.pdf", 250));
        place(second, 5590, field("sede", 250));
        QCOMPARE(file.mid(5841), second);
    }

    // A record whose reserved block holds other bytes (another program, a
    // damaged file): its fields read as ever, the start of row 9 from offset
    // 843; stored again, in place or appended, the block is 121 zero bytes
    // and every field keeps its text.
    void reservedBlockIsWrittenAsZeros()
    {
        QByteArray stored(5841, '\0');
        place(stored, 0, field("Estate", 50));
        place(stored, 51, field("30/06/2025", 10));
        place(stored, 62, field("06/07/2025", 10));
        place(stored, 716, field("12:00", 5));
        place(stored, 722, QByteArray(1, char(5)) + "09:30" + QByteArray(115, 'x'));
        place(stored, 843, field("08:00", 5));
        place(stored, 3843, field("Neri", 40));
        place(stored, 5590, field("foto", 250));
        QVERIFY(setFileContent(weekly::archivePath(Year), stored));

        const Archive archive = weeklyArchive(Year);
        const Record table = archive.read(1);
        QCOMPARE(table.text(u"Fine08"), QStringLiteral("12:00"));
        QCOMPARE(table.text(u"Inizio09"), QStringLiteral("08:00"));
        QCOMPARE(table.text(u"Dom01"), QStringLiteral("Neri"));
        archive.overwrite(1, table);
        archive.append(table);

        QByteArray zeroed = stored;
        place(zeroed, 722, QByteArray(121, '\0'));
        QCOMPARE(fileContent(weekly::archivePath(Year)), zeroed + zeroed);
        for (const QString& name : weekly::screenFields())
            QCOMPARE(archive.read(2).text(name), table.text(name));
    }

    // Every field but the reserved block, from the name to the last description.
    void screenFields()
    {
        const QStringList fields = weekly::screenFields();
        QCOMPARE(fields.size(), 6 + 24 + 84 + 6);
        QCOMPARE(fields.first(), QStringLiteral("Nome"));
        QCOMPARE(fields.mid(fields.indexOf(QStringLiteral("Fine08")), 2), (QStringList{"Fine08", "Inizio09"}));
        QCOMPARE(fields.mid(fields.indexOf(QStringLiteral("Lun12")), 2), (QStringList{"Lun12", "Mar01"}));
        QCOMPARE(fields.last(), QStringLiteral("Desc03"));
        QVERIFY(!fields.contains(QString()));
    }

    // The name, then the start date, then the end date; the dates are not compared.
    void saveNeedsNameAndWeek_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("refused");
        QTest::newRow("all empty: the name") << "" << "" << "" << "Nome";
        QTest::newRow("name of blanks") << "   " << "05/05/2025" << "11/05/2025" << "Nome";
        QTest::newRow("no start") << "Turno" << "" << "" << "DataInizio";
        QTest::newRow("start of blanks") << "Turno" << "  " << "11/05/2025" << "DataInizio";
        QTest::newRow("no end") << "Turno" << "05/05/2025" << "" << "DataFine";
        QTest::newRow("end before start") << " Turno " << "11/05/2025" << "05/05/2025" << "";
    }
    void saveNeedsNameAndWeek()
    {
        QFETCH(QString, name);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, refused);
        const auto refusal = weekly::checkForSave({{"Nome", name}, {"DataInizio", start}, {"DataFine", end}});
        QCOMPARE(refusal ? refusal->field : QString(), refused);
        if (!refusal)
            return;
        QCOMPARE(refusal->box, SaveCheck::Refusal::Box::Warning);
        const QHash<QString, QString> messages{
            {"Nome", QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il nome identificativo "
                                       "della tabella dei turni.")},
            {"DataInizio", QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare la data di "
                                             "inizio della settimana a cui si riferiscono i turni di lavoro.")},
            {"DataFine", QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare la data di fine "
                                           "della settimana a cui si riferiscono i turni di lavoro.")}};
        QCOMPARE(refusal->message, messages.value(refused));
    }

    void resultLine()
    {
        const Record r = weeklyTable(" Turno della settimana per lo sportello ", "05/05/2025", " 11/05/2025 ",
                                     {{"Sede", "Verona"}, {"Annotazioni", " note  lunghe oltre ogni colonna "}});
        QCOMPARE(weekly::resultLine(r),
                 QStringLiteral("Turno della settimana per lo s  Da: 05/05/2025  A: 11/05/2025  Sede: Verona"
                                "                          Note: note  lunghe oltre ogni colonna"));
        QCOMPARE(weekly::resultLine(weeklyRecord({})), QString(30, u' ') + "  Da: " + QString(10, u' ') + "  A: "
                                                           + QString(10, u' ') + "  Sede: " + QString(30, u' ')
                                                           + "  Note: ");
    }

    void searchCriteria_data()
    {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QList<int>>("found");
        QTest::newRow("every criterion empty: all, in archive order") << Typed{} << QList<int>{1, 2, 3, 4};
        QTest::newRow("criteria of blanks count as empty") << Typed{{0, "  "}, {5, " "}} << QList<int>{1, 2, 3, 4};
        QTest::newRow("weeks starting in May, whatever their end") << Typed{{2, "/05/"}} << QList<int>{1, 3};
        QTest::newRow("weeks ending in May") << Typed{{3, "/05/"}} << QList<int>{1, 2};
        QTest::newRow("name in capitals") << Typed{{0, "SETTIMANA"}} << QList<int>{1, 2, 3};
        QTest::newRow("two criteria must both match") << Typed{{1, "centro"}, {2, "/05/"}} << QList<int>{1};
        QTest::newRow("instructions") << Typed{{4, "chiavi in"}} << QList<int>{3};
        QTest::newRow("a trailing blank is looked for") << Typed{{5, "in citt\u00E0 "}} << QList<int>{};
        QTest::newRow("A-Z lowered, accented letters as they are") << Typed{{5, "IN CITT\u00E0"}} << QList<int>{1};
        QTest::newRow("an accented capital stays") << Typed{{5, "citt\u00C0"}} << QList<int>{};
    }
    void searchCriteria()
    {
        QFETCH(Typed, typed);
        QFETCH(QList<int>, found);
        writeWeekly(Year, {weeklyTable("Settimana A", "05/05/2025", "11/05/2025",
                                       {{"Sede", "Centro"}, {"Annotazioni", "Festivo in citt\u00E0"}}),
                           weeklyTable("Settimana B", "28/04/2025", "04/05/2025", {{"Sede", "Periferia"}}),
                           weeklyTable("settimana C", "26/05/2025", "01/06/2025",
                                       {{"Disposizioni", "Chiavi in portineria"}}),
                           weeklyTable("Estate", "07/07/2025", "13/07/2025",
                                       {{"Sede", "centro storico"}, {"Lun01", "/05/"}})});
        const QList<ResultLine> lines =
            weekly::search(weekly::archivePath(Year), typedTexts<weekly::SearchTexts>(typed));
        QCOMPARE(positions(lines), found);
        QCOMPARE(linesNotOfTheirRecord(lines, weeklyArchive(Year), weekly::resultLine), QList<ResultLine>{});
    }

    // Tables with the same first 30 characters of name and site, the same
    // week and notes give equal lines: both point at the later table. A
    // missing archive is created empty and lists nothing.
    void equalLinesPointAtTheLaterTable()
    {
        const QString name = QStringLiteral("Turno della settimana per lo sportello ");
        writeWeekly(Year, {weeklyTable(name + "A", "05/05/2025", "11/05/2025", {{"Lun01", "prima"}}),
                           weeklyTable("Altro", "05/05/2025", "11/05/2025"),
                           weeklyTable(name + "B", "05/05/2025", "11/05/2025", {{"Lun01", "seconda"}})});
        const QList<ResultLine> lines = weekly::search(weekly::archivePath(Year), {});
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0).text, lines.at(2).text);
        QCOMPARE(positions(lines), (QList<int>{3, 2, 3}));

        const QString missing = weekly::archivePath("2031");
        QVERIFY(!QFileInfo::exists(missing));
        QVERIFY(weekly::search(missing, {}).isEmpty());
        QCOMPARE(QFileInfo(missing).size(), 0);
    }

    // Every box of the design where the template puts it, in millimetres
    // from the printable area's corner, with its point size and alignment:
    // the twelve rows of nine boxes each, the column rules, the site across
    // the page, the closing part; and no period box.
    void sheetDesign()
    {
        const Report::Template sheet = WeeklySheet::design();
        QCOMPARE(sheet.name, QStringLiteral("Turno di Lavoro"));
        QCOMPARE(sheet.previewButtons, Report::StandardPreview);
        QCOMPARE(sheet.page.sizeMm(), QSizeF(297, 210));
        QCOMPARE(sheet.page.leftMargin, 10.0);

        using Report::HAlign;
        using Box = std::tuple<QString, double, double, double, double, double, HAlign, QString>;
        QList<Box> boxes{
            {"titNome", 1, 1, 157.8, 7.2, 12, HAlign::Left, "NOME TURNO"},
            {"titData", 160, 1, 115.8, 7.2, 12, HAlign::Right, "SETTIMANA DAL  GG/MM/AAAA  AL  GG/MM/AAAA "},
            {"infInizio", 2, 11, 16, 4.2, 8, HAlign::Centre, "Dalle ore"},
            {"infFine", 20.2, 11, 16, 4.2, 8, HAlign::Centre, "Alle ore"},
            {"Memo6", 39, 11, 32, 4.2, 9, HAlign::Centre, "LUNEDI'"},
            {"Memo1", 72.8, 11, 32, 4.2, 9, HAlign::Centre, "MARTEDI'"},
            {"Memo5", 107, 11, 32, 4.2, 9, HAlign::Centre, "MERCOLEDI'"},
            {"Memo4", 141, 11, 32, 4.2, 9, HAlign::Centre, "GIOVEDI'"},
            {"Memo3", 175, 11, 32, 4.2, 9, HAlign::Centre, "VENERDI'"},
            {"Memo2", 209, 11, 32, 4.2, 9, HAlign::Centre, "SABATO"},
            {"infAttivita", 243, 11, 32, 4.2, 9, HAlign::Centre, "DOMENICA"},
            {"Memo36", 2, 107, 273, 4.2, 9, HAlign::Centre, "SEDE OPERATIVA"},
            {"titSede", 3, 113, 271.5, 4.4, 9, HAlign::Left, ""},
            {"Memo35", 2, 125, 273, 4.2, 9, HAlign::Left, "DISPOSIZIONI ORGANIZZATIVE"},
            {"titDisposizioni", 3, 131, 271.5, 4.4, 9, HAlign::Left, ""},
            {"Memo37", 2, 142, 273, 4.2, 9, HAlign::Left, "ANNOTAZIONI"},
            {"titAnnotazioni", 3, 148, 271.5, 4.4, 9, HAlign::Left, ""},
            {"Memo38", 200, 159, 74, 4.2, 9, HAlign::Left, "FIRMA DEL RESPONSABILE:"},
            {"txtCalce", 2, 183, 273, 4.2, 8, HAlign::Centre, "Data e ora stampa"},
        };
        const double cellLefts[] = {39, 73, 107, 141, 175, 209, 243.2};
        for (int r = 1; r <= 12; ++r) {
            const double top = 17 + 7 * (r - 1);
            boxes << Box{layout::numberedName("titInizio", r), 2, top, 16, 4.4, 9, HAlign::Centre, ""}
                  << Box{layout::numberedName("titFine", r), 20.2, top, 16, 4.4, 9, HAlign::Centre, ""};
            for (int d = 0; d < 7; ++d)
                boxes << Box{"tit" + layout::numberedName(Days[d], r), cellLefts[d], top, 32, 4.4, 9, HAlign::Left, ""};
        }
        for (const auto& [name, left, top, width, height, points, align, text] : boxes) {
            const Report::Object& o = sheet.object(name);
            QCOMPARE(o.kind, Report::ObjectKind::Text);
            QCOMPARE((QList<int>{hundredths(o.box.left()), hundredths(o.box.top()), hundredths(o.box.width()),
                                 hundredths(o.box.height())}),
                     (QList<int>{qRound(left * 100), qRound(top * 100), qRound(width * 100), qRound(height * 100)}));
            QCOMPARE(o.fontName, QStringLiteral("Arial"));
            QCOMPARE(o.pointSize, points);
            QCOMPARE(o.hAlign, align);
            QCOMPARE(o.vAlign, name == "txtCalce" ? Report::VAlign::Top : Report::VAlign::Centre);
            QCOMPARE(o.text, text);
            QVERIFY(!o.wordWrap && !o.expressions && !o.bold);
            QCOMPARE(o.colour, name == "infAttivita" ? QColor(Qt::red) : QColor(Qt::black));
        }

        // Rectangles and rules: left, top, width, height.
        QList<std::tuple<QString, double, double, double, double>> shapes{
            {"Shape1", 1, 10, 275, 5.8},   {"Shape16", 1, 106, 275, 5.8}, {"Shape17", 1, 112, 275, 6.6},
            {"Shape19", 1, 130, 275, 6.6}, {"Shape21", 1, 147, 275, 6.6}, {"Shape23", 1, 182, 275, 5.8},
            {"Line2", 19, 10, 0, 89.6},    {"Line1", 37.2, 10, 0, 89.6},  {"Line9", 72, 10, 0, 89.6},
            {"Line8", 106, 10, 0, 89.6},   {"Line7", 140, 10, 0, 89.6},   {"Line6", 174.2, 10, 0, 89.6},
            {"Line5", 208, 10, 0, 89.6},   {"Line4", 242, 10, 0, 89.6},   {"Line3", 200, 175, 75, 0}};
        for (int r = 1; r <= 12; ++r)
            shapes << std::tuple<QString, double, double, double, double>{QStringLiteral("Shape%1").arg(r + 1), 1,
                                                                          16 + 7 * (r - 1), 275, 6.6};
        for (const auto& [name, left, top, width, height] : shapes) {
            const QRectF box = sheet.object(name).box;
            QCOMPARE((QList<int>{hundredths(box.left()), hundredths(box.top()), hundredths(box.width()),
                                 hundredths(box.height())}),
                     (QList<int>{qRound(left * 100), qRound(top * 100), qRound(width * 100), qRound(height * 100)}));
        }
        QCOMPARE(sheet.object("Shape1").fill, QColor(0xB0, 0xC4, 0xDE));
        QCOMPARE(sheet.object("Shape16").fill, QColor(0xF5, 0xF5, 0xDC));
        QCOMPARE(sheet.object("Shape23").fill, QColor(0xFF, 0xD7, 0x00));
        for (const char* none : {"titPeriodo", "Shape14", "Shape15", "titLavoratore01", "titAttivita01"})
            QVERIFY2(!sheet.hasObject(none), none);
    }

    // The boxes take the table's fields trimmed, each cell its own day and
    // row; the week is printed as it is, an end before the start too.
    void sheetFilledFromTheTable()
    {
        WeeklyFields cells;
        for (int r = 1; r <= 12; ++r) {
            cells << qMakePair(layout::numberedName("Inizio", r), QStringLiteral(" %1:00 ").arg(r + 6))
                  << qMakePair(layout::numberedName("Fine", r), QStringLiteral("%1:30").arg(r + 6));
            for (const char* day : Days)
                cells << qMakePair(layout::numberedName(day, r), QStringLiteral(" %1 %2 ").arg(QLatin1String(day)).arg(r));
        }
        const Record table = weeklyTable(" Turno estivo ", " 13/07/2025 ", "07/07/2025",
                                         cells + WeeklyFields{{"Sede", " Verona "},
                                                              {"Disposizioni", "Chiavi"},
                                                              {"Annotazioni", "nessuna"}});
        Report::Template sheet = WeeklySheet::design();
        sheet.page.setOrientation(Report::Orientation::Portrait);
        WeeklySheet::fill(sheet, table, QDateTime(QDate(2025, 3, 7), QTime(14, 5, 9)), QStringLiteral("HH:mm:ss"));
        QCOMPARE(sheet.page.sizeMm(), QSizeF(297, 210));
        for (const auto& [name, text] : QList<std::pair<const char*, const char*>>{
                 {"titNome", "Turno estivo"},
                 {"titData", "SETTIMANA DAL  13/07/2025  AL  07/07/2025 "},
                 {"titSede", "Verona"},
                 {"titDisposizioni", "Chiavi"},
                 {"titAnnotazioni", "nessuna"},
                 {"txtCalce", "Stampa eseguita in data 07/03/2025 alle ore 14:05:09"}})
            QCOMPARE(sheet.object(QLatin1String(name)).text, QLatin1String(text));
        for (int r = 1; r <= 12; ++r) {
            QCOMPARE(sheet.object(layout::numberedName("titInizio", r)).text, QStringLiteral("%1:00").arg(r + 6));
            QCOMPARE(sheet.object(layout::numberedName("titFine", r)).text, QStringLiteral("%1:30").arg(r + 6));
            for (const char* day : Days)
                QCOMPARE(sheet.object("tit" + layout::numberedName(day, r)).text,
                         QStringLiteral("%1 %2").arg(QLatin1String(day)).arg(r));
        }
        // The headings keep their texts; a table without dates still prints the words.
        QCOMPARE(sheet.object("infAttivita").text, QStringLiteral("DOMENICA"));
        WeeklySheet::fill(sheet, weeklyRecord({}), QDateTime(QDate(2025, 3, 7), QTime(9, 0)));
        QCOMPARE(sheet.object("titData").text, QStringLiteral("SETTIMANA DAL    AL   "));
        QCOMPARE(sheet.object("titLun01").text, QString());
    }

    // The page as drawn (10 mm margins: a box at x mm has its ink from
    // x + 10, plus half a millimetre of padding for a text).
    void drawnPage()
    {
        Clock::set(QDateTime(QDate(2025, 3, 7), QTime(9, 0)));
        const QString tooLong(40, QLatin1Char('W'));
        const Report::Prepared prepared =
            WeeklySheet::filled(weeklyTable("Turno estivo", "13/07/2025", "07/07/2025",
                                            {{"Lun01", tooLong}, {"Dom01", tooLong}, {"Mar02", "Rossi"},
                                             {"Dom12", "Neri"}, {"Sede", "Sede centrale"}}))
                .prepare();
        QCOMPARE(prepared.pages.size(), 1);
        const QImage img = Report::renderPage(prepared.pages.first(), PageDpi);
        QCOMPARE(img.size(), QSize(2970, 2100));

        // The week at the right of its box (285.8 mm) less the trailing blank.
        const QRectF week = inkIn(img, QRectF(170.5, 10.5, 116, 8));
        QVERIFY2(week.right() > 283.5 && week.right() < 285.5, qPrintable(QString::number(week.right())));
        QVERIFY2(week.left() > 175, qPrintable(QString::number(week.left())));

        // A cell wider than its 32 mm column stops at the column's right
        // edge: Monday's at 81 mm, before the rule at 82; Sunday's at
        // 285.2 mm, before the row's frame at 286.
        for (const auto& [from, edge] : QList<std::pair<double, double>>{{49, 81}, {253.2, 285.2}}) {
            const QRectF cell = inkIn(img, QRectF(from, 27, edge + 0.5 - from, 4.4));
            QVERIFY2(cell.right() > edge - 0.5 && cell.right() < edge + 0.1, qPrintable(QString::number(cell.right())));
        }
        // A Tuesday cell from its box's left edge (83 mm).
        const QRectF tuesday = inkIn(img, QRectF(82.5, 34, 30, 4.4));
        QVERIFY2(tuesday.left() > 83.3 && tuesday.left() < 84.1, qPrintable(QString::number(tuesday.left())));

        // An empty row shows only the eight rules, from 29 to 252 mm.
        const QString rules = notOnlyRulesAcross(img, 78.2, {29, 47.2, 82, 116, 150, 184.2, 218, 252});
        QVERIFY2(rules.isEmpty(), qPrintable(rules));
        // The rules run from the heading band (20 mm) to 109.6 mm.
        QVERIFY(isInk(img.pixel(px(82), px(20.5))) && isInk(img.pixel(px(82), px(109))));
        QVERIFY(!isInk(img.pixel(px(82), px(111))));

        // The site across the page: its heading centred on the page, its
        // value from the left (13 mm), the beige bar from edge to edge.
        const QRectF siteHeading = inkIn(img, QRectF(12.5, 117, 272, 4.2));
        QVERIFY2(qAbs(siteHeading.center().x() - 148.5) < 0.5, qPrintable(QString::number(siteHeading.center().x())));
        const QRectF site = inkIn(img, QRectF(12.5, 123, 272, 4.4));
        QVERIFY2(site.left() > 13.3 && site.left() < 14.1, qPrintable(QString::number(site.left())));
        for (double x : {12.0, 100.0, 284.0})
            QCOMPARE(img.pixel(px(x), px(118)) & 0xFFFFFF, 0xF5F5DCu);

        // Red only in the Sunday heading (253 to 285 mm, 21 to 25.2 mm):
        // the Sunday cells are black.
        int red = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (isRed(img.pixel(x, y))) {
                    ++red;
                    QVERIFY2(QRectF(253, 21, 32, 4.2).contains(QPointF(x / 10.0, y / 10.0)),
                             qPrintable(QStringLiteral("%1, %2").arg(x / 10.0).arg(y / 10.0)));
                }
        QVERIFY(red > 50);
        QVERIFY(!inkIn(img, QRectF(253.2, 104, 32, 4.4)).isEmpty());
    }
};

QTEST_MAIN(TestWeeklyRules)
#include "tst_weeklyrules.moc"
