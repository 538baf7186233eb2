// The export file: its exact bytes, the escaping of the markup characters,
// the replacing of an earlier file and the failure to create one.

#include "output/spreadsheet.h"
#include "storage/textfield.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Skeleton =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>%NAME%</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head>"
    "<body><table x:str>%ROWS%</table></body></html>";

QByteArray expectedFile(const QByteArray& name, const QByteArray& rows)
{
    return QByteArray(Skeleton).replace("%NAME%", name).replace("%ROWS%", rows);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

constexpr qint64 Limit = 3 << 19;  // one and a half chunks

const QByteArray H = "<td style=\"text-align: left; font-weight: bold;\" width=";
const QByteArray D = "<td style=\"text-align: left; mso-number-format:'\\@';\" sdnum=\"1040;0;@\">";

}  // namespace

class TestSpreadsheet : public QObject {
    Q_OBJECT
private slots:
    void wholeFile()
    {
        const auto table = Spreadsheet::Table::of(
            QStringLiteral("Soci & amici"),
            {{QStringLiteral("Nome <socio>"), 250}, {QStringLiteral("Citt\u00E0"), 100}},
            {{QStringLiteral("  Rossi <Mario>  "), QStringLiteral("Forl\u00EC")},
             {QStringLiteral("A & B"), QStringLiteral("x > y \u20AC")}});
        const QByteArray rows = "<tr>" + H + "250>Nome &lt;socio&gt;</td>" + H + "100>Citt\xE0</td></tr>"
                                "<tr>" + D + "Rossi &lt;Mario&gt;</td>" + D + "Forl\xEC</td></tr>"
                                "<tr>" + D + "A &amp; B</td>" + D + "x &gt; y \x80</td></tr>";
        const QByteArray bytes = Spreadsheet::document(Spreadsheet::Table(table));
        QCOMPARE(bytes, expectedFile("Soci &amp; amici", rows));
        QVERIFY(!bytes.contains('\n') && !bytes.contains('\r'));
    }

    void noRowsStillHasHeader()
    {
        const auto table = Spreadsheet::Table::of(QStringLiteral("Vuoto"), {{QStringLiteral("N."), 60}}, {});
        QCOMPARE(Spreadsheet::document(table), expectedFile("Vuoto", "<tr>" + H + "60>N.</td></tr>"));
    }

    void bigTableIsWrittenWhole()
    {
        // Rows over several chunks, written by the writer's own thread while
        // the next chunk fills: none may be lost, doubled or moved.
        const int count = 40000;
        Spreadsheet::Table table{QStringLiteral("W"), {{QStringLiteral("V"), 10}}, count,
                                 [](int i) { return QStringList{QStringLiteral("riga %1 \u00E8").arg(i)}; }};
        QByteArray rows = "<tr>" + H + "10>V</td></tr>";
        for (int i = 0; i < count; ++i)
            rows += "<tr>" + D + "riga " + QByteArray::number(i) + " \xE8</td></tr>";
        QVERIFY(rows.size() > 3 * (1 << 20));
        QCOMPARE(Spreadsheet::document(table), expectedFile("W", rows));
    }

    // A device that refuses a write part way through a long file: the
    // writer says so, stops asking for rows and writes nothing after it.
    void refusedWriteStopsTheWriter()
    {
        class Refusing : public QBuffer {
        protected:
            qint64 writeData(const char* data, qint64 size) override
            {
                return this->size() + size > Limit ? -1 : QBuffer::writeData(data, size);
            }
        };
        Refusing device;
        QVERIFY(device.open(QIODevice::WriteOnly));
        Spreadsheet::Writer writer(device, u"W", {{QStringLiteral("V"), 10}});
        constexpr int Offered = 200000;
        int rows = 0;
        for (; rows < Offered && writer.ok(); ++rows)
            writer.row({QStringLiteral("riga %1").arg(rows)});
        QVERIFY(!writer.finish());
        QVERIFY(rows < Offered);
        QVERIFY(device.size() <= Limit);
        QVERIFY(!device.data().endsWith("</html>"));
    }

    // The writer encodes through a table: every character must come out as
    // the codec makes it when the whole text goes through it at once, mapped
    // or not ('?'), surrogates alone or in pairs included.
    void encodingMatchesTheCodec()
    {
        QList<QStringList> rows;
        QString cell;
        for (char32_t u = 0; u < 0x10000; ++u) {
            if (QChar::isSurrogate(u))
                continue;
            cell += QChar(char16_t(u));
            if (cell.size() == 400 || u == 0xFFFF) {
                rows << QStringList{QLatin1Char('a') + cell + QLatin1Char('a')};  // inner blanks and controls are not trimmed
                cell.clear();
            }
        }
        const QChar high(0xD83D), low(0xDE00);
        for (const QString& odd : {QStringLiteral("a\U0001F600b"), QStringLiteral("\U0001F600"),
                                   QStringLiteral("a") + high + QLatin1Char('b'), QStringLiteral("a") + low + QLatin1Char('b'),
                                   QStringLiteral("a") + high, low + QStringLiteral("b <\u20AC>")})
            rows << QStringList{odd};
        const auto table = Spreadsheet::Table::of(QStringLiteral("W \u00E8 \u03A9"), {{QStringLiteral("V"), 10}}, rows);

        QString whole = QStringLiteral("<tr>") + QString::fromLatin1(H) + QStringLiteral("10>V</td></tr>");
        for (const QStringList& row : std::as_const(rows))
            whole += QStringLiteral("<tr>") + QString::fromLatin1(D) + Spreadsheet::escaped(row.first()) +
                     QStringLiteral("</td></tr>");
        QCOMPARE(Spreadsheet::document(table),
                 expectedFile("W \xE8 ?", TextField::toAnsi(whole)));
    }

    void fileIsReplaced()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Prova.xls"));
        const QList<Spreadsheet::HeaderCell> header{{QStringLiteral("V"), 10}};
        QVERIFY(Spreadsheet::writeFile(path, Spreadsheet::Table::of("W", header, {{"primo"}, {"secondo"}})));
        const auto second = Spreadsheet::Table::of("W", header, {{"terzo"}});
        QVERIFY(Spreadsheet::writeFile(path, second));
        QCOMPARE(readAll(path), Spreadsheet::document(second));
    }

    void failureToCreate()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Prova.xls")));  // a folder in the way
        QVERIFY(!Spreadsheet::writeFile(dir.filePath(QStringLiteral("Prova.xls")),
                                        Spreadsheet::Table::of("W", {{"V", 10}}, {{"x"}})));
    }
};

QTEST_GUILESS_MAIN(TestSpreadsheet)
#include "tst_spreadsheet.moc"
