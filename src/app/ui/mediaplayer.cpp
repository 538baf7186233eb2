#include "app/ui/mediaplayer.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QPointer>
#include <QTimer>
#include <QUrl>

namespace {

// The player and its output are made at the first sound, not at start-up
// (the back end starts its own threads), and belong to the application so
// that they go before it does.
class DesktopMediaPlayer : public MediaPlayer {
public:
    ~DesktopMediaPlayer() override { delete m_player; }

    void load(const QString& file, std::function<void(bool)> loaded) override
    {
        stop();
        m_loaded = std::move(loaded);
        const quint64 request = m_request;
        // A file that cannot be read is not handed to the back end, which
        // would only report it later with warnings of its own.
        const QFileInfo info(file);
        if (!info.isFile() || !info.isReadable()) {
            answerLater(request, false);
            return;
        }
        ensurePlayer();
        const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
        // The same file again is already loaded: the player says nothing new.
        const auto status = m_player->mediaStatus();
        if (m_player->source() == url && status != QMediaPlayer::NoMedia && status != QMediaPlayer::LoadingMedia
            && status != QMediaPlayer::InvalidMedia) {
            answerLater(request, true);
            return;
        }
        m_player->setSource(url);
    }

    void play() override
    {
        if (!m_player)
            return;
        m_player->setPosition(0);
        m_player->play();
    }

    void stop() override
    {
        ++m_request;
        m_loaded = nullptr;
        if (m_player)
            m_player->stop();
    }

private:
    void ensurePlayer()
    {
        if (m_player)
            return;
        m_player = new QMediaPlayer(qApp);
        auto* output = new QAudioOutput(m_player);
        m_player->setAudioOutput(output);
        QObject::connect(m_player, &QMediaPlayer::mediaStatusChanged, m_player, [this](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::LoadedMedia)
                answer(m_request, true);
            else if (status == QMediaPlayer::InvalidMedia)
                answer(m_request, false);
        });
        QObject::connect(m_player, &QMediaPlayer::errorOccurred, m_player,
                         [this](QMediaPlayer::Error) { answer(m_request, false); });
    }

    void answerLater(quint64 request, bool loaded)
    {
        QTimer::singleShot(0, &m_context, [this, request, loaded] { answer(request, loaded); });
    }

    // Tells the caller of the load `request` once; a later load or a stop
    // has made an earlier answer stale.
    void answer(quint64 request, bool loaded)
    {
        if (request != m_request || !m_loaded)
            return;
        auto tell = std::move(m_loaded);
        m_loaded = nullptr;
        tell(loaded);
    }

    QObject m_context;  // answers given from the event loop die with the player
    QPointer<QMediaPlayer> m_player;
    std::function<void(bool)> m_loaded;
    quint64 m_request = 0;
};

}  // namespace

std::unique_ptr<MediaPlayer> desktopMediaPlayer()
{
    return std::make_unique<DesktopMediaPlayer>();
}
