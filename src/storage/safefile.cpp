#include "storage/safefile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <thread>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace SafeFile {
namespace {

std::function<void(QFileDevice&)>& deviceHook()
{
    static std::function<void(QFileDevice&)> hook;
    return hook;
}

// Puts what the system still holds of the open file on the disk itself.
bool syncToDisk(int handle)
{
#ifdef Q_OS_WIN
    return _commit(handle) == 0;
#else
    int result;
    do
        result = ::fsync(handle);
    while (result != 0 && errno == EINTR);
    return result == 0;
#endif
}

// The file being written, which sends what it holds on to the disk every few
// megabytes while the writer goes on: a long export then reaches the disk
// while the rest of it is produced, and the sync at the end finds little
// left to wait for. Only a start is asked for; nothing waits here, and the
// sync at the end still decides whether the file is whole.
class SaveFile : public QSaveFile {
public:
    using QSaveFile::QSaveFile;

protected:
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 written = QSaveFile::writeData(data, size);
#ifdef Q_OS_LINUX
        if (written > 0) {
            m_pending += written;
            if (m_pending >= WritebackStep) {
                // From where the last start left off to the end of what the
                // system has been given so far.
                ::sync_file_range(handle(), m_started, 0, SYNC_FILE_RANGE_WRITE);
                m_started += m_pending - WritebackLag;
                m_pending = WritebackLag;
            }
        }
#endif
        return written;
    }

private:
    static constexpr qint64 WritebackStep = 8 << 20;
    // What may still sit in the device's own buffer when a start is asked
    // for; it is taken again with the next one.
    static constexpr qint64 WritebackLag = 1 << 20;
    qint64 m_started = 0;
    qint64 m_pending = 0;
};

// The file a long file replaces. The system frees its blocks when the last
// reference to it goes, and for a file of hundreds of megabytes that takes
// as long as a good part of writing the new one. Held open across the
// rename, it is let go by a thread of its own: the caller goes on at once,
// and the old content is gone from the folder as before.
class Replaced {
public:
    explicit Replaced(const QString& path)
    {
#ifdef Q_OS_LINUX
        const QByteArray name = QFile::encodeName(path);
        struct stat info{};
        if (::stat(name.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= Long)
            m_handle = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
#else
        Q_UNUSED(path);
#endif
    }
    ~Replaced()
    {
        if (m_handle >= 0)
            ::close(m_handle);
    }
    Replaced(const Replaced&) = delete;
    Replaced& operator=(const Replaced&) = delete;

    // Once the new file is in its place.
    void letGoAside()
    {
        if (m_handle < 0)
            return;
        std::thread([handle = m_handle] { ::close(handle); }).detach();
        m_handle = -1;
    }

private:
    static constexpr qint64 Long = 16 << 20;
    int m_handle = -1;
};

}  // namespace

bool replace(const QString& path, const Writer& write, QString* error)
{
    SaveFile file(path);
    const auto fail = [&file, error](const QString& reason) {
        file.cancelWriting();
        if (error)
            *error = reason;
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (deviceHook())
        deviceHook()(file);

    // What the writer wrote may still sit in the device's buffer: a full disk
    // shows only when it is flushed, and commit() alone does not always say so.
    const bool written = write(file);
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (!written)
        return fail(QStringLiteral("il contenuto non \u00E8 stato scritto per intero"));
    if (!syncToDisk(file.handle()))
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    Replaced replaced(path);
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    replaced.letGoAside();
    return true;
}

DeviceHook::DeviceHook(std::function<void(QFileDevice&)> prepare)
{
    deviceHook() = std::move(prepare);
}

DeviceHook::~DeviceHook()
{
    deviceHook() = nullptr;
}

}  // namespace SafeFile
