#pragma once
// A full disk for every file the program replaces: while a FullDisk lives,
// the device of each new file writes to /dev/full, so what a writer leaves in
// the device's buffer fails when it is flushed (ENOSPC), and larger writes
// fail at once, as on a disk with no room left.

#include "storage/safefile.h"

#include <QFileDevice>

#include <fcntl.h>
#include <unistd.h>

class FullDisk {
public:
    FullDisk()
        : m_hook([](QFileDevice& file) {
              const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
              if (full >= 0) {
                  ::dup2(full, file.handle());
                  ::close(full);
              }
          })
    {
    }

private:
    SafeFile::DeviceHook m_hook;
};
