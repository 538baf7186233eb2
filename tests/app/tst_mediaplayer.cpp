// The desktop's media player on the chime supplied with the program: the
// real back end must load it (the GStreamer plugins are installed by the
// build), and reject what it cannot play without a word.
#include "app/ui/mediaplayer.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

class TestMediaPlayer : public QObject {
    Q_OBJECT

    // The answer of a load, waited for in the event loop; none after 20 s.
    static std::optional<bool> loadAndWait(MediaPlayer& player, const QString& file)
    {
        std::optional<bool> answer;
        player.load(file, [&answer](bool loaded) { answer = loaded; });
        QDeadlineTimer deadline(20000);
        while (!answer && !deadline.hasExpired())
            QTest::qWait(20);
        return answer;
    }

private slots:
    void loadsTheChime()
    {
        const auto player = desktopMediaPlayer();
        QCOMPARE(loadAndWait(*player, NORVALIS_SOUND), std::optional<bool>(true));
        player->play();
        player->stop();
        // The same file again is answered too, though the player has it already.
        QCOMPARE(loadAndWait(*player, NORVALIS_SOUND), std::optional<bool>(true));
    }

    void rejectsWhatItCannotPlay_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("not a sound") << "text";
        QTest::newRow("a folder") << "folder";
    }
    void rejectsWhatItCannotPlay()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString file = dir.filePath("Avviso.mp3");
        if (kind == "text") {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("not a sound at all\n");
        } else if (kind == "folder") {
            QVERIFY(QDir(dir.path()).mkdir("Avviso.mp3"));
        }
        const auto player = desktopMediaPlayer();
        QCOMPARE(loadAndWait(*player, file), std::optional<bool>(false));
    }

    // A stop before the answer drops it: a closed screen plays nothing later.
    void stopDropsAPendingLoad()
    {
        const auto player = desktopMediaPlayer();
        bool told = false;
        player->load(NORVALIS_SOUND, [&told](bool) { told = true; });
        player->stop();
        QTest::qWait(1500);
        QVERIFY(!told);
    }
};

QTEST_MAIN(TestMediaPlayer)
#include "tst_mediaplayer.moc"
