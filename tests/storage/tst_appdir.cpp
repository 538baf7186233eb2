#include "storage/appdir.h"

#include <QTemporaryDir>
#include <QtTest>

class TestAppDir : public QObject {
    Q_OBJECT

private slots:
    void resolution_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("expected");
        QTest::newRow("default: the executable's folder") << QStringList{} << "" << "/opt/norvalis";
        QTest::newRow("environment") << QStringList{"x"} << "/srv/dati" << "/srv/dati";
        QTest::newRow("option beats environment") << QStringList{"--data-dir", "/tmp/a"} << "/srv/dati" << "/tmp/a";
        QTest::newRow("option with =") << QStringList{"--data-dir=/tmp/b", "dump"} << "" << "/tmp/b";
        QTest::newRow("last option wins") << QStringList{"--data-dir", "/a", "--data-dir=/b"} << "" << "/b";
        QTest::newRow("option without value") << QStringList{"--data-dir"} << "" << "/opt/norvalis";
    }
    void resolution()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, environment);
        QFETCH(QString, expected);
        QCOMPARE(AppDir::resolve(arguments, environment, QStringLiteral("/opt/norvalis")), expected);
    }

    void optionIsTakenOutOfTheArguments()
    {
        QCOMPARE(AppDir::withoutOption({"dump", "--data-dir", "/d", "x.pro", "--data-dir=/e", "--kind"}),
                 (QStringList{"dump", "x.pro", "--kind"}));
    }

    void pathEndsWithASeparator()
    {
        QTemporaryDir dir;
        AppDir::set(dir.path());
        QCOMPARE(AppDir::path(), dir.path() + QLatin1Char('/'));
        AppDir::set(dir.path() + QStringLiteral("/"));
        QCOMPARE(AppDir::filePath(QStringLiteral("Tesserati.pro")), dir.path() + QStringLiteral("/Tesserati.pro"));
        QVERIFY(QDir::isAbsolutePath(AppDir::path()));
    }

    void initialiseCreatesAMissingFolder()
    {
        QTemporaryDir dir;
        const QString wanted = dir.filePath(QStringLiteral("dati/norvalis"));
        QVERIFY(AppDir::initialise({QStringLiteral("--data-dir"), wanted}, QStringLiteral("/opt/norvalis")));
        QVERIFY(QFileInfo(wanted).isDir());
        QCOMPARE(AppDir::path(), wanted + QLatin1Char('/'));
    }

    void installedFilesComeFromTheProgramsFolder()
    {
        // An installation: bin/ for the programs, share/norvalis/ for the rest;
        // the data folder elsewhere, holding files of the same names.
        QTemporaryDir dir;
        const QString prefix = dir.filePath(QStringLiteral("usr/"));
        QVERIFY(QDir().mkpath(prefix + "bin") && QDir().mkpath(prefix + "share/norvalis"));
        QVERIFY(AppDir::initialise({QStringLiteral("--data-dir"), dir.filePath(QStringLiteral("dati"))}, prefix + "bin"));
        const auto put = [](const QString& path) {
            QFile f(path);
            QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
        };
        put(AppDir::filePath(QStringLiteral("Guida.pdf")));
        put(AppDir::filePath(QStringLiteral("Avviso.mp3")));

        QCOMPARE(AppDir::installedFile(QStringLiteral("Guida.pdf")), prefix + "bin/Guida.pdf");  // where it is missing
        put(prefix + "share/norvalis/Guida.pdf");
        QCOMPARE(AppDir::installedFile(QStringLiteral("Guida.pdf")), prefix + "share/norvalis/Guida.pdf");
        put(prefix + "bin/Guida.pdf");
        QCOMPARE(AppDir::installedFile(QStringLiteral("Guida.pdf")), prefix + "bin/Guida.pdf");
        QCOMPARE(AppDir::installedFile(QStringLiteral("Avviso.mp3")), prefix + "bin/Avviso.mp3");
    }

    void yearlyNames()
    {
        QCOMPARE(AppDir::yearlyFileName(QStringLiteral(" 2024 "), ".ore"), QStringLiteral("2024.ore"));
    }
};

QTEST_GUILESS_MAIN(TestAppDir)
#include "tst_appdir.moc"
