#include "app/inifile.h"
#include "app/password.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

}  // namespace

class TestIniFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

private slots:
    void init() { m_path = m_dir.filePath(QStringLiteral("Tesserini.ini")); QFile::remove(m_path); }

    void missingThingsReadAsEmpty()
    {
        IniFile ini(m_path);
        QCOMPARE(ini.value("Ente", "Nome"), QString());
        writeAll(m_path, "[Ente]\r\nNome=Circolo\r\n");
        QCOMPARE(ini.value("Altro", "Nome"), QString());
        QCOMPARE(ini.value("Ente", "Sede"), QString());
        QVERIFY(!QFileInfo::exists(m_dir.filePath("nothing.ini")));
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const QByteArray ente = "; note\r\n[ente]\r\nNOME = Circolo Ricreativo \r\nSottotitolo 1=Via Roma 1\r\n"
                                "Citazione=\"La Fenice\"\r\n[Stampa]\r\nNome=altro\r\n";
        QTest::newRow("case of section and key") << ente << "Ente" << "Nome" << "Circolo Ricreativo";
        QTest::newRow("key with a blank") << ente << "Ente" << "Sottotitolo 1" << "Via Roma 1";
        QTest::newRow("enclosing quotes") << ente << "ENTE" << "citazione" << "La Fenice";
        QTest::newRow("key in the next section") << ente << "Stampa" << "Nome" << "altro";
        QTest::newRow("LF line ends") << QByteArray("[Accesso]\nValore=1B\n") << "Accesso" << "Valore" << "1B";
        QTest::newRow("Windows-1252") << QByteArray("[Ente]\r\nSede=Forl\xEC\r\n") << "Ente" << "Sede"
                                      << QString::fromUtf8("Forlì");
        QTest::newRow("no final line end") << QByteArray("[A]\r\nk=v") << "a" << "K" << "v";
    }
    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        writeAll(m_path, file);
        QCOMPARE(IniFile(m_path).value(section, key), expected);
    }

    void writing_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file") << QByteArray() << "Accesso" << "Valore" << "1B"
                                  << QByteArray("[Accesso]\r\nValore=1B\r\n");
        QTest::newRow("replace, keep the written key and every other line")
            << QByteArray("; prova\n[ENTE]\nSottotitolo 1 = vecchio\nAltro=1\n\n[Stampa]\nTop=0\n")
            << "ente" << "SOTTOTITOLO 1" << "nuovo"
            << QByteArray("; prova\n[ENTE]\nSottotitolo 1=nuovo\nAltro=1\n\n[Stampa]\nTop=0\n");
        QTest::newRow("new key goes after the section's last line")
            << QByteArray("[Ente]\r\nNome=A\r\n\r\n[Stampa]\r\nTop=0\r\n") << "Ente" << "Sede" << "B"
            << QByteArray("[Ente]\r\nNome=A\r\nSede=B\r\n\r\n[Stampa]\r\nTop=0\r\n");
        QTest::newRow("new section at the end of a file without final line end")
            << QByteArray("[Ente]\r\nNome=A") << "Stampa" << "Left" << "-3"
            << QByteArray("[Ente]\r\nNome=A\r\n[Stampa]\r\nLeft=-3\r\n");
        QTest::newRow("Windows-1252 and one line")
            << QByteArray() << "Ente" << "Sede" << QString::fromUtf8("Città\r\nvecchia")
            << QByteArray("[Ente]\r\nSede=Citt\xE0  vecchia\r\n");
    }
    void writing()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        if (!before.isEmpty())
            writeAll(m_path, before);
        IniFile ini(m_path);
        QVERIFY(ini.setValue(section, key, value));
        QCOMPARE(readAll(m_path), after);
    }

    void failedWriteChangesNothing()
    {
        const QString folder = m_dir.filePath(QStringLiteral("cartella.ini"));
        QVERIFY(QDir().mkpath(folder));
        IniFile ini(folder);
        QVERIFY(!ini.setValue("A", "b", "c"));
        QVERIFY(!ini.errorString().isEmpty());
        QVERIFY(QFileInfo(folder).isDir());
    }

    void firstAccessPasswordFile()
    {
        QTemporaryDir dir;
        QVERIFY(PasswordFile::installFirstAccess(dir.path()));
        const QString path = dir.filePath(QLatin1String(PasswordFile::FileName));
        QCOMPARE(readAll(path), QByteArray("[Accesso]\r\nValore=08F6415598C168B698EB2274845C\r\n"));
        QCOMPARE(PasswordFile::storedPassword(path), QStringLiteral("RAVENQUILLOTTO"));

        // An existing file is never overwritten, whatever it holds.
        writeAll(path, "[Accesso]\r\nValore=1B\r\n");
        QVERIFY(PasswordFile::installFirstAccess(dir.path()));
        QCOMPARE(readAll(path), QByteArray("[Accesso]\r\nValore=1B\r\n"));
        QCOMPARE(PasswordFile::storedPassword(path), QStringLiteral("A"));

        // A damaged value or a file without the key holds no password: it gets the first one.
        for (const QByteArray& locked : {QByteArray("[Accesso]\r\nValore=ZZ\r\n"), QByteArray("; vuoto\r\n")}) {
            writeAll(path, locked);
            QVERIFY(PasswordFile::installFirstAccess(dir.path()));
            QCOMPARE(PasswordFile::storedPassword(path), QStringLiteral("RAVENQUILLOTTO"));
        }
    }

    void damagedPasswordValue()
    {
        writeAll(m_path, "[Accesso]\r\nValore=ZZ\r\n");
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, PasswordFile::storedPassword(m_path));
        QCOMPARE(PasswordFile::storedPassword(m_dir.filePath("missing.dll")), QString());
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
