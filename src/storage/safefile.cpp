#include "storage/safefile.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
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

}  // namespace

bool replace(const QString& path, const Writer& write, QString* error)
{
    QSaveFile file(path);
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
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
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
