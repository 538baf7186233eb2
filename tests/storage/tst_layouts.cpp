#include "deadlines/deadlinerecord.h"
#include "hours/hoursrecord.h"
#include "members/memberrecord.h"
#include "shifts/shiftrecords.h"
#include "output/resultlist.h"
#include "storage/record.h"
#include "storage/recordview.h"
#include "storage/textfield.h"
#include "testsupport.h"

#include <QtTest>

namespace {

const RecordLayout* layoutNamed(const QString& name)
{
    if (name == QLatin1String("members"))
        return &members::recordLayout();
    if (name == QLatin1String("deadlines"))
        return &deadlines::recordLayout();
    if (name == QLatin1String("hours"))
        return &hours::recordLayout();
    if (name == QLatin1String("daily"))
        return &shifts::dailyLayout();
    return &shifts::weeklyLayout();
}

}  // namespace

class TestLayouts : public QObject {
    Q_OBJECT

private slots:
    void recordSizes_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("fields");
        QTest::newRow("members") << "members" << 2764 << 35;
        QTest::newRow("deadlines") << "deadlines" << 1368 << 25;
        QTest::newRow("hours") << "hours" << 3757 << 47;
        QTest::newRow("daily") << "daily" << 5220 << 6 + 36 + 12 + 6;
        QTest::newRow("weekly") << "weekly" << 5841 << 6 + 24 + 84 + 6;
    }
    void recordSizes()
    {
        QFETCH(QString, archive);
        QFETCH(int, size);
        QFETCH(int, fields);
        const RecordLayout* layout = layoutNamed(archive);
        QCOMPARE(layout->recordSize(), size);
        QCOMPARE(layout->fieldNames().size(), fields);
        const auto& last = layout->fields().back();
        QCOMPARE(last.offset + last.capacity + 1, size);
    }

    void offsets_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("capacity");
        const struct { const char* archive; const char* name; int offset; int capacity; } rows[] = {
            {"members", "Tesserato", 0, 50},      {"members", "DataRil", 153, 10},
            {"members", "ProvNasc", 237, 2},      {"members", "Sesso", 240, 1},
            {"members", "Preavviso", 353, 3},     {"members", "CodFisc", 834, 16},
            {"members", "Iban", 925, 27},         {"members", "Note", 1004, 250},
            {"members", "Annullata", 1255, 2},    {"members", "File01", 1258, 250},
            {"members", "Desc01", 2011, 250},     {"members", "Desc03", 2513, 250},
            {"deadlines", "Anno", 14, 4},         {"deadlines", "Ora", 36, 5},
            {"deadlines", "Avviso", 42, 3},       {"deadlines", "Pagatore", 46, 50},
            {"deadlines", "Costo", 1044, 15},     {"deadlines", "Note", 1111, 250},
            {"deadlines", "DaConfermare", 1362, 2}, {"deadlines", "Effettuata", 1365, 2},
            {"hours", "Disposizioni", 153, 250},  {"hours", "Inizio01", 655, 5},
            {"hours", "Attivita01", 667, 120},    {"hours", "Inizio02", 788, 5},
            {"hours", "Attivita12", 2130, 120},   {"hours", "File01", 2251, 250},
            {"hours", "Desc01", 3004, 250},       {"daily", "Data", 51, 10},
            {"daily", "Inizio01", 666, 5},        {"daily", "Attivita01", 678, 120},
            {"daily", "Fine12", 2135, 5},         {"daily", "Lavoratore01", 2262, 120},
            {"daily", "Lavoratore12", 3593, 120}, {"daily", "File01", 3714, 250},
            {"daily", "Desc01", 4467, 250},       {"daily", "Desc03", 4969, 250},
            {"weekly", "DataFine", 62, 10},       {"weekly", "Inizio01", 626, 5},
            {"weekly", "Fine08", 716, 5},         {"weekly", "Inizio09", 843, 5},
            {"weekly", "Fine12", 885, 5},         {"weekly", "Lun01", 891, 40},
            {"weekly", "Lun02", 932, 40},         {"weekly", "Mar01", 1383, 40},
            {"weekly", "Dom12", 4294, 40},        {"weekly", "File01", 4335, 250},
            {"weekly", "Desc03", 5590, 250},
        };
        for (const auto& r : rows)
            QTest::addRow("%s %s", r.archive, r.name) << r.archive << r.name << r.offset << r.capacity;
    }
    void offsets()
    {
        QFETCH(QString, archive);
        QFETCH(QString, name);
        QFETCH(int, offset);
        QFETCH(int, capacity);
        const auto& f = layoutNamed(archive)->field(name);
        QCOMPARE(f.offset, offset);
        QCOMPARE(f.capacity, capacity);
    }

    void order()
    {
        const QStringList daily = shifts::dailyLayout().fieldNames();
        QCOMPARE(daily.mid(5, 5), (QStringList{"Annotazioni", "Inizio01", "Fine01", "Attivita01", "Inizio02"}));
        QCOMPARE(daily.mid(41, 2), (QStringList{"Attivita12", "Lavoratore01"}));
        QCOMPARE(daily.mid(54, 4), (QStringList{"File01", "File02", "File03", "Desc01"}));

        // The weekly reserved block sits between Fine08 and Inizio09 and has no name.
        const RecordLayout& weekly = shifts::weeklyLayout();
        const auto reserved = std::find_if(weekly.fields().begin(), weekly.fields().end(),
                                           [](const auto& f) { return f.kind == FieldKind::Reserved; });
        QVERIFY(reserved != weekly.fields().end());
        QCOMPARE(reserved->offset, 722);
        QCOMPARE(reserved->capacity + 1, 121);
        QCOMPARE((reserved - 1)->name, QStringLiteral("Fine08"));
        QCOMPARE((reserved + 1)->name, QStringLiteral("Inizio09"));
        QVERIFY(!weekly.fieldNames().contains(QString()));
        QCOMPARE(weekly.fieldNames().mid(30, 3), (QStringList{"Lun01", "Lun02", "Lun03"}));
    }

    void memberRecordBytes()
    {
        Record r(members::recordLayout());
        r.setText(u"Tesserato", u" Mario Rossi ");
        r.setText(u"DataRil", u"01/02/2024");
        r.setText(u"ComuneRes", QString::fromUtf8("Forlì"));
        r.setFlag(u"Annullata", false);
        r.setText(u"Desc03", u"x");

        QByteArray expected(2764, '\0');
        place(expected, 0, field("Mario Rossi", 50));
        place(expected, 153, field("01/02/2024", 10));
        place(expected, 242, field("Forl\xEC", 50));
        place(expected, 1255, bytes({0x02, 0x4E, 0x6F}));
        place(expected, 2513, field("x", 250));
        QCOMPARE(r.bytes(), expected);

        r.setFlag(u"Annullata", true);
        QCOMPARE(r.bytes().mid(1255, 3), bytes({0x02, 0x53, 0xEC}));
        QCOMPARE(r.flag(u"Annullata"), std::optional<bool>(true));
    }

    void deadlineRecordBytes()
    {
        Record r(deadlines::recordLayout());
        r.setText(u"Giorno", u"05");
        r.setText(u"Mese", u"Marzo");
        r.setText(u"Anno", u"2025");
        r.setText(u"Data", u"05/03/2025");
        r.setText(u"Pagatore", QString(60, QLatin1Char('P')));
        r.setText(u"Costo", u"0,00");
        r.setFlag(u"DaConfermare", false);
        r.setFlag(u"Effettuata", true);

        QByteArray expected(1368, '\0');
        place(expected, 0, field("05", 2));
        place(expected, 3, field("Marzo", 10));
        place(expected, 14, field("2025", 4));
        place(expected, 19, field("05/03/2025", 10));
        place(expected, 46, field(QByteArray(50, 'P'), 50));
        place(expected, 1044, field("0,00", 15));
        place(expected, 1362, bytes({0x02, 0x4E, 0x6F, 0x02, 0x53, 0xEC}));
        QCOMPARE(r.bytes(), expected);
    }

    void weeklyRecordBytes()
    {
        Record r(shifts::weeklyLayout());
        r.setText(u"Nome", u"Estate");
        r.setText(u"DataInizio", u"01/07/2024");
        r.setText(u"DataFine", u"07/07/2024");
        r.setText(u"Inizio09", u"08:00");
        r.setText(u"Mar01", QString(45, QLatin1Char('m')));

        QByteArray expected(5841, '\0');  // the reserved block stays 121 zero bytes
        place(expected, 0, field("Estate", 50));
        place(expected, 51, field("01/07/2024", 10));
        place(expected, 62, field("07/07/2024", 10));
        place(expected, 843, field("08:00", 5));
        place(expected, 1383, field(QByteArray(40, 'm'), 40));
        QCOMPARE(r.bytes(), expected);
        QCOMPARE(Record(shifts::weeklyLayout(), expected).text(u"Inizio09"), QStringLiteral("08:00"));
    }

    void flagsThatAreNeitherYesNorNo()
    {
        const RecordLayout& layout = members::recordLayout();
        QByteArray raw(2764, '\0');
        QCOMPARE(Record(layout, raw).flag(u"Annullata"), std::nullopt);  // three zero bytes
        place(raw, 1255, bytes({0x02, 's', 0xEC}));
        QCOMPARE(Record(layout, raw).flag(u"Annullata"), std::nullopt);
        place(raw, 1255, bytes({0x02, 'N', 'o'}));
        QCOMPARE(Record(layout, raw).flag(u"Annullata"), std::optional<bool>(false));
    }

    void unknownNamesAndWrongSizesAreRefused()
    {
        Record r(members::recordLayout());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, r.setText(u"Nome", u"x"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, (void)r.text(u"Tesserati"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Record(members::recordLayout(), QByteArray(2763, '\0')));
    }

    // Every field of every layout, read through a view of the record's bytes
    // and through the Record, on bytes a damaged or foreign file may hold:
    // blanks and controls around the text, bytes after the text, a length
    // byte beyond the capacity, an empty field over leftover bytes, and
    // reserved blocks that are not zero.
    void viewsReadAsRecordsDo_data()
    {
        QTest::addColumn<QString>("archive");
        for (const char* archive : {"members", "deadlines", "hours", "daily", "weekly"})
            QTest::newRow(archive) << archive;
    }
    void viewsReadAsRecordsDo()
    {
        QFETCH(QString, archive);
        const RecordLayout& layout = *layoutNamed(archive);
        QByteArray raw(layout.recordSize(), '\0');
        for (int i = 0; i < layout.fieldCount(); ++i) {
            const auto& f = layout.field(i);
            QByteArray text = "\t " + QByteArray::number(i) + " citt\xE0 \x80" + QByteArray(f.capacity, 'x');
            text.truncate(f.capacity - 1);
            text += ' ';
            QByteArray bytes(f.capacity + 1, '#');  // leftovers after a shorter text
            switch (i % 4) {
            case 0: bytes[0] = char(std::min<int>(text.size(), 12)); break;
            case 1: bytes[0] = char(0xFF); break;  // beyond any capacity: read as the capacity
            case 2: bytes[0] = 0; break;
            default: bytes[0] = char(f.capacity); break;
            }
            bytes.replace(1, text.size(), text);
            place(raw, f.offset, bytes);
        }
        const Record record(layout, raw);
        const RecordView view(layout, raw.constData());
        int nonEmpty = 0;
        for (int i = 0; i < layout.fieldCount(); ++i) {
            const auto& f = layout.field(i);
            const QString expected = record.text(i);
            QCOMPARE(view.text(i), expected);
            QCOMPARE(TextField::fromAnsi(view.textBytes(i).toByteArray()), expected);
            if (f.kind == FieldKind::Reserved)
                continue;
            nonEmpty += expected.isEmpty() ? 0 : 1;
            QCOMPARE(view.text(f.name), expected);
            // A line built from the bytes is the line built from the texts.
            const ListLine::Format format(layout, {{u"<", f.name.toLatin1().constData(), 7},
                                                   {u"|", f.name.toLatin1().constData(), ListLine::Format::Whole}});
            QCOMPARE(format.line(view), u'<' + ListLine::fit(expected, 7) + u'|' + expected);
        }
        QVERIFY(nonEmpty > layout.fieldCount() / 2);  // the fixture is not all empty fields
        // The over-long length byte reads the whole capacity, trimmed.
        QCOMPARE(view.text(1), TextField::trimmed(TextField::fromAnsi(raw.mid(layout.field(1).offset + 1,
                                                                              layout.field(1).capacity))));
        QCOMPARE(view.toRecord(), record);
    }
};

QTEST_GUILESS_MAIN(TestLayouts)
#include "tst_layouts.moc"
