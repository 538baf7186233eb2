#pragma once
// The webcam as the capture window sees it: it starts, stops and delivers
// pictures on a thread of its own. The production source is the platform's
// default video capture device; tests install a factory of their own.

#include <QImage>
#include <QObject>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class CameraSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // False when there is no camera or it cannot be started.
    virtual bool start() = 0;
    // Never waits for a frame that is being handed over (see FrameRelay).
    virtual void stop() = 0;

signals:
    // Emitted on the camera's own thread for every new frame.
    void frameReady(const QImage& frame);
};

namespace Camera {

using Factory = std::function<std::unique_ptr<CameraSource>()>;

// A new source from the installed factory (the default video input device
// unless a test installed its own).
std::unique_ptr<CameraSource> create();
// nullptr puts the production factory back.
void setFactory(Factory factory);

}  // namespace Camera

// Hands frames from the camera's thread to the thread of `receiver` and waits
// there until `draw` has run; on that thread itself it draws at once. A
// closed relay drops frames, and closing it releases a camera thread that is
// waiting, so a camera can be stopped (and its thread joined) from the
// receiver's thread without the two waiting for each other.
class FrameRelay {
public:
    FrameRelay(QObject* receiver, std::function<void(const QImage&)> draw);
    ~FrameRelay();
    FrameRelay(const FrameRelay&) = delete;
    FrameRelay& operator=(const FrameRelay&) = delete;

    // Any thread.
    void deliver(const QImage& frame);
    // The receiver's thread.
    void open();
    void close();

private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        bool open = false;
        quint64 generation = 0;  // one more at every close
    };

    QObject* m_receiver;
    std::function<void(const QImage&)> m_draw;
    std::shared_ptr<Shared> m_shared = std::make_shared<Shared>();
};
