#include "members/ui/camera.h"

#include <QCamera>
#include <QCameraDevice>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QThread>
#include <QVideoFrame>
#include <QVideoSink>

namespace {

// The platform's default video input through Qt Multimedia. The sink is fed
// on the multimedia back end's own thread; frames are turned into pictures
// there and passed on from the same thread.
class MultimediaCamera : public CameraSource {
public:
    MultimediaCamera()
    {
        connect(
            &m_sink, &QVideoSink::videoFrameChanged, this,
            [this](const QVideoFrame& frame) {
                const QImage picture = frame.toImage();
                if (!picture.isNull())
                    emit frameReady(picture);
            },
            Qt::DirectConnection);
        m_session.setVideoSink(&m_sink);
    }

    ~MultimediaCamera() override
    {
        stop();
        m_session.setCamera(nullptr);
    }

    bool start() override
    {
        if (QMediaDevices::videoInputs().isEmpty())
            return false;
        const QCameraDevice device = QMediaDevices::defaultVideoInput();
        if (device.isNull())
            return false;
        if (!m_camera) {
            m_camera = std::make_unique<QCamera>(device);
            m_session.setCamera(m_camera.get());
        }
        m_camera->start();
        return m_camera->error() == QCamera::NoError;
    }

    void stop() override
    {
        if (m_camera)
            m_camera->stop();
    }

private:
    QMediaCaptureSession m_session;
    QVideoSink m_sink;
    std::unique_ptr<QCamera> m_camera;
};

Camera::Factory& installedFactory()
{
    static Camera::Factory factory;
    return factory;
}

}  // namespace

namespace Camera {

std::unique_ptr<CameraSource> create()
{
    if (installedFactory())
        return installedFactory()();
    return std::make_unique<MultimediaCamera>();
}

void setFactory(Factory factory)
{
    installedFactory() = std::move(factory);
}

}  // namespace Camera

FrameRelay::FrameRelay(QObject* receiver, std::function<void(const QImage&)> draw)
    : m_receiver(receiver), m_draw(std::move(draw))
{
}

FrameRelay::~FrameRelay()
{
    close();
}

void FrameRelay::open()
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->open = true;
}

void FrameRelay::close()
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->open = false;
        ++m_shared->generation;
    }
    m_shared->done.notify_all();
}

void FrameRelay::deliver(const QImage& frame)
{
    const std::shared_ptr<Shared> shared = m_shared;
    if (QThread::currentThread() == m_receiver->thread()) {
        bool open;
        {
            std::lock_guard lock(shared->mutex);
            open = shared->open;
        }
        if (open)
            m_draw(frame);
        return;
    }

    std::unique_lock lock(shared->mutex);
    if (!shared->open)
        return;
    const quint64 generation = shared->generation;
    auto drawn = std::make_shared<bool>(false);
    QMetaObject::invokeMethod(
        m_receiver,
        [shared, drawn, generation, draw = m_draw, frame] {
            bool current;
            {
                std::lock_guard inner(shared->mutex);
                current = shared->open && shared->generation == generation;
            }
            if (current)
                draw(frame);
            {
                std::lock_guard inner(shared->mutex);
                *drawn = true;
            }
            shared->done.notify_all();
        },
        Qt::QueuedConnection);
    shared->done.wait(lock, [&] { return *drawn || shared->generation != generation; });
}
