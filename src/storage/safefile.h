#pragma once
// Replacing a file whole or not at all. Every file the program writes (the
// INI files, pictures, attachments, exports, PDFs) goes through replace():
// the new content is written beside the old file, flushed and synced to
// disk, and only then renamed over it. A full disk, a failed write or a
// writer that gives up leaves the old file byte for byte as it was.

#include <QString>

#include <functional>

class QFileDevice;
class QIODevice;

namespace SafeFile {

// Writes the whole new content into `device`; false when it could not
// produce it (a picture that does not encode, a source that cannot be read).
using Writer = std::function<bool(QIODevice& device)>;

// Replaces (or creates) the file at `path` with what `write` puts into the
// device. Returns false on any failure, with the system's reason in `error`
// when one is given; the old file is then untouched and nothing is left behind.
bool replace(const QString& path, const Writer& write, QString* error = nullptr);

// For tests: while one is alive, every file replace() opens is handed to
// `prepare` before the writer runs, so that a test can make the device fail
// as a full disk does.
class DeviceHook {
public:
    explicit DeviceHook(std::function<void(QFileDevice&)> prepare);
    ~DeviceHook();
    DeviceHook(const DeviceHook&) = delete;
    DeviceHook& operator=(const DeviceHook&) = delete;
};

}  // namespace SafeFile
