// The service-hours templates without windows: the record as it lies in
// Orari.pro, the save check, the search and its lines, what each caller
// takes from a template, the export's cells and file, and the printed sheet.

#include "app/dates.h"
#include "hours/hoursfixture.h"
#include "hours/hourssheet.h"
#include "storage/appdir.h"
#include "support/fulldisk.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// The filters typed into a search: an index into kSearchFields and a text.
using Typed = QList<std::pair<int, QString>>;

namespace {

QList<int> positions(const QList<ResultLine>& lines)
{
    QList<int> out;
    for (const ResultLine& l : lines)
        out << l.position;
    return out;
}

QString slot(const char* stem, int k)
{
    return QLatin1String(stem) + QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
}

constexpr double Dpi = 254;  // 10 pixels per millimetre
int px(double millimetres) { return qRound(millimetres * 10); }
bool isInk(QRgb p) { return qGray(p) < 110; }

}  // namespace

class TestHoursRules : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { AppDir::set(m_dir.path()); }
    void cleanup() { Clock::set({}); }

    // Every field at its offset: a length byte, the Windows-1252 text, zeros
    // up to the capacity. Texts are trimmed and cut; a time is free text.
    void recordBytesOfASavedTemplate()
    {
        writeHours({{{"Nome", QString(60, QLatin1Char('N'))},
                     {"Periodo", " Estate 2025 "},
                     {"Sede", "Citt\u00E0 alta"},
                     {"Annotazioni", "\u0142"},  // not in the code page
                     {"Inizio01", "8"},
                     {"Fine01", "12:30"},
                     {"Attivita03", "Pulizia"},
                     {"Fine12", "ore"},
                     {"File01", "turni.pdf"},
                     {"Desc03", "firmato"}}});
        QByteArray expected(3757, '\0');
        place(expected, 0, field(QByteArray(50, 'N'), 50));
        place(expected, 51, field("Estate 2025", 50));
        place(expected, 102, field("Citt\xE0 alta", 50));
        place(expected, 404, field("?", 250));
        place(expected, 655, field("8", 5));
        place(expected, 661, field("12:30", 5));
        place(expected, 655 + 2 * 133 + 12, field("Pulizia", 120));
        place(expected, 655 + 11 * 133 + 6, field("ore", 5));
        place(expected, 2251, field("turni.pdf", 250));
        place(expected, 3506, field("firmato", 250));
        QCOMPARE(fileContent(hours::archivePath()), expected);
        QCOMPARE(hoursArchive().read(1).text(u"Sede"), QStringLiteral("Citt\u00E0 alta"));
    }

    void saveNeedsTheName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("blanks only") << "   " << true;
        QTest::newRow("a name") << " Turno A " << false;
    }
    void saveNeedsTheName()
    {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        // Nothing else is required: every other field may be empty.
        const auto refusal = hours::checkForSave({{"Nome", name}, {"Periodo", ""}, {"Inizio01", ""}});
        QCOMPARE(refusal.has_value(), refused);
        if (refused) {
            QCOMPARE(refusal->field, QStringLiteral("Nome"));
            QCOMPARE(refusal->box, SaveCheck::Refusal::Box::Warning);
            QCOMPARE(refusal->message,
                     QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il nome "
                                       "identificativo della tabella dei turni."));
        }
    }

    void resultLine()
    {
        const Record r = hoursRecord({{"Nome", " Turno estivo "},
                                      {"Periodo", "Giugno - Settembre 2025 e oltre"},
                                      {"Sede", "Verona"},
                                      {"Annotazioni", "note  lunghe oltre ogni colonna "}});
        QCOMPARE(hours::resultLine(r),
                 QStringLiteral("Turno estivo                    Periodo: Giugno - Settembre 2025   Sede: Verona"
                                "                    Note: note  lunghe oltre ogni colonna"));
        QCOMPARE(hours::resultLine(hoursRecord({})),
                 QString(30, u' ') + "  Periodo: " + QString(24, u' ') + "  Sede: " + QString(24, u' ') + "  Note: ");
    }

    void searchFilters_data()
    {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QList<int>>("found");
        QTest::newRow("every filter empty: all, in archive order") << Typed{} << QList<int>{1, 2, 3, 4};
        QTest::newRow("activity 2 is looked for in slot 2 only") << Typed{{5, "apertura"}} << QList<int>{1};
        QTest::newRow("activity 3 in slot 3") << Typed{{6, "APERTURA"}} << QList<int>{2};
        QTest::newRow("activity 3 finds slot 3, not slot 6") << Typed{{6, "pulizia"}} << QList<int>{1};
        QTest::newRow("name, any case, a part of it") << Typed{{0, "ESTIV"}} << QList<int>{1, 4};
        QTest::newRow("two filters must both match") << Typed{{0, "estiv"}, {2, "roma"}} << QList<int>{4};
        QTest::newRow("a typed blank is looked for") << Typed{{0, "estivo "}} << QList<int>{4};
        QTest::newRow("notes and activity 5") << Typed{{9, "festiv"}, {8, "custodia"}} << QList<int>{};
        QTest::newRow("period and instructions") << Typed{{1, "dicembre"}, {3, "chiavi"}} << QList<int>{3};
    }
    void searchFilters()
    {
        QFETCH(Typed, typed);
        QFETCH(QList<int>, found);
        writeHours({{{"Nome", "Estivo"}, {"Attivita02", "Apertura sede"}, {"Attivita03", "Pulizia"}},
                    {{"Nome", "Invernale"}, {"Attivita03", "Apertura sede"}, {"Attivita06", "Pulizia"}},
                    {{"Nome", "Natalizio"}, {"Periodo", "Dicembre"}, {"Sede", "Roma"}, {"Disposizioni", "Ritirare le chiavi"},
                     {"Annotazioni", "Solo festivi"}},
                    {{"Nome", "estivo bis"}, {"Sede", "Roma"}, {"Attivita05", "Custodia"}}});
        hours::SearchTexts texts;
        for (const auto& [index, text] : typed)
            texts[std::size_t(index)] = text;
        QCOMPARE(positions(hours::search(hours::archivePath(), texts)), found);
    }

    // Two templates with the same line are both listed, and both lines hand
    // back the later one; a missing archive is created and lists nothing.
    void equalLinesHandBackTheLaterTemplate()
    {
        writeHours({{{"Nome", "Turno A"}, {"Attivita01", "prima"}},
                    {{"Nome", "Turno B"}},
                    {{"Nome", "Turno A"}, {"Attivita01", "seconda"}}});
        const QList<ResultLine> lines = hours::search(hours::archivePath(), {});
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0).text, lines.at(2).text);
        QCOMPARE(positions(lines), (QList<int>{3, 2, 3}));

        QVERIFY(QFile::remove(hours::archivePath()));
        QVERIFY(hours::search(hours::archivePath(), {}).isEmpty());
        QCOMPARE(QFileInfo(hours::archivePath()).size(), 0);
    }

    void whatEachCallerTakes()
    {
        QCOMPARE(hours::importerOf("orari"), std::optional(hours::Importer::Hours));
        QCOMPARE(hours::importerOf("turni"), std::optional(hours::Importer::Daily));
        QCOMPARE(hours::importerOf("settimanale"), std::optional(hours::Importer::Weekly));
        QCOMPARE(hours::importerOf("Orari"), std::nullopt);
        QCOMPARE(hours::importerOf("turni_01"), std::nullopt);

        const QStringList all = hours::importedFields(hours::Importer::Hours);
        QCOMPARE(all.size(), 47);
        QVERIFY(all.contains("File01") && all.contains("Desc03") && all.contains("Attivita12"));
        const QStringList daily = hours::importedFields(hours::Importer::Daily);
        QCOMPARE(daily.size(), 41);
        for (const char* name : {"Nome", "Periodo", "Sede", "Disposizioni", "Annotazioni", "Inizio12", "Attivita01"})
            QVERIFY2(daily.contains(name), qPrintable(name));
        QVERIFY(!daily.contains("File01") && !daily.contains("Desc01"));
        QStringList weekly{"Nome", "Sede", "Disposizioni", "Annotazioni"};
        for (int k = 1; k <= 12; ++k)
            weekly << slot("Inizio", k) << slot("Fine", k);
        QCOMPARE(hours::importedFields(hours::Importer::Weekly), weekly);
    }

    // Ten slots of twelve; a slot without times still gives its time column.
    void exportCellsAndColumns()
    {
        HoursFields full{{"Nome", "Tutto pieno"}, {"Annotazioni", "fine"}};
        for (int k = 1; k <= 12; ++k)
            full << qMakePair(slot("Inizio", k), QStringLiteral("%1:00").arg(k + 6, 2, 10, QLatin1Char('0')))
                 << qMakePair(slot("Fine", k), QStringLiteral("%1:00").arg(k + 7, 2, 10, QLatin1Char('0')))
                 << qMakePair(slot("Attivita", k), QStringLiteral("Compito %1").arg(k));
        const QStringList cells = hours::exportCells(hoursRecord(full));
        QCOMPARE(cells.size(), 25);
        QCOMPARE(cells.at(0), QStringLiteral("Tutto pieno"));
        QCOMPARE(cells.at(4), QStringLiteral("Dalle 07:00 alle 08:00"));
        QCOMPARE(cells.at(5), QStringLiteral("Compito 1"));
        QCOMPARE(cells.at(22), QStringLiteral("Dalle 16:00 alle 17:00"));
        QCOMPARE(cells.at(23), QStringLiteral("Compito 10"));
        QCOMPARE(cells.at(24), QStringLiteral("fine"));
        QVERIFY(!cells.join('|').contains("Compito 11"));

        const QStringList empty = hours::exportCells(hoursRecord({{"Nome", "Vuoto"}, {"Inizio02", "9"}}));
        QCOMPARE(empty.at(4), QStringLiteral("Dalle  alle "));
        QCOMPARE(empty.at(6), QStringLiteral("Dalle 9 alle "));

        const QList<Spreadsheet::HeaderCell> grid = hours::gridColumns();
        QCOMPARE(grid.size(), 26);
        QCOMPARE(grid.at(0).title, QStringLiteral("N."));
        const QList<Spreadsheet::HeaderCell> header = hours::exportHeader();
        QCOMPARE(header.size(), 25);
        const QList<std::tuple<int, const char*, int>> some{
            {0, "Nome tabella turni", 250}, {1, "Periodo validità", 250},          {2, "Sede operativa", 250},
            {3, "Disposizioni organizzative", 350}, {4, "Orario 1", 200}, {5, "Attività da svolgere 1", 300},
            {22, "Orario 10", 200},           {23, "Attività da svolgere 10", 300}, {24, "Annotazioni", 350}};
        for (const auto& [at, title, width] : some) {
            QCOMPARE(header.at(at).title, QString::fromUtf8(title));
            QCOMPARE(header.at(at).width, width);
            QCOMPARE(grid.at(at + 1).title, QString::fromUtf8(title));
        }
    }

    // The command writes the file while it reads the archive: the same bytes
    // as the window's file from its grid; an unreadable archive writes nothing.
    void streamedFileEqualsGridFile()
    {
        const QString file = AppDir::filePath("Orari_Lavoro.xls");
        writeHours({{{"Nome", " Mattina & <sera> "}, {"Inizio01", "08:00"}, {"Fine01", "12:00"}, {"Attivita01", "Sportello"}},
                    {{"Nome", "Vuoto"}}});
        QVERIFY(hours::writeExport(hours::gridRows(hours::archivePath())));
        const QByteArray fromGrid = fileContent(file);
        QVERIFY(QFile::remove(file));
        std::optional<ArchiveError> failure;
        QVERIFY(hours::writeArchiveExport(hours::archivePath(), &failure));
        QVERIFY(!failure);
        QCOMPARE(fileContent(file), fromGrid);

        QVERIFY(QDir(AppDir::path()).mkpath(QStringLiteral("Illeggibile")));
        QVERIFY(!hours::writeArchiveExport(AppDir::filePath("Illeggibile"), &failure));
        QVERIFY(failure.has_value());
        QCOMPARE(fileContent(file), fromGrid);
    }

    // The file: the worksheet's name, the header row, one row per template
    // with every cell trimmed; an empty archive gives the header only; a
    // full disk leaves the earlier file as it was.
    void exportFile()
    {
        const QString file = AppDir::filePath("Orari_Lavoro.xls");
        writeHours({});
        QVERIFY(hours::writeExport(hours::gridRows(hours::archivePath())));
        QByteArray bytes = fileContent(file);
        QVERIFY(bytes.contains("<x:Name>Orari Lavoro</x:Name>"));
        QVERIFY(bytes.contains("<tr><td style=\"text-align: left; font-weight: bold;\" width=250>Nome tabella turni</td>"));
        QVERIFY(bytes.contains("width=300>Attivit\xE0 da svolgere 10</td><td style=\"text-align: left; font-weight: "
                               "bold;\" width=350>Annotazioni</td></tr></table>"));
        QCOMPARE(exportRows(bytes).size(), 1);

        writeHours({{{"Nome", "Mattina"}, {"Inizio01", "08:00"}, {"Fine01", "12:00"}, {"Attivita01", "Sportello"},
                     {"Attivita11", "non esportata"}, {"Annotazioni", "a & b"}},
                    {{"Nome", "Vuoto"}}});
        std::optional<ArchiveError> failure;
        const QList<QStringList> rows = hours::gridRows(hours::archivePath(), &failure);
        QVERIFY(!failure);
        QCOMPARE(rows.size(), 2);
        QVERIFY(hours::writeExport(rows));
        bytes = fileContent(file);
        const QList<QStringList> written = exportRows(bytes);
        QCOMPARE(written.size(), 3);
        QStringList first{"Mattina", "", "", "", "Dalle 08:00 alle 12:00", "Sportello"};
        QStringList second{"Vuoto", "", "", ""};
        for (int k = 2; k <= 10; ++k)
            first << "Dalle  alle" << "";
        for (int k = 1; k <= 10; ++k)
            second << "Dalle  alle" << "";
        first << "a &amp; b";
        second << "";
        QCOMPARE(written.at(1), first);
        QCOMPARE(written.at(2), second);
        QVERIFY(!bytes.contains("non esportata"));

        {
            const FullDisk full;
            QVERIFY(!hours::writeExport({}));
        }
        QCOMPARE(fileContent(file), bytes);
    }

    void sheetFilledFromTheTemplate()
    {
        Report::Template sheet = HoursSheet::design();
        QCOMPARE(sheet.name, QStringLiteral("Orario di Lavoro"));
        QCOMPARE(sheet.object("titNome").text, QStringLiteral("NOME TURNO"));
        QCOMPARE(sheet.object("txtCalce").text, QStringLiteral("Data e ora stampa"));
        QCOMPARE(sheet.previewButtons, Report::StandardPreview);
        sheet.page.setOrientation(Report::Orientation::Portrait);
        HoursSheet::fill(sheet,
                         hoursRecord({{"Nome", " Turno estivo "}, {"Periodo", "Estate"}, {"Sede", "Verona"},
                                      {"Disposizioni", "Chiavi in portineria"}, {"Annotazioni", "nessuna"},
                                      {"Inizio01", "08:00"}, {"Fine01", "12:00"}, {"Attivita01", "Apertura"},
                                      {"Inizio12", "20:00"}, {"Attivita12", "Chiusura"}}),
                         QDateTime(QDate(2025, 3, 7), QTime(14, 5, 9)));
        QCOMPARE(sheet.page.sizeMm(), QSizeF(297, 210));
        const QList<std::pair<const char*, const char*>> filled{
            {"titNome", "Turno estivo"},   {"titPeriodo", "Estate"},      {"titSede", "Verona"},
            {"titDisposizioni", "Chiavi in portineria"}, {"titAnnotazioni", "nessuna"},
            {"titInizio01", "08:00"},      {"titFine01", "12:00"},        {"titAttivita01", "Apertura"},
            {"titInizio12", "20:00"},      {"titFine12", ""},             {"titAttivita12", "Chiusura"},
            {"titAttivita05", ""},
            {"txtCalce", "Stampa eseguita in data 07/03/2025 alle ore 14:05:09"}};
        for (const auto& [name, text] : filled)
            QCOMPARE(sheet.object(QLatin1String(name)).text, QString::fromUtf8(text));
    }

    // The page as drawn, 10 mm margins: the title centred in its box, the
    // frames of row 1 and row 12, an empty slot printing an empty row, the
    // signature line.
    void drawnPage()
    {
        Clock::set(QDateTime(QDate(2025, 3, 7), QTime(9, 0)));
        const Report::Template sheet = HoursSheet::filled(
            hoursRecord({{"Nome", "Turno estivo"}, {"Attivita01", "Apertura"}, {"Attivita12", "Chiusura"}}));
        const Report::Prepared prepared = sheet.prepare();
        QCOMPARE(prepared.pages.size(), 1);
        const QImage img = Report::renderPage(prepared.pages.first(), Dpi);
        QCOMPARE(img.size(), QSize(2970, 2100));

        // The title's ink, centred on the box 11 to 285.8 mm across, 11 to 18.2 mm down.
        int left = img.width(), right = -1, top = img.height(), bottom = -1;
        for (int y = px(11); y < px(18.2); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (isInk(img.pixel(x, y))) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        QVERIFY(right > left);
        QVERIFY2(qAbs((left + right) / 20.0 - 148.4) < 1.0, qPrintable(QString::number((left + right) / 20.0)));
        QVERIFY2(qAbs((top + bottom) / 20.0 - 14.6) < 1.0, qPrintable(QString::number((top + bottom) / 20.0)));
        QVERIFY(bottom - top > px(2.5));  // 12 pt capitals

        // Row frames down the right edge, inside the last column: row 1
        // from 26 to 32.6 mm, row 12 from 103 to 109.6 mm, nothing between
        // their edges and nothing under row 12 before the period's bar.
        const int x = px(285.5);
        for (double y : {26.0, 32.6, 103.0, 109.6, 116.0})
            QVERIFY2(isInk(img.pixel(x, px(y))), qPrintable(QString::number(y)));
        for (double y : {29.3, 106.3, 112.8})
            QVERIFY2(!isInk(img.pixel(x, px(y))), qPrintable(QString::number(y)));
        // Activity 1 and 12 print in their rows; row 5, empty, only shows the column rules at 45 and 79 mm.
        const auto inkAcross = [&img](double yMm) {
            QList<int> columns;
            for (int xx = px(12); xx < px(285); ++xx)
                if (isInk(img.pixel(xx, px(yMm))))
                    columns << xx;
            return columns;
        };
        QVERIFY(inkAcross(29.3).size() > 20);
        QVERIFY(inkAcross(106.3).size() > 20);
        for (int column : inkAcross(57.3))
            QVERIFY2(qAbs(column - px(45)) <= 2 || qAbs(column - px(79)) <= 2, qPrintable(QString::number(column)));

        // The signature line: 210 to 285 mm across, 185 mm down.
        for (double along : {210.5, 284.5})
            QVERIFY(isInk(img.pixel(px(along), px(185))));
        for (double along : {208.5, 286.5})
            QVERIFY(!isInk(img.pixel(px(along), px(185))));
        QVERIFY(!isInk(img.pixel(px(240), px(183))) && !isInk(img.pixel(px(240), px(187))));
    }
};

QTEST_MAIN(TestHoursRules)
#include "tst_hoursrules.moc"
