#include "app/dates.h"
#include "deadlines/deadlinesfixture.h"
#include "output/resultlines.h"
#include "storage/appdir.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using deadlines::Status;
using Box = SaveCheck::Refusal::Box;

namespace {

QDate day(const char* text)
{
    return *Dates::parse(QString::fromLatin1(text));
}

// Every field a save checks, filled and valid for the 2025 archive.
SaveCheck::FieldTexts validEntry()
{
    return {{"Giorno", "05"},       {"Mese", "Marzo"},         {"OreApp", "09"},        {"MinutiApp", "30"},
            {"Avviso", "3"},        {"Pagatore", "Rossi Carlo"}, {"Beneficiario", "Enel"}, {"Dettagli", "Bolletta"},
            {"Costo", "12,50"}};
}

const QString ValidDateTail = QStringLiteral("\n\r\n\rPer poter salvare la scheda \u00E8 necessario indicare una "
                                             "data valida.");

QString need(const char* what)
{
    return QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ") + QString::fromUtf8(what);
}

}  // namespace

class TestDeadlineRules : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { AppDir::set(m_dir.path()); }
    void cleanup() { Clock::set({}); }

    void savedDeadlineLiesInTheYearsFileAsItsBytes()
    {
        const QString path = deadlines::archivePath(QStringLiteral("2025"));
        QCOMPARE(path, QDir(m_dir.path()).filePath(QStringLiteral("2025.sca")));
        QFile::remove(path);

        SaveCheck::FieldTexts entry = validEntry();
        entry.remove(QStringLiteral("Costo"));
        const deadlines::SavePreparation prepared = deadlines::prepareSave(entry, QStringLiteral(" 2025 "));
        QVERIFY(!prepared.refusal);
        Record record(deadlines::recordLayout());
        for (const SaveCheck::FieldTexts* texts : {&std::as_const(entry), &prepared.composed})
            for (auto it = texts->begin(); it != texts->end(); ++it)
                record.setText(it.key(), it.value());
        record.setFlag(u"DaConfermare", true);
        record.setFlag(u"Effettuata", false);
        QCOMPARE(Archive(path, deadlines::recordLayout()).append(record), 1);

        QByteArray expected(1368, '\0');
        place(expected, 0, field("05", 2));
        place(expected, 3, field("Marzo", 10));
        place(expected, 14, field("2025", 4));
        place(expected, 19, field("05/03/2025", 10));
        place(expected, 30, field("09", 2));
        place(expected, 33, field("30", 2));
        place(expected, 36, field("09:30", 5));
        place(expected, 42, field("3", 3));
        place(expected, 46, field("Rossi Carlo", 50));
        place(expected, 591, field("Enel", 50));
        place(expected, 642, field("Bolletta", 250));
        place(expected, 1044, field("0,00", 15));
        place(expected, 1362, bytes({0x02, 0x53, 0xEC}));
        place(expected, 1365, bytes({0x02, 0x4E, 0x6F}));
        QCOMPARE(fileContent(path), expected);
    }

    void yearWithoutArchiveGetsAnEmptyFile()
    {
        const QString path = deadlines::archivePath(QStringLiteral("2031"));
        QVERIFY(!QFile::exists(path));
        QVERIFY(deadlines::statusLines(path, Status::ToPay).isEmpty());
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    void amountIsNormalisedOnLeaving_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const std::pair<const char*, const char*> cases[] = {
            {"", "0,00"},           {"   ", "0,00"},       {"7", "7,00"},          {"12,5", "12,50"},
            {"0,1234", "0,1234"},   {"3,14159", "3,1416"}, {"2,125", "2,125"},     {"1,500", "1,50"},
            {"0,1230", "0,123"},    {"1234567", "1234567,00"}, {"1,2,3", "0,00"},  {",", "0,00"},
            {",5", "0,50"},         {"5,", "5,00"},        {"007,10", "7,10"},     {"9,99995", "10,00"},
            {"0,00004", "0,00"},    {"999999999999999", "999999999999999,00"}, {"12a", "0,00"},
        };
        for (const auto& [typed, shown] : cases)
            QTest::newRow(typed) << QString::fromLatin1(typed) << QString::fromLatin1(shown);
    }
    void amountIsNormalisedOnLeaving()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(deadlines::normaliseAmount(typed), shown);
    }

    void saveChecksRunInOrder_data()
    {
        QTest::addColumn<QStringList>("emptied");  // fields made empty (or "Field=value")
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("box");
        const int warning = int(Box::Warning);
        QTest::newRow("day") << QStringList{"Giorno", "Mese"} << "2025" << "Giorno"
                             << need("il giorno della scadenza.") << warning;
        QTest::newRow("day one digit") << QStringList{"Giorno=5", "Mese"} << "2025" << "Giorno"
                                       << need("il giorno della scadenza usando due cifre.") << warning;
        QTest::newRow("month") << QStringList{"Mese", "OreApp"} << "2025" << "Mese"
                               << need("il mese della scadenza.") << warning;
        QTest::newRow("hour before minutes") << QStringList{"OreApp", "MinutiApp"} << "2025" << "OreApp"
                                             << need("l'ora dell'appuntamento.") << warning;
        QTest::newRow("empty minutes before short hour") << QStringList{"OreApp=9", "MinutiApp"} << "2025"
                                                         << "MinutiApp" << need("i minuti dell'ora dell'appuntamento.")
                                                         << warning;
        QTest::newRow("short hour") << QStringList{"OreApp=9", "MinutiApp=5"} << "2025" << "OreApp"
                                    << need("l'ora dell'appuntamento usando due cifre.") << warning;
        QTest::newRow("short minutes") << QStringList{"MinutiApp=5"} << "2025" << "MinutiApp"
                                       << need("i minuti dell'ora dell'appuntamento usando due cifre.") << warning;
        QTest::newRow("notice") << QStringList{"Avviso=  "} << "2025" << "Avviso" << need("i giorni di preavviso.")
                                << warning;
        QTest::newRow("payer") << QStringList{"Pagatore", "Beneficiario"} << "2025" << "Pagatore"
                               << need("il nome del Pagatore.") << warning;
        QTest::newRow("beneficiary before reason") << QStringList{"Beneficiario", "Dettagli"} << "2025"
                                                   << "Beneficiario" << need("il nome del Beneficiario.") << warning;
        QTest::newRow("reason") << QStringList{"Dettagli"} << "2025" << "Dettagli"
                                << need("la causale della scadenza.") << warning;
        QTest::newRow("typed month") << QStringList{"Mese=Marz"} << "2025" << "Mese"
                                     << "Attenzione: selezionare il mese dal menu a cascata." + ValidDateTail << warning;
        QTest::newRow("31 April") << QStringList{"Giorno=31", "Mese=Aprile"} << "2025" << "Giorno"
                                  << "Attenzione: la data 31/04/2025 non esiste." + ValidDateTail << int(Box::Message);
        QTest::newRow("29 February, not leap") << QStringList{"Giorno=29", "Mese=Febbraio"} << "2025" << "Giorno"
                                               << "Attenzione: la data 29/02/2025 non esiste." + ValidDateTail
                                               << int(Box::Message);
        QTest::newRow("29 February, leap") << QStringList{"Giorno=29", "Mese=Febbraio"} << "2024" << "" << ""
                                           << 0;
        QTest::newRow("lower-case month") << QStringList{"Mese=dicembre"} << "2025" << "" << "" << 0;
    }
    void saveChecksRunInOrder()
    {
        QFETCH(QStringList, emptied);
        QFETCH(QString, year);
        QFETCH(QString, field);
        QFETCH(QString, message);
        QFETCH(int, box);
        SaveCheck::FieldTexts entry = validEntry();
        for (const QString& change : emptied)
            entry.insert(change.section(u'=', 0, 0), change.section(u'=', 1));
        const deadlines::SavePreparation prepared = deadlines::prepareSave(entry, year);
        if (field.isEmpty()) {
            QVERIFY(!prepared.refusal);
            QCOMPARE(prepared.composed.value("Anno"), year);
            QVERIFY(Dates::isDate(prepared.composed.value("Data")));
            return;
        }
        QVERIFY(prepared.refusal);
        QCOMPARE(prepared.refusal->field, field);
        QCOMPARE(prepared.refusal->message, message);
        QCOMPARE(int(prepared.refusal->box), box);
        // A refused save composes nothing but the amount.
        QCOMPARE(prepared.composed.keys(), QList<QString>{"Costo"});
    }

    void imminenceWindow_data()
    {
        QTest::addColumn<QString>("due");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("today");
        QTest::addColumn<bool>("imminent");
        QTest::newRow("notice 0 on the day") << "10/03/2025" << "0" << "10/03/2025" << true;
        QTest::newRow("notice 0 the day before") << "10/03/2025" << "0" << "09/03/2025" << false;
        QTest::newRow("06/03, notice 3") << "10/03/2025" << "3" << "06/03/2025" << false;
        QTest::newRow("07/03, notice 3") << "10/03/2025" << "3" << "07/03/2025" << true;
        QTest::newRow("09/03, notice 3") << "10/03/2025" << "3" << "09/03/2025" << true;
        QTest::newRow("10/03, notice 3") << "10/03/2025" << "3" << "10/03/2025" << true;
        QTest::newRow("11/03, past") << "10/03/2025" << "999" << "11/03/2025" << false;
        QTest::newRow("999 days") << "31/12/2025" << "999" << "01/01/2025" << true;
        QTest::newRow("across the year") << "02/01/2026" << "5" << "30/12/2025" << true;
        QTest::newRow("31/04 never") << "31/04/2025" << "5" << "28/04/2025" << false;
        QTest::newRow("29/02 leap") << "29/02/2024" << "1" << "28/02/2024" << true;
        QTest::newRow("29/02 not leap") << "29/02/2025" << "1" << "28/02/2025" << false;
        QTest::newRow("notice not a number") << "10/03/2025" << "3a" << "10/03/2025" << false;
        QTest::newRow("no notice") << "10/03/2025" << "" << "10/03/2025" << false;
    }
    void imminenceWindow()
    {
        QFETCH(QString, due);
        QFETCH(QString, notice);
        QFETCH(QString, today);
        QFETCH(bool, imminent);
        const Record r = deadlineRecord({{"Data", due}, {"Avviso", notice}});
        QCOMPARE(deadlines::isImminent(r, *Dates::parse(today)), imminent);
    }

    void reminderReadsOnlyTheCurrentYearAndSkipsUnreadableRecords()
    {
        writeDeadlines("2025", {
            {{"Data", "31/04/2025"}, {"Avviso", "9"}},   // not a date: skipped
            {{"Data", "10/03/2025"}, {"Avviso", "3"}, {"Effettuata", "S\u00EC"}},
            {{"Data", "11/03/2025"}, {"Avviso", "x"}},   // not a number: skipped
            {{"Data", "12/03/2025"}, {"Avviso", "5"}, {"DaConfermare", "S\u00EC"}},
        });
        writeDeadlines("2026", {{{"Data", "02/01/2026"}, {"Avviso", "5"}}});
        Clock::set(QDateTime(day("08/03/2025"), QTime(23, 59)));
        QCOMPARE(deadlines::reminderCheck(), std::optional<int>(2));
        // The deadline of next January is in next year's archive.
        Clock::set(QDateTime(day("30/12/2025"), QTime(8, 0)));
        QCOMPARE(deadlines::reminderCheck(), std::optional<int>(0));

        // A year with no archive: none imminent, and the file is made.
        Clock::set(QDateTime(day("01/06/2032"), QTime(8, 0)));
        QCOMPARE(deadlines::reminderCheck(), std::optional<int>(0));
        QVERIFY(QFile::exists(deadlines::archivePath("2032")));
        // An archive that cannot be opened gives no answer at all.
        QVERIFY(QDir(m_dir.path()).mkdir("2033.sca"));
        Clock::set(QDateTime(day("01/06/2033"), QTime(8, 0)));
        QCOMPARE(deadlines::reminderCheck(), std::nullopt);
    }

    void listLineColumns()
    {
        const QString reason = QStringLiteral("Affitto della sede sociale di via Roma");  // 38 characters
        const QString payer = QString(30, u'P');
        const QString line = deadlines::listLine(deadlineRecord({{"Dettagli", reason},
                                                                 {"Data", "05/03/2025"},
                                                                 {"Ora", "09:30"},
                                                                 {"Pagatore", payer},
                                                                 {"Beneficiario", "  Enel "},
                                                                 {"Costo", "1250,00"}}));
        QCOMPARE(line, reason.left(35) + "  Data: 05/03/2025  Ora: 09:30  Da: " + payer + "  A:  "
                           + QStringLiteral("Enel").leftJustified(30) + QStringLiteral("  \u20AC 1250,00"));
        // 1-based columns of date, time, payer, beneficiary and amount.
        QCOMPARE(line.indexOf("05/03") + 1, 44);
        QCOMPARE(line.indexOf("09:30") + 1, 61);
        QCOMPARE(line.indexOf(payer) + 1, 72);
        QCOMPARE(line.indexOf("Enel") + 1, 108);
        QCOMPARE(line.indexOf("1250,00") + 1, 142);
    }

    void statusListsSelectByFlagAndSortByLine()
    {
        const DeadlineFields paid{{"Effettuata", "S\u00EC"}};
        writeDeadlines("2027", {
            {{"Dettagli", "bollo"}, {"Costo", "1"}},
            {{"Dettagli", "_nota"}, {"Costo", "2"}},
            {{"Dettagli", "Zeta"}, {"Costo", "3"}, {"DaConfermare", "S\u00EC"}, {"Effettuata", "S\u00EC"}},
            {{"Dettagli", "Affitto"}, {"Costo", "4"}},
            {{"Dettagli", "\u00C8cco"}, {"Costo", "5"}},
            {{"Dettagli", "bollo"}, {"Costo", "1"}},  // the same line as record 1
            {{"Dettagli", "Bollo"}, {"Costo", "0"}, {"Effettuata", "?"}},  // a damaged flag: to pay nor paid
        });
        const QString path = deadlines::archivePath("2027");
        const QList<ResultLine> toPay = deadlines::statusLines(path, Status::ToPay);
        // a-z count as A-Z; "_" (after Z) and "È" come after every letter.
        QStringList reasons;
        for (const QString& t : texts(toPay))
            reasons << t.left(35).trimmed();
        QCOMPARE(reasons, (QStringList{"Affitto", "bollo", "bollo", "_nota", "\u00C8cco"}));
        // Equal lines both load the later record.
        QCOMPARE(positions(toPay), (QList<int>{4, 6, 6, 2, 5}));

        QCOMPARE(positions(deadlines::statusLines(path, Status::ToConfirm)), QList<int>{3});
        QCOMPARE(positions(deadlines::statusLines(path, Status::Paid)), QList<int>{3});
    }

    void statusListKeepsLinesReadBeforeAFailure()
    {
        QVERIFY(QDir(m_dir.path()).mkdir("2034.sca"));
        std::optional<ArchiveError> failure;
        QVERIFY(deadlines::statusLines(deadlines::archivePath("2034"), Status::Paid, &failure).isEmpty());
        QVERIFY(failure);
    }

    void searchFiltersFields_data()
    {
        QTest::addColumn<QStringList>("filters");  // "Field=text"
        QTest::addColumn<QList<int>>("listed");    // positions, in the list's order
        QTest::newRow("no filter: all, sorted") << QStringList{} << QList<int>{3, 2, 1, 4};
        QTest::newRow("month in the date") << QStringList{"Data=03/2025"} << QList<int>{2, 1};
        QTest::newRow("hour or minutes") << QStringList{"Ora=09"} << QList<int>{3, 1};
        QTest::newRow("payer and reason, any case") << QStringList{"Pagatore=ROSSI", "Dettagli=aFFitto SEDE"}
                                                    << QList<int>{1};
        QTest::newRow("leading blank") << QStringList{"Pagatore= rossi"} << QList<int>{4};
        QTest::newRow("blanks only let a failing filter through")
            << QStringList{"Note= ", "Beneficiario=Enel"} << QList<int>{3, 2};
        QTest::newRow("every other field") << QStringList{"CodFisc=rss", "NumTessera=12", "Carica=pres",
                                                          "Contatto=ric", "Beneficiario=comune"}
                                           << QList<int>{1};
    }
    void searchFiltersFields()
    {
        writeDeadlines("2025", {
            {{"Dettagli", "Affitto sede"}, {"Data", "05/03/2025"}, {"Ora", "08:09"}, {"Pagatore", "Rossi Carlo"},
             {"CodFisc", "RSSCRL"}, {"NumTessera", "12"}, {"Carica", "Presidente"}, {"Contatto", "ricevuta 4"},
             {"Beneficiario", "Comune"}},
            {{"Dettagli", "Affitto box"}, {"Data", "15/03/2025"}, {"Ora", "10:00"}, {"Pagatore", "Rossi Anna"},
             {"Note", "a b"}},
            {{"Dettagli", "Acqua"}, {"Data", "01/04/2025"}, {"Ora", "09:30"}, {"Pagatore", "Bianchi"},
             {"Note", "pagare presto"}},
            {{"Dettagli", "Gas"}, {"Data", "01/05/2025"}, {"Pagatore", "De Rossi"}},
        });
        QFETCH(QStringList, filters);
        QFETCH(QList<int>, listed);
        deadlines::SearchTexts typed;
        for (const QString& f : filters) {
            const QString name = f.section(u'=', 0, 0);
            const auto at = std::find_if(deadlines::kSearchFields.begin(), deadlines::kSearchFields.end(),
                                         [&name](const char* field) { return name == QLatin1String(field); });
            QVERIFY(at != deadlines::kSearchFields.end());
            typed[std::size_t(at - deadlines::kSearchFields.begin())] = f.section(u'=', 1);
        }
        QCOMPARE(positions(deadlines::search(deadlines::archivePath("2025"), typed)), listed);
    }

    void searchTexts()
    {
        QCOMPARE(deadlines::countText(3), QStringLiteral("Il presente elenco contiene 3 schede."));
        QCOMPARE(QString::fromLatin1(deadlines::kSearchPrintTitle), QStringLiteral("Riepilogo scadenze pagamenti"));
        QVERIFY(QDir(m_dir.path()).mkdir("2035.sca"));
        QVERIFY_THROWS_EXCEPTION(ArchiveError, deadlines::search(deadlines::archivePath("2035"), {}));
    }

    void findWithAnEmptyTextMatchesNothing()
    {
        const QStringList lines{"Affitto", "Bollo"};
        FindInList find;
        QCOMPARE(find.step(2, [&](int row) { return lines.at(row); }, 1, QString()), 1);
        QCOMPARE(find.step(2, [&](int row) { return lines.at(row); }, -1, QString()), 0);
    }
};

QTEST_GUILESS_MAIN(TestDeadlineRules)
#include "tst_deadlinerules.moc"
