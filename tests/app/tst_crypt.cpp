#include "app/crypt.h"

#include <QtTest>

using Crypt::ScrambleText;
using Crypt::UnscrambleText;

class TestCrypt : public QObject {
    Q_OBJECT

private slots:
    void knownValues_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("hex");
        QTest::newRow("empty") << "" << "";
        // 'A' (0x41) XOR the high byte of the start key 0x5A3D.
        QTest::newRow("one letter") << "A" << "1B";
        // The first-access password as the password file holds it.
        QTest::newRow("first access") << "RAVENQUILLOTTO" << "08F6415598C168B698EB2274845C";
    }
    void knownValues()
    {
        QFETCH(QString, plain);
        QFETCH(QString, hex);
        QCOMPARE(ScrambleText(plain), hex);
        QCOMPARE(UnscrambleText(hex), plain);
    }

    void everyCodeRoundTrips()
    {
        for (int start : {0, 128}) {
            QString text;
            for (int code = start; code < start + 128; ++code)
                text += QChar(char16_t(code));
            const QString hex = ScrambleText(text);
            QCOMPARE(hex.size(), 256);
            QCOMPARE(hex, hex.toUpper());
            QCOMPARE(UnscrambleText(hex), text);
        }
    }

    void onlyTheLowByteCounts()
    {
        QCOMPARE(ScrambleText(QString(QChar(0x0141)) + "b"), ScrambleText("Ab"));
        QCOMPARE(ScrambleText(QString::fromUtf8("€")), ScrambleText(QString(QChar(0xAC))));
    }

    void hexReading()
    {
        const QString hex = ScrambleText("RAVENQUILLOTTO");
        QCOMPARE(UnscrambleText(hex.toLower()), QStringLiteral("RAVENQUILLOTTO"));
        QCOMPARE(UnscrambleText(hex + "7"), QStringLiteral("RAVENQUILLOTTO"));  // odd digit ignored
        QCOMPARE(UnscrambleText("1"), QString());
    }

    void badHexIsAConversionError_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::newRow("letter") << "1G";
        QTest::newRow("blank") << "1B 0";
        QTest::newRow("sign") << "-1";
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("1١");
    }
    void badHexIsAConversionError()
    {
        QFETCH(QString, hex);
        QVERIFY_THROWS_EXCEPTION(Crypt::ConversionError, UnscrambleText(hex));
    }
};

QTEST_GUILESS_MAIN(TestCrypt)
#include "tst_crypt.moc"
