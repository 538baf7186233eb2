// The member export's rows: which field lands in which column, the joined
// columns, the annulled flag, the packed rows and the whole Tesserati.xls.

#include "members/memberexport.h"
#include "members/memberrecord.h"
#include "storage/archive.h"
#include "storage/record.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

Record member(const QList<std::pair<const char*, QString>>& fields, bool annulled = false)
{
    Record r(members::recordLayout());
    for (const auto& [name, value] : fields)
        r.setText(QString::fromLatin1(name), value);
    r.setFlag(u"Annullata", annulled);
    return r;
}

}  // namespace

class TestMemberExport : public QObject {
    Q_OBJECT
private slots:
    void everyFieldInItsColumn()
    {
        // Each field gets a value naming it, so a swapped column shows at once.
        const char* const order[] = {"Tesserato", "Carica", "NumTessera", "DataRil", "DataScade", "DataNasc",
                                     "ComuneNasc", "ProvNasc", "Sesso", "CapRes", "ComuneRes", "ProvRes",
                                     "IndirizzoRes", "Titoli", "TelCasa", "TelUff", "TelCel", "Recapito", "Fax",
                                     "Email", "CodFisc", "Carta", "ScadeCarta", "PartitaIva", "Iban",
                                     "Intestatario", "Note", "Preavviso"};
        QList<std::pair<const char*, QString>> fields;
        for (const char* name : order) {
            const int capacity = members::recordLayout().field(members::recordLayout().indexOf(QString::fromLatin1(name))).capacity;
            fields.push_back({name, QString::fromLatin1(name).left(capacity)});
        }
        const QStringList cells = members::exportCells(member(fields));
        const QStringList expected{
            "Tesserato", "Carica", "NumTessera", "DataRil", "DataScade", "DataNasc", "ComuneNasc Pr", "S",
            "CapRe ComuneRes Pr", "IndirizzoRes", "Titoli", "TelCasa", "TelUff", "TelCel", "Recapito", "Fax",
            "Email", "CodFisc", "Carta", "ScadeCarta", "PartitaIva", "Iban", "Intestatario", "Note", "No"};
        QCOMPARE(cells, expected);  // Preavviso is not exported
    }

    void joinedColumnsAndFlag_data()
    {
        QTest::addColumn<QString>("cap");
        QTest::addColumn<QString>("town");
        QTest::addColumn<QString>("province");
        QTest::addColumn<QString>("residence");
        QTest::newRow("all parts") << "47121" << "Forl\u00EC" << "FC" << "47121 Forl\u00EC FC";
        QTest::newRow("town only") << "" << "Cesena" << "" << " Cesena ";
        QTest::newRow("nothing") << "" << "" << "" << "  ";
    }
    void joinedColumnsAndFlag()
    {
        QFETCH(QString, cap);
        QFETCH(QString, town);
        QFETCH(QString, province);
        QFETCH(QString, residence);
        const QStringList cells = members::exportCells(
            member({{"CapRes", cap}, {"ComuneRes", "  " + town + " "}, {"ProvRes", province}, {"ComuneNasc", town}},
                   true));
        QCOMPARE(cells.at(8), residence);
        QCOMPARE(cells.at(6), town + ' ');
        QCOMPARE(cells.at(24), QStringLiteral("S\u00EC"));
    }

