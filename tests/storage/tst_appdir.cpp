#include "storage/appdir.h"

#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

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

    void choice_data()
    {
        // An executable's folder that is a portable copy (bin) or an
        // installation (usr/bin, with usr/share/norvalis), writable or not.
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("executable");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("userFolder");
        QTest::newRow("portable copy: its own folder") << QStringList{} << "" << "bin" << true << "bin" << false;
        QTest::newRow("read-only folder: the user's") << QStringList{} << "" << "bin" << false << "user" << true;
        QTest::newRow("installation, read-only") << QStringList{} << "" << "usr/bin" << false << "user" << true;
        QTest::newRow("installation run by the administrator") << QStringList{} << "" << "usr/bin" << true << "user"
                                                               << true;
        QTest::newRow("environment beats a read-only folder") << QStringList{} << "/srv/d" << "usr/bin" << false
                                                              << "/srv/d" << false;
        QTest::newRow("option beats both") << QStringList{"--data-dir=/tmp/a"} << "/srv/d" << "bin" << false << "/tmp/a"
                                           << false;
    }
    void choice()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, environment);
        QFETCH(QString, executable);
        QFETCH(bool, writable);
        QFETCH(QString, expected);
        QFETCH(bool, userFolder);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("bin")) && QDir(dir.path()).mkpath(QStringLiteral("usr/bin"))
                && QDir(dir.path()).mkpath(QStringLiteral("usr/share/norvalis")));
        const auto inTemp = [&](const QString& name) { return name.startsWith('/') ? name : dir.filePath(name); };
        const AppDir::Placement placed =
            AppDir::choose(arguments, environment, inTemp(executable), writable, inTemp(QStringLiteral("user")));
        QCOMPARE(placed.folder, inTemp(expected));
        QCOMPARE(placed.userFolder, userFolder);
    }

    void writableFolders()
    {
        QTemporaryDir dir;
        QVERIFY(AppDir::writable(dir.path()));
        QVERIFY(!AppDir::writable(dir.filePath(QStringLiteral("missing"))));
        // Permissions bind every user but the administrator, who may write
        // into any folder: for it an installation is told by its layout.
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                                      | QFile::ExeOther));
        const bool administrator = ::geteuid() == 0;
        QCOMPARE(AppDir::writable(dir.path()), administrator);
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    // The programs started from an installation, as its users start them:
    // the data go to the application's folder among the user's data, made
    // when missing.
    void initialiseFromAnInstallation()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("usr/bin"))
                && QDir(dir.path()).mkpath(QStringLiteral("usr/share/norvalis")));
        const QByteArray before = qgetenv("XDG_DATA_HOME");
        const QByteArray named = qgetenv(AppDir::EnvironmentVariable);
        const QString name = QCoreApplication::applicationName();
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("dati utente"))));
        qunsetenv(AppDir::EnvironmentVariable);
        QCoreApplication::setApplicationName(QLatin1String(AppDir::ApplicationName));
        AppDir::Placement placed;
        const bool made = AppDir::initialise({}, dir.filePath(QStringLiteral("usr/bin")), &placed);
        QCoreApplication::setApplicationName(name);
        if (before.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", before);
        if (!named.isNull())
            qputenv(AppDir::EnvironmentVariable, named);
        const QString expected = dir.filePath(QStringLiteral("dati utente/Norvalis"));
        QVERIFY(made && placed.userFolder);
        QCOMPARE(placed.folder, expected);
        QCOMPARE(AppDir::path(), expected + QLatin1Char('/'));
        QVERIFY(QFileInfo(expected).isDir());
        QCOMPARE(AppDir::programPath(), dir.filePath(QStringLiteral("usr/bin/")));
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
