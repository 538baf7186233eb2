#pragma once
// One program at a time on a data folder. The desktop program holds the
// folder's lock file for its whole run, and so does every norvalis-cli command
// that writes into the folder, for as long as it runs; commands that only read
// take no lock. A lock left behind by a program that ended without releasing
// it (a crash, a power cut) is taken over.

#include <QLockFile>
#include <QString>

class DataFolderLock {
public:
    enum class State {
        Held,         // this program has the folder
        InUse,        // another running program has it
        Unavailable,  // the lock file cannot be made (a folder without write permission)
    };

    static constexpr const char* FileName = "Norvalis.lock";

    // Tries once, without waiting, to take the lock of `folder` (by default
    // the data folder). It is released when the object goes.
    explicit DataFolderLock(const QString& folder = {});
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    State state() const { return m_state; }
    bool held() const { return m_state == State::Held; }
    // Why the lock is not held, as one line for the user; empty when it is.
    const QString& refusal() const { return m_refusal; }

private:
    QLockFile m_file;
    State m_state = State::Unavailable;
    QString m_refusal;
};