    void annulledColumnShowsTheStoredFlag_data()
    {
        QTest::addColumn<QByteArray>("stored");  // the flag field's three bytes
        QTest::addColumn<QString>("shown");
        QTest::newRow("S\u00EC") << bytes({0x02, 0x53, 0xEC}) << QStringLiteral("S\u00EC");
        QTest::newRow("No") << bytes({0x02, 'N', 'o'}) << QStringLiteral("No");
        // A damaged flag, which the search takes for an annulled card, shows as it is.
        QTest::newRow("empty") << bytes({0x00, 0x00, 0x00}) << QString();
        QTest::newRow("other letter") << bytes({0x01, 'X', 0x00}) << QStringLiteral("X");
        QTest::newRow("blank first") << bytes({0x02, ' ', 's'}) << QStringLiteral("s");
        QTest::newRow("lower case") << bytes({0x02, 'n', 'o'}) << QStringLiteral("no");
    }
    void annulledColumnShowsTheStoredFlag()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        QByteArray raw = member({{"Tesserato", "Rossi"}}).bytes();
        place(raw, members::recordLayout().field(u"Annullata").offset, stored);
        QCOMPARE(members::exportCells(Record(members::recordLayout(), raw)).at(24), shown);
    }

    void headersAndWidths()
    {
        QCOMPARE(members::gridColumns().size(), members::kGridColumnCount);
        QCOMPARE(members::exportHeader().size(), members::kGridColumnCount - 1);
        // The file's titles and widths differ from the grid's in places.
        QCOMPARE(members::gridColumns().at(11).title, "Titolo di studio e altre qualifiche");
        QCOMPARE(members::exportHeader().at(10).title, QStringLiteral("Titoli di studio e altre qualifiche"));
        QCOMPARE(members::gridColumns().at(18).title, "Codice Fiscale");
        QCOMPARE(members::exportHeader().at(17).title, QStringLiteral("Codice fiscale"));
        QCOMPARE(members::exportHeader().at(21).width, 280);
        QCOMPARE(members::exportHeader().at(23).width, 350);
        QCOMPARE(members::gridColumns().at(25).width, 120);
    }

    void packedRowsGiveBackTheirCells()
    {
        members::MemberRows rows;
        QStringList first;
        for (int i = 0; i < 25; ++i)
            first << (i % 3 == 0 ? QString() : QStringLiteral("c%1").arg(i));
        rows.append(first);
        rows.append(QStringList(25, QStringLiteral("\u00E8")));
        QCOMPARE(rows.count(), 2);
        QCOMPARE(rows.exportRow(0), first);
        QCOMPARE(rows.cell(1, 0), QStringLiteral("2"));
        QCOMPARE(rows.cell(1, 25), QStringLiteral("\u00E8"));
    }

    void archiveToFile()
    {
        QTemporaryDir dir;
        const QString archive = dir.filePath(QLatin1String(members::kFileName));
        const Archive a(archive, members::recordLayout());
        a.append(member({{"Tesserato", "Rossi <Mario>"}, {"ComuneRes", "Citt\u00E0"}}));
        a.append(member({{"Tesserato", "A & B"}}, true));
        // A trailing incomplete record is not a member.
        QFile f(archive);
        QVERIFY(f.open(QIODevice::Append));
        f.write(QByteArray(100, 'x'));
        f.close();

        const members::MemberRows rows = members::loadRows(archive);
        QCOMPARE(rows.count(), 2);
        QCOMPARE(rows.cell(0, 1), QStringLiteral("Rossi <Mario>"));
        QCOMPARE(rows.cell(0, 9), QStringLiteral(" Citt\u00E0 "));
        QCOMPARE(rows.cell(1, 25), QStringLiteral("S\u00EC"));

        const QByteArray bytes = Spreadsheet::document(members::exportTable(rows));
        QVERIFY(bytes.contains("<x:Name>Riepilogo Anagrafica Soci</x:Name>"));
        QVERIFY(bytes.contains("width=250>Cognome e nome Socio</td>"));
        const QByteArray D = "<td style=\"text-align: left; mso-number-format:'\\@';\" sdnum=\"1040;0;@\">";
        // The residence cell is trimmed in the file; the N. column is not exported.
        QVERIFY(bytes.contains("<tr>" + D + "Rossi &lt;Mario&gt;</td>" + D + "</td>"));
        QVERIFY(bytes.contains(D + "Citt\xE0</td>"));
        QVERIFY(bytes.contains("<tr>" + D + "A &amp; B</td>"));
        QVERIFY(bytes.contains(D + "S\xEC</td></tr></table>"));
        QCOMPARE(bytes.count("<tr>"), 3);

        QCOMPARE(members::loadRows(dir.filePath("Mancante.pro")).count(), 0);
    }

    // The command's export and the grid's rows come straight from the stored
    // bytes: they must give the cells, and the file, of the fields read one
    // by one, for any stored text (every byte value, markup, blanks and
    // controls at the ends, a damaged length byte, joined columns with an
    // empty part), for a missing archive and an unreadable one.
    void streamedFileEqualsGridFile()
    {
        QTemporaryDir dir;
        const QString archive = dir.filePath(QLatin1String(members::kFileName));
        const QString xls = dir.filePath(QLatin1String(members::kExportFileName));
        const RecordLayout& layout = members::recordLayout();
        QFile f(archive);
        QVERIFY(f.open(QIODevice::WriteOnly));
        for (int k = 0; k < 40; ++k) {
            QByteArray raw(layout.recordSize(), '\0');
            for (int i = 0; i < layout.fieldCount(); ++i) {
                const auto& field = layout.field(i);
                if (field.kind == FieldKind::Reserved)
                    continue;
                const int length = std::min(field.capacity, (k + i) % 3 == 0 ? 0 : 9);
                raw[field.offset] = char(length);
                for (int j = 0; j < length; ++j)
                    raw[field.offset + 1 + j] = char((k * 59 + i * 13 + j * 7) % 256);
            }
            if (k == 1) {
                raw = member({{"Tesserato", "Rossi & <Figli>"}, {"ProvNasc", "MI"}}).bytes();
                // Stored with a blank and a control before and a NUL after: all trimmed away.
                raw.replace(layout.field(u"Tesserato").offset, 6, QByteArray("\x05 \x01Ro\0", 6));
                raw[layout.field(u"Sesso").offset] = char(255);  // damaged: read as the capacity
            }
            QCOMPARE(f.write(raw), raw.size());
        }
        f.close();

        std::optional<ArchiveError> failure;
        QString error;
        // The grid packs its rows from the bytes as well: they must hold the
        // cells read field by field.
        members::MemberRows byField;
        Archive(archive, layout, ArchiveFile::Mode::ReadOnly).scan([&byField](int, const Record& record) {
            byField.append(members::exportCells(record));
        });
        const members::MemberRows grid = members::loadRows(archive);
        QCOMPARE(grid.count(), byField.count());
        for (int row = 0; row < grid.count(); ++row)
            QCOMPARE(grid.exportRow(row), byField.exportRow(row));

        QVERIFY2(members::writeExport(archive, xls, &failure, &error), qPrintable(error));
        QVERIFY(!failure);
        QCOMPARE(fileContent(xls), Spreadsheet::document(members::exportTable(byField)));

        QVERIFY(members::writeExport(dir.filePath("Mancante.pro"), xls, &failure));
        QCOMPARE(fileContent(xls), Spreadsheet::document(members::exportTable(members::MemberRows())));

        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Cartella.pro")));  // cannot be read as an archive
        QVERIFY(!members::writeExport(dir.filePath("Cartella.pro"), xls, &failure));
        QVERIFY(failure);
        QCOMPARE(fileContent(xls), Spreadsheet::document(members::exportTable(members::MemberRows())));
    }
};

QTEST_GUILESS_MAIN(TestMemberExport)
#include "tst_memberexport.moc"
