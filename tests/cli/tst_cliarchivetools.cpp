// norvalis-cli put and verify: records in and out as JSON lines, writes
// that survive being killed at any moment, and the check of damaged files.
#include "app/recordjson.h"
#include "cli/clirunner.h"
#include "deadlines/deadlinesfixture.h"
#include "members/membersfixture.h"
#include "storage/folderlock.h"
#include "storage/journal.h"

#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <signal.h>

namespace {

QByteArray recordsOf(const QList<Record>& records)
{
    QByteArray bytes;
    for (const Record& r : records)
        bytes += r.bytes();
    return bytes;
}

}  // namespace

class TestCliArchiveTools : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

private slots:
    void init()
    {
        AppDir::set(m_dir.path());
        for (const QString& f : QDir(m_dir.path()).entryList(QDir::Files))
            QFile::remove(m_dir.filePath(f));
    }

    // What the program wrote comes back byte for byte through dump and put.
    void dumpThenPutGivesTheSameBytes()
    {
        writeMembers({{{"Tesserato", "Rossi Mario"}, {"ComuneRes", "Forl\u00EC"}, {"Note", "riga \"uno\"\\due"}},
                      {{"Tesserato", "Bianchi Anna"}, {"Annullata", "S\u00EC"}}});
        writeDeadlines("2025", QList<Record>{deadlineRecord("05/03/2025", "09:30", {{"Effettuata", "S\u00EC"}}),
                                             deadlineRecord("31/12/2025", "18:00", {{"Costo", "1.234,50 \u20AC"}})});
        for (const auto& [name, kind] : {std::pair{"Tesserati.pro", "members"}, std::pair{"2025.sca", "deadlines"}}) {
            const CliResult dump = runCli(m_dir.path(), {"dump", name});
            QCOMPARE(dump.status, 0);
            const QString copy = m_dir.filePath(QStringLiteral("copia-") + QLatin1String(name));
            const CliResult put = runCli(m_dir.path(), {"put", copy, "--kind", kind}, dump.out);
            QVERIFY2(put.status == 0, put.err.constData());
            QCOMPARE(fileContent(copy), fileContent(path(name)));
        }
    }

    void putStoresAsTheScreensDo()
    {
        const QByteArray lines = "{\"Tesserato\":\"  Verdi Luca  \",\"Annullata\":\"S\xC3\xAC\"}\n"
                                 "\n"
                                 "{\"pos\":7,\"Tesserato\":\"" + QByteArray(60, 'x') + "\",\"Annullata\":\"No\"}\n";
        QCOMPARE(runCli(m_dir.path(), {"put", "Tesserati.pro"}, lines).status, 0);
        const Archive archive(membersPath(), members::recordLayout());
        QCOMPARE(archive.count(), 2);
        const Record first = archive.read(1);
        QCOMPARE(first.text(u"Tesserato"), QStringLiteral("Verdi Luca"));
        QCOMPARE(first.bytes().mid(members::recordLayout().field(u"Annullata").offset, 3), QByteArray("\x02S\xEC"));
        QCOMPARE(first.text(u"ComuneRes"), QString());  // missing: empty
        QCOMPARE(archive.read(2).text(u"Tesserato").size(), members::recordLayout().field(u"Tesserato").capacity);

        // --pos writes over one record and leaves the others.
        QCOMPARE(runCli(m_dir.path(), {"put", "Tesserati.pro", "--pos", "2"}, "{\"Tesserato\":\"Neri\"}\n").status, 0);
        QCOMPARE(archive.read(2).text(u"Tesserato"), QStringLiteral("Neri"));
        QCOMPARE(archive.read(1), first);
    }

    // Nothing is written when any line is wrong, or the place is.
    void putRefusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        const QByteArray good = "{\"Tesserato\":\"Uno\"}\n";
        QTest::newRow("unknown key") << QStringList{"put", "Tesserati.pro"} << good + "{\"Cognome\":\"Due\"}\n" << 2
                                     << "riga 2: campo sconosciuto: Cognome";
        QTest::newRow("not text") << QStringList{"put", "Tesserati.pro"} << QByteArray("{\"Tesserato\":3}\n") << 2
                                  << "riga 1: il valore di Tesserato non \u00E8 un testo";
        QTest::newRow("not JSON") << QStringList{"put", "Tesserati.pro"} << good + "Tesserato=Due\n" << 2
                                  << "riga 2: non \u00E8 un oggetto JSON";
        QTest::newRow("position 0") << QStringList{"put", "Tesserati.pro", "--pos", "0"} << good << 2 << "--pos";
        QTest::newRow("past the end") << QStringList{"put", "Tesserati.pro", "--pos", "3"} << good << 1
                                      << "fuori dall'archivio";
        QTest::newRow("kind unknown") << QStringList{"put", "dati.bin"} << good << 2 << "--kind";
    }
    void putRefusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QString, said);
        writeMembers({{{"Tesserato", "Primo"}}, {{"Tesserato", "Secondo"}}});
        const QByteArray before = fileContent(membersPath());
        const CliResult r = runCli(m_dir.path(), arguments, input);
        QCOMPARE(r.status, status);
        QVERIFY2(QString::fromUtf8(r.err).contains(said), r.err.constData());
        QCOMPARE(fileContent(membersPath()), before);
        QVERIFY(!QFile::exists(path("dati.bin")));
    }

    // While the program has the data folder, put writes nothing.
    void putRefusesAFolderInUse()
    {
        writeMembers({{{"Tesserato", "Primo"}}});
        const QByteArray before = fileContent(membersPath());
        const DataFolderLock program(m_dir.path());
        QVERIFY(program.held());
        const CliResult r = runCli(m_dir.path(), {"put", "Tesserati.pro"}, "{\"Tesserato\":\"Secondo\"}\n");
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("gi\xC3\xA0 in uso"), r.err.constData());
        QCOMPARE(fileContent(membersPath()), before);
    }

    // put killed at random moments while it appends or overwrites: after the
    // next open every record is wholly old or wholly new, and none before
    // the one being written has changed.
    void killedWritesLeaveNoTornRecord()
    {
        QList<Record> old;
        QList<Record> fresh;
        for (int i = 1; i <= 10; ++i) {
            // Records that differ on both sides of a 4 KiB page boundary.
            old << memberRecord({{"Tesserato", QStringLiteral("Vecchio %1").arg(i)}, {"Note", QString(200, QChar('a' + i))}});
            fresh << memberRecord({{"Tesserato", QStringLiteral("Nuovo %1").arg(i)}, {"Note", QString(200, QChar('A' + i))}});
        }
        QByteArray appendInput;
        for (const Record& r : fresh)
            appendInput += RecordJson::line(0, r);
        const int size = members::recordLayout().recordSize();

        // How long whole runs take here, so that the kills fall anywhere in them.
        QElapsedTimer clock;
        qint64 appendMs = 0, overwriteMs = 0;
        for (bool append : {true, false}) {
            QVERIFY(setFileContent(membersPath(), recordsOf(old)));
            clock.start();
            const CliResult whole = append ? runCli(m_dir.path(), {"put", "Tesserati.pro"}, appendInput)
                                           : runCli(m_dir.path(), {"put", "Tesserati.pro", "--pos", "1"},
                                                    RecordJson::line(0, fresh.first()));
            QCOMPARE(whole.status, 0);
            (append ? appendMs : overwriteMs) = clock.elapsed();
        }

        int kills = 0, torn = 0, lost = 0, appendsDone = 0, overwritesNew = 0;
        clock.start();
        auto* random = QRandomGenerator::global();
        while (kills < 60 && clock.elapsed() < 60000) {
            QVERIFY(setFileContent(membersPath(), recordsOf(old)));
            const bool append = kills % 2 == 0;
            const int position = 1 + int(random->bounded(10));
            QProcess p;
            if (append)
                startCli(p, m_dir.path(), {"put", "Tesserati.pro"}, appendInput);
            else
                startCli(p, m_dir.path(), {"put", "Tesserati.pro", "--pos", QString::number(position)},
                         RecordJson::line(0, fresh.at(position - 1)));
            QVERIFY(p.waitForStarted());
            QThread::msleep(random->bounded(int(append ? appendMs : overwriteMs) + 10));
            ::kill(pid_t(p.processId()), SIGKILL);
            p.waitForFinished();
            ++kills;

            // The next open, by anyone, finishes or drops what was left.
            const int count = Archive(membersPath(), members::recordLayout()).count();
            QVERIFY(!QFile::exists(Journal::pathFor(membersPath())));
            const QByteArray bytes = fileContent(membersPath());
            QCOMPARE(bytes.size() % size, 0);
            for (int i = 0; i < count; ++i) {
                const QByteArray r = bytes.mid(qsizetype(i) * size, size);
                const bool isOld = i < 10 && r == old.at(i).bytes();
                const bool isNew = append ? (i >= 10 && r == fresh.at(i - 10).bytes())
                                          : (i == position - 1 && r == fresh.at(i).bytes());
                if (!isOld && !isNew)
                    ++torn;
            }
            if (count < 10)
                ++lost;
            if (append)
                appendsDone += count - 10;
            else
                overwritesNew += bytes.mid(qsizetype(position - 1) * size, size) == fresh.at(position - 1).bytes();
        }
        qInfo("%d kills in %lld ms (whole runs: append of 10 %lld ms, overwrite %lld ms): %d torn records, %d lost; "
              "%d records appended before the kills, %d of %d overwrites done",
              kills, clock.elapsed(), appendMs, overwriteMs, torn, lost, appendsDone, overwritesNew, kills / 2);
        QVERIFY(kills >= 50);
        QCOMPARE(torn, 0);
        QCOMPARE(lost, 0);
    }

    void verifyReportsEachDamage()
    {
        // Clean: nothing on the output, exit 0.
        writeMembers({{{"Tesserato", "Primo"}}});
        writeDeadlines("2025", QList<Record>{deadlineRecord("05/03/2025", "09:30")});
        CliResult r = runCli(m_dir.path(), {"verify"});
        QVERIFY2(r.status == 0, r.out.constData());
        QCOMPARE(r.text(), QString());
        QVERIFY(r.err.contains("archivi controllati: 2, problemi trovati: 0"));

        // Each damage written into the bytes.
        const RecordLayout& dl = deadlines::recordLayout();
        QByteArray deadline = deadlineRecord("05/03/2025", "09:30").bytes();
        const auto at = [&dl](const char* field) { return dl.field(QString::fromLatin1(field)).offset; };
        deadline[at("Ora")] = char(9);                                   // 9 in a field of 5
        deadline.replace(at("Effettuata"), 3, QByteArray("\x02Si", 3));  // neither "Sì" nor "No"
        deadline.replace(at("Data"), 11, QByteArray("\x0a" "31/02/2025", 11));
        QVERIFY(setFileContent(deadlinesPath("2025"), deadline + deadline.left(100)));
        // A journal of an interrupted overwrite of the first member.
        QVERIFY(setFileContent(Journal::pathFor(membersPath()),
                           Journal::encode(0, memberRecord({{"Tesserato", "Completato"}}).bytes())));
        r = runCli(m_dir.path(), {"verify"});
        QCOMPARE(r.status, 1);
        const QString sca = deadlinesPath("2025");
        const QString pro = membersPath();
        QCOMPARE(r.text().split('\n', Qt::SkipEmptyParts),
                 (QStringList{sca + ": scheda 1, campo Data: data non valida: \"31/02/2025\"",
                              sca + ": scheda 1, campo Ora: lunghezza 9 oltre i 5 caratteri del campo",
                              sca + ": scheda 1, campo Effettuata: contrassegno che non \u00E8 n\u00E9 \"S\u00EC\" n\u00E9 \"No\": \"Si\"",
                              sca + ": gli ultimi 100 byte non formano una scheda intera",
                              pro + ": trovata una scrittura interrotta, ora completata"}));
        QCOMPARE(Archive(pro, members::recordLayout()).read(1).text(u"Tesserato"), QStringLiteral("Completato"));
        // One file named: only that one.
        r = runCli(m_dir.path(), {"verify", "Tesserati.pro"});
        QCOMPARE(r.status, 0);
    }
};

QTEST_GUILESS_MAIN(TestCliArchiveTools)
#include "tst_cliarchivetools.moc"
