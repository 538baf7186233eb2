// Member import from CSV: reading the file (encodings, separators, quotes,
// line breaks, the line each row starts on), matching columns to fields,
// the rows as the member screen would store and check them, the all-or-
// nothing append, and the round trip from the export through LibreOffice.

#include "app/recordjson.h"
#include "members/memberimport.h"
#include "members/memberrecord.h"
#include "storage/archive.h"
#include "storage/csvfile.h"
#include "storage/journal.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using members::ImportMapping;
using members::NotImported;

namespace {

Csv::Table parsed(const QByteArray& bytes)
{
    Csv::Failure failure;
    const std::optional<Csv::Table> table = Csv::parse(bytes, &failure);
    if (!table)
        qWarning("parse failed at line %d: %s", failure.line, qPrintable(failure.message));
    return table.value_or(Csv::Table{});
}

QList<int> lines(const Csv::Table& table)
{
    QList<int> l;
    for (const Csv::Row& row : table.rows)
        l << row.line;
    return l;
}

int target(const QStringList& fields)
{
    const auto& targets = members::importTargets();
    for (qsizetype i = 0; i < targets.size(); ++i)
        if (targets.at(i).fields == fields)
            return int(i);
    return NotImported;
}

// The plan of a CSV text whose columns are matched by their titles.
members::ImportPlan plan(const QByteArray& csv)
{
    const Csv::Table table = parsed(csv);
    return members::planImport(table, ImportMapping(table.rows.value(0).cells));
}

QStringList failureTexts(const members::ImportPlan& p)
{
    QStringList t;
    for (const auto& f : p.failures)
        t << f.text();
    return t;
}

const QByteArray Header = "Cognome e nome Socio;Data di rilascio;Data di scadenza\n";

}  // namespace

