#include "storage/folderlock.h"

#include "storage/appdir.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

namespace {

// A lock file is written whole within moments of its creation; one older
// than this that still names no program was cut short by a crash or a
// power cut and holds nobody's lock.
constexpr qint64 UnreadableLockAgeSeconds = 10;

QString lockPath(const QString& folder)
{
    return QDir(folder.isEmpty() ? AppDir::path() : folder).filePath(QLatin1String(DataFolderLock::FileName));
}

// Who holds the lock, as the user can look for it.
QString holder(const QLockFile& file)
{
    qint64 pid = 0;
    QString host, program;
    if (!file.getLockInfo(&pid, &host, &program))
        return QStringLiteral("un altro programma");
    QString who = program == QLatin1String("norvalis-cli")
                      ? QStringLiteral("un comando di norvalis-cli (processo %1)").arg(pid)
                      : QStringLiteral("il programma %1 (processo %2)").arg(program.isEmpty() ? QStringLiteral("Norvalis") : program).arg(pid);
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        who += QStringLiteral(" sul computer ") + host;
    return who;
}

bool unreadableAndOld(const QLockFile& file, const QString& path)
{
    qint64 pid = 0;
    QString host, program;
    if (file.getLockInfo(&pid, &host, &program))
        return false;
    const QFileInfo info(path);
    return info.exists()
           && info.lastModified().secsTo(QDateTime::currentDateTime()) > UnreadableLockAgeSeconds;
}

}  // namespace

DataFolderLock::DataFolderLock(const QString& folder) : m_file(lockPath(folder))
{
    // Only a program that is no longer running leaves a stale lock: the
    // program keeps its lock for hours, so the lock's age alone means nothing.
    m_file.setStaleLockTime(0);
    bool taken = m_file.tryLock(0);
    if (!taken && m_file.error() == QLockFile::LockFailedError && unreadableAndOld(m_file, lockPath(folder))) {
        m_file.removeStaleLockFile();
        taken = m_file.tryLock(0);
    }
    const QString where = QDir::toNativeSeparators(QFileInfo(lockPath(folder)).absolutePath());
    if (taken) {
        m_state = State::Held;
    } else if (m_file.error() == QLockFile::LockFailedError) {
        m_state = State::InUse;
        m_refusal = QStringLiteral("Attenzione: Norvalis \u00E8 gi\u00E0 in uso su questa cartella dati (%1): la sta usando "
                                   "%2. Chiudere l'altra copia di Norvalis, o attendere la fine del comando, e "
                                   "riprovare.")
                        .arg(where, holder(m_file));
    } else {
        m_state = State::Unavailable;
        m_refusal = QStringLiteral("Attenzione: impossibile creare il file di blocco %1 nella cartella dati (%2). "
                                   "Accertarsi di possedere i privilegi di scrittura nella cartella.")
                        .arg(QLatin1String(FileName), where);
    }
}

DataFolderLock::~DataFolderLock() = default;
