#include "storage/textfield.h"
#include "testsupport.h"

#include <QTextCodec>
#include <QtTest>

class TestTextField : public QObject {
    Q_OBJECT

private:
    static QByteArray stored(const QString& text, int capacity, char filler = char(0xFF))
    {
        QByteArray f(capacity + 1, filler);
        TextField::store(f.data(), capacity, text);
        return f;
    }

private slots:
    void trimming_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blanks") << "  Rossi  " << "Rossi";
        QTest::newRow("controls") << QString::fromLatin1("\t\x01Rossi\r\n\x1F") << "Rossi";
        QTest::newRow("inner blanks kept") << " Mario  Rossi " << "Mario  Rossi";
        QTest::newRow("non-breaking space kept") << QString::fromUtf8("\u00A0Rossi") << QString::fromUtf8("\u00A0Rossi");
        QTest::newRow("only blanks") << " \t " << "";
    }
    void trimming()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(TextField::trimmed(input), expected);
    }

    void storeWritesLengthTextAndZeroFiller()
    {
        QCOMPARE(stored(QStringLiteral("  ab "), 5), bytes({0x02, 'a', 'b', 0, 0, 0}));
        QCOMPARE(stored(QString(), 3), bytes({0, 0, 0, 0}));
    }

    void windows1252RoundTrip()
    {
        const QString text = QString::fromUtf8("€àèìòù");
        const QByteArray f = stored(text, 10);
        QCOMPARE(f.left(7), bytes({0x06, 0x80, 0xE0, 0xE8, 0xEC, 0xF2, 0xF9}));
        QCOMPARE(TextField::load(f.constData(), 10), text);
    }

    void charactersOutsideTheCodePageBecomeQuestionMarks()
    {
        // One substitute per character, also for a character beyond the BMP.
        const QByteArray f = stored(QString::fromUtf8("a中\U0001F600b"), 10);
        QCOMPARE(f.left(5), bytes({0x04, 'a', '?', '?', 'b'}));
        QCOMPARE(TextField::load(f.constData(), 10), QStringLiteral("a??b"));
    }

    void capacityCutsTheText()
    {
        QCOMPARE(stored(QStringLiteral("abcde"), 5), bytes({5, 'a', 'b', 'c', 'd', 'e'}));
        QCOMPARE(stored(QStringLiteral("abcdef"), 5), bytes({5, 'a', 'b', 'c', 'd', 'e'}));
        // Cut after conversion: "€" is one byte, so five fit.
        QCOMPARE(stored(QString::fromUtf8("€€€€€€"), 5), bytes({5, 0x80, 0x80, 0x80, 0x80, 0x80}));
        // A blank left at the end by the cut is not read back.
        const QByteArray f = stored(QStringLiteral("abc def"), 4);
        QCOMPARE(f, bytes({4, 'a', 'b', 'c', ' '}));
        QCOMPARE(TextField::load(f.constData(), 4), QStringLiteral("abc"));
    }

    void damagedLengthByteStopsAtTheCapacity()
    {
        // A field of capacity 3 followed by the next field's bytes.
        const QByteArray data = bytes({0xFF, 'a', 'b', 'c', 0x02, 'X', 'Y'});
        QCOMPARE(TextField::load(data.constData(), 3), QStringLiteral("abc"));
    }

    void loadTrims()
    {
        const QByteArray f = bytes({5, ' ', 'a', 0x09, 'b', ' '});
        QCOMPARE(TextField::load(f.constData(), 5), QStringLiteral("a\tb"));
    }

    void decodingMatchesTheCodecForEveryByte()
    {
        QByteArray all(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        const QString decoded = TextField::fromAnsi(all);
        QCOMPARE(decoded, QTextCodec::codecForName("windows-1252")->toUnicode(all));
        // Loading trims on the bytes: only bytes up to 0x20 may decode to characters up to the blank.
        for (int i = 0; i < 256; ++i)
            QCOMPARE(decoded.at(i).unicode() <= u' ', i <= 0x20);
        QCOMPARE(TextField::fromAnsi(bytes({0x80, 0x81, 0x9F, 0xEC})), QString::fromUtf8("€\u0081Ÿì"));
    }

    void flagBytes()
    {
        QCOMPARE(QByteArray(TextField::FlagYes, 3), bytes({0x02, 0x53, 0xEC}));
        QCOMPARE(QByteArray(TextField::FlagNo, 3), bytes({0x02, 0x4E, 0x6F}));
        QCOMPARE(TextField::load(TextField::FlagYes, 2), QString::fromUtf8("Sì"));
    }

    void asciiCaseOnly()
    {
        QCOMPARE(TextField::asciiUpper(QString::fromUtf8("àbc è z")), QString::fromUtf8("àBC è Z"));
        QCOMPARE(TextField::asciiLower(QString::fromUtf8("ÀBC È Z")), QString::fromUtf8("Àbc È z"));
    }
};

QTEST_GUILESS_MAIN(TestTextField)
#include "tst_textfield.moc"