class TestMemberImport : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    // The same two rows written the ways spreadsheets write them.
    void readsEncodingsAndSeparators_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Csv::Encoding>("encoding");
        QTest::addColumn<char>("separator");
        const QByteArray utf8 = "Nome,Comune\r\n\"Rossi, Mario\",Forl\xC3\xAC\r\n";
        QTest::newRow("UTF-8, comma, CR LF") << utf8 << Csv::Encoding::Utf8 << ',';
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + utf8 << Csv::Encoding::Utf8 << ',';
        QTest::newRow("Windows-1252, semicolon")
            << QByteArray("Nome;Comune\n\"Rossi, Mario\";Forl\xEC\n") << Csv::Encoding::Windows1252 << ';';
        QTest::newRow("no final line break")
            << QByteArray("Nome;Comune\nRossi, Mario;Forl\xEC") << Csv::Encoding::Windows1252 << ';';
    }
    void readsEncodingsAndSeparators()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Csv::Encoding, encoding);
        QFETCH(char, separator);
        const Csv::Table table = parsed(bytes);
        QCOMPARE(table.encoding, encoding);
        QCOMPARE(table.separator, separator);
        QCOMPARE(table.rows.size(), 2);
        QCOMPARE(table.rows.at(0).cells, (QStringList{"Nome", "Comune"}));
        QCOMPARE(table.rows.at(1).cells, (QStringList{"Rossi, Mario", "Forl\u00EC"}));
    }

    void quotesAndLineBreaksKeepTheirLines()
    {
        // Row 2 spans lines 2-4 (LF and CR LF inside quotes); a blank line;
        // the quoted separator, a doubled quote and an empty last cell.
        const Csv::Table table = parsed("a;b;c\n"
                                        "\"uno\ndue\r\ntre\";\"x;y\";z\n"
                                        "\n"
                                        "\"dice \"\"ciao\"\"\";;\n"
                                        "fine;2;3");
        QCOMPARE(lines(table), (QList<int>{1, 2, 6, 7}));
        QCOMPARE(table.rows.at(1).cells, (QStringList{"uno\ndue\r\ntre", "x;y", "z"}));
        QCOMPARE(table.rows.at(2).cells, (QStringList{"dice \"ciao\"", "", ""}));
    }

    void badQuotesNameTheirLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::newRow("stray quote") << QByteArray("a,b\n1,2\n\"x\"y,3\n") << 3;
        QTest::newRow("quote left open") << QByteArray("a,b\n1,2\n3,\"aperta\nriga\n") << 3;
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFE" "a\0,\0b\0", 8) << 0;
    }
    void badQuotesNameTheirLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        Csv::Failure failure;
        QVERIFY(!Csv::parse(bytes, &failure));
        QCOMPARE(failure.line, line);
        QVERIFY(!failure.message.isEmpty());
    }

    void columnsMatchByTitleOrFieldName()
    {
        const ImportMapping mapping({"Cognome e nome Socio", " comune di RESIDENZA ", "Titoli di studio e altre qualifiche",
                                     "Codice Fiscale", "CodFisc", "Tessera annullata", "Annullata", "File01", "Preavviso",
                                     "Scadenza", "colonna qualsiasi", "Tesserato:"});
        const QList<int> expected{target({"Tesserato"}), target({"CapRes", "ComuneRes", "ProvRes"}),
                                  target({"Titoli"}), target({"CodFisc"}), NotImported,  // CodFisc taken already
                                  NotImported, NotImported, NotImported, target({"Preavviso"}),
                                  target({"ScadeCarta"}), NotImported, NotImported};  // Tesserato taken already
        for (int c = 0; c < expected.size(); ++c)
            QCOMPARE(mapping.target(c), expected.at(c));
    }

    void aFieldHasOneSourceColumn()
    {
        ImportMapping mapping({"Comune di nascita", "Prov"});
        QCOMPARE(mapping.target(0), target({"ComuneNasc", "ProvNasc"}));
        mapping.setTarget(1, target({"ProvNasc"}));  // the joined column gives up its province, and so itself
        QCOMPARE(mapping.target(0), NotImported);
        mapping.setTarget(0, target({"ComuneNasc"}));
        QCOMPARE(mapping.target(1), target({"ProvNasc"}));
        QVERIFY(mapping.importsAny());
        mapping.setTarget(0, NotImported);
        mapping.setTarget(1, NotImported);
        QVERIFY(!mapping.importsAny());
    }

    // The export's joined columns come apart again.
    void joinedColumnsSplit_data()
    {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QStringList>("birthFields");
        QTest::addColumn<QString>("residence");
        QTest::addColumn<QStringList>("residenceFields");
        QTest::newRow("all parts") << "Forl\u00EC FC" << QStringList{"Forl\u00EC", "FC"} << "42121 Reggio nell'Emilia RE"
                                   << QStringList{"42121", "Reggio nell'Emilia", "RE"};
        QTest::newRow("province only") << " EE" << QStringList{"", "EE"} << "06012  PG"
                                       << QStringList{"06012", "", "PG"};
        QTest::newRow("no province") << "Ne" << QStringList{"Ne", ""} << " Bolzano "
                                     << QStringList{"", "Bolzano", ""};
        QTest::newRow("capitals") << "NE GE" << QStringList{"NE", "GE"} << "00100" << QStringList{"00100", "", ""};
        QTest::newRow("empty") << " " << QStringList{"", ""} << "  " << QStringList{"", "", ""};
    }
    void joinedColumnsSplit()
    {
        QFETCH(QString, birth);
        QFETCH(QStringList, birthFields);
        QFETCH(QString, residence);
        QFETCH(QStringList, residenceFields);
        const auto texts = members::importTexts({2, {birth, residence}},
                                                ImportMapping({"Comune di nascita", "Comune di residenza"}));
        QCOMPARE((QStringList{texts.value("ComuneNasc"), texts.value("ProvNasc")}), birthFields);
        QCOMPARE((QStringList{texts.value("CapRes"), texts.value("ComuneRes"), texts.value("ProvRes")}),
                 residenceFields);
    }

    void rowsAreStoredAsTheScreenStoresThem()
    {
        const members::ImportPlan p =
            plan("Cognome e nome Socio;Data di rilascio;Data di scadenza;Note;Codice fiscale;Prov. nascita;"
                 "Carta di credito n.;Tessera annullata;CapRes\n"
                 "  Verdi Giuseppe ;01/01/2024;31/12/2024;\"prima riga\nseconda\";rssmra70d03d704y ;Pr;"
                 "4111 1111 1111 1111;S\xC3\xAC;123456\n");
        QVERIFY(p.accepted());
        QCOMPARE(p.records.size(), 1);
        const Record& r = p.records.first();
        QCOMPARE(r.text(u"Tesserato"), QStringLiteral("Verdi Giuseppe"));  // trimmed
        QCOMPARE(r.text(u"Note"), QStringLiteral("prima riga seconda"));    // the line break is one blank
        QCOMPARE(r.text(u"CodFisc"), QStringLiteral("RSSMRA70D03D704Y"));   // upper-cased
        QCOMPARE(r.text(u"Carta"), QStringLiteral("4111111111111111"));
        QCOMPARE(r.text(u"CapRes"), QStringLiteral("12345"));              // cut to its 5 characters
        QCOMPARE(r.text(u"Preavviso"), QStringLiteral("0"));               // no column: the new-record default
        QCOMPARE(r.text(u"Carica"), QString());
        QCOMPARE(r.flag(u"Annullata"), std::optional<bool>(false));        // whatever the file says
        // Bytes as they lie in the file: length, Windows-1252 text, zeros.
        const auto& field = members::recordLayout().field(u"ProvNasc");
        QCOMPARE(r.bytes().mid(field.offset, 3), QByteArray(3, '\0'));  // "Prov. nascita" is no title: not imported
        const auto& note = members::recordLayout().field(u"Note");
        QCOMPARE(r.bytes().mid(note.offset, 20), ::field("prima riga seconda", 19));
    }

    void accentsAreStoredInWindows1252()
    {
        const members::ImportPlan p = plan(Header + "Forl\xC3\xAC Citt\xC3\xA0 \xE2\x82\xAC;01/01/2024;01/01/2024\n");
        QVERIFY(p.accepted());
        const auto& name = members::recordLayout().field(u"Tesserato");
        QCOMPARE(p.records.first().bytes().mid(name.offset, 14), bytes({13, 'F', 'o', 'r', 'l', 0xEC, ' ', 'C', 'i',
                                                                        't', 't', 0xE0, ' ', 0x80}));
    }

    // A bad date on line 7 (the row before it spans two lines): nothing
    // goes through, and every failing line is named with its reason.
    void failingLinesAreNamed()
    {
        const members::ImportPlan p = plan(Header +
                                           "Rossi;01/01/2024;31/12/2024\n"
                                           ";01/01/2024;31/12/2024\n"
                                           "Bianchi;01/02/2024;01/01/2024\n"
                                           "\"Verdi\nGiuseppe\";01/01/2024;31/12/2024\n"
                                           "Neri;31/02/2024;31/12/2024\n"
                                           "Gialli;01/01/2024;\n"
                                           "\n");
        QVERIFY(!p.accepted());
        QCOMPARE(failureTexts(p),
                 (QStringList{"riga 3: per salvare la scheda \u00E8 necessario indicare il nome del tesserato.",
                              "riga 4: la data di scadenza (01/01/2024) non pu\u00F2 essere anteriore a quella di "
                              "rilascio della tessera (01/02/2024).",
                              "riga 7: la data di rilascio della tessera 31/02/2024 non esiste. Per poter salvare la "
                              "scheda \u00E8 necessario indicare una data valida nel formato gg/mm/aaaa.",
                              "riga 8: per salvare la scheda \u00E8 necessario indicare la data di scadenza del "
                              "tesserino."}));
    }

    void digitsAndNoticeDaysAreChecked()
    {
        const members::ImportPlan p = plan("Tesserato;DataRil;DataScade;Preavviso;Partita IVA\n"
                                           "Rossi;01/01/2024;31/12/2024;;\n"
                                           "Bianchi;01/01/2024;31/12/2024;dieci;\n"
                                           "Verdi;01/01/2024;31/12/2024;10;IT0123\n");
        QCOMPARE(failureTexts(p),
                 (QStringList{"riga 2: per salvare la scheda \u00E8 necessario indicare i giorni di preavviso.",
                              "riga 3: il campo \"Giorni di preavviso\" accetta solo cifre: \"dieci\" non si pu\u00F2 "
                              "salvare.",
                              "riga 4: il campo \"Partita IVA\" accetta solo cifre: \"IT0123\" non si pu\u00F2 "
                              "salvare."}));
    }

    void wholeFileRefusals_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("refusal");
        const QString noRows = QStringLiteral("Attenzione: il file non contiene schede da importare.");
        QTest::newRow("empty file") << QByteArray() << noRows;
        QTest::newRow("header only") << Header << noRows;
        QTest::newRow("blank rows only") << Header + ";;\n ; ;\n" << noRows;
        QTest::newRow("no column known")
            << QByteArray("Nome,Cognome\nMario,Rossi\n")
            << QStringLiteral("Attenzione: nessuna colonna del file \u00E8 abbinata a un campo della scheda del Socio.");
    }
    void wholeFileRefusals()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, refusal);
        const members::ImportPlan p = plan(csv);
        QCOMPARE(p.refusal, refusal);
        QVERIFY(p.records.isEmpty());
    }

    void appendsAfterTheMembersThere()
    {
        const QString path = m_dir->filePath(QStringLiteral("Tesserati.pro"));
        const Archive archive(path, members::recordLayout());
        Record old(members::recordLayout());
        old.setText(u"Tesserato", u"Gi\u00E0 presente");
        archive.append(old);
        const members::ImportPlan p = plan(Header + "Uno;01/01/2024;01/01/2025\nDue;01/01/2024;01/01/2025\n");
        QCOMPARE(members::appendMembers(path, p.records), 2);
        QCOMPARE(archive.count(), 3);
        QCOMPARE(archive.read(1), old);
        QCOMPARE(archive.read(3).text(u"Tesserato"), QStringLiteral("Due"));
        QVERIFY(!QFile::exists(Journal::pathFor(path)));
    }

    // The whole import is one journaled write: a journal left by a program
    // killed half way through brings in every row at the next opening.
    void anInterruptedImportIsFinishedWhole()
    {
        const QString path = m_dir->filePath(QStringLiteral("Tesserati.pro"));
        const members::ImportPlan p = plan(Header + "Uno;01/01/2024;01/01/2025\nDue;01/01/2024;01/01/2025\n");
        QVERIFY(setFileContent(path, QByteArray()));
        QVERIFY(setFileContent(Journal::pathFor(path),
                               Journal::encode(0, p.records.at(0).bytes() + p.records.at(1).bytes())));
        const Archive archive(path, members::recordLayout());
        QCOMPARE(archive.count(), 2);
        QCOMPARE(archive.read(2), p.records.at(1));
    }

    // Members exported to Tesserati.xls, opened in LibreOffice Calc and saved
    // as CSV (the files beside this test, made once by hand): importing them
    // gives back every exported field.
    void roundTripThroughLibreOffice_data()
    {
        QTest::addColumn<QString>("csv");
        const QDir fixtures(QStringLiteral(NORVALIS_IMPORT_FIXTURES));
        const QStringList files = fixtures.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 2);
        for (const QString& f : files)
            QTest::newRow(qPrintable(f)) << fixtures.filePath(f);
    }
    void roundTripThroughLibreOffice()
    {
        QFETCH(QString, csv);
        QList<Record> sources;
        QFile json(QStringLiteral(NORVALIS_IMPORT_FIXTURES "/soci.jsonl"));
        QVERIFY(json.open(QIODevice::ReadOnly));
        while (!json.atEnd()) {
            QString error;
            const auto record = RecordJson::parse(json.readLine(), members::recordLayout(), &error);
            QVERIFY2(record, qPrintable(error));
            sources << *record;
        }
        Csv::Failure failure;
        const auto table = Csv::read(csv, &failure);
        QVERIFY2(table, qPrintable(failure.message));
        const members::ImportPlan p = members::planImport(*table, ImportMapping(table->rows.first().cells));
        QVERIFY2(p.accepted(), qPrintable(failureTexts(p).join('\n') + p.refusal));
        QCOMPARE(p.records.size(), sources.size());
        const QStringList notExported = QStringList{"Preavviso", "Annullata"} + layout::attachmentNames();
        for (qsizetype i = 0; i < sources.size(); ++i) {
            for (const QString& f : members::recordLayout().fieldNames())
                if (!notExported.contains(f))
                    QCOMPARE(p.records.at(i).text(f), sources.at(i).text(f));
            QCOMPARE(p.records.at(i).text(u"Preavviso"), QStringLiteral("0"));
            QCOMPARE(p.records.at(i).flag(u"Annullata"), std::optional<bool>(false));
        }
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestMemberImport)
#include "tst_memberimport.moc"
