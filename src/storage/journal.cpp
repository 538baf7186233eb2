#include "storage/journal.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <optional>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr char Magic[] = "NVJOURN1";
constexpr int MagicSize = 8;
constexpr int HeaderSize = MagicSize + 8 + 4;
constexpr int ChecksumSize = 32;

bool syncFile(QFile& file)
{
    return file.flush() && ::fsync(file.handle()) == 0;
}

// The journal's name in its folder must reach the disk too, or a power cut
// could keep the journal's bytes but lose the file.
bool syncFolderOf(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

bool failWith(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

struct Entry {
    qint64 offset = 0;
    QByteArray record;
};

// The write a journal describes, or nothing when the journal is incomplete.
std::optional<Entry> decode(const QByteArray& bytes)
{
    if (bytes.size() < HeaderSize + ChecksumSize || !bytes.startsWith(QByteArray(Magic, MagicSize)))
        return std::nullopt;
    const qint64 offset = qFromLittleEndian<qint64>(bytes.constData() + MagicSize);
    const quint32 length = qFromLittleEndian<quint32>(bytes.constData() + MagicSize + 8);
    if (offset < 0 || qint64(length) != bytes.size() - HeaderSize - ChecksumSize)
        return std::nullopt;
    const QByteArray body = bytes.left(bytes.size() - ChecksumSize);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha256) != bytes.right(ChecksumSize))
        return std::nullopt;
    return Entry{offset, bytes.mid(HeaderSize, qsizetype(length))};
}

bool writeInPlace(QFile& archive, qint64 offset, const QByteArray& record)
{
    return archive.seek(offset) && archive.write(record) == record.size() && syncFile(archive);
}

}  // namespace

namespace Journal {

QString pathFor(const QString& archivePath)
{
    return archivePath + QStringLiteral(".journal");
}

QByteArray encode(qint64 offset, const QByteArray& record)
{
    QByteArray bytes(Magic, MagicSize);
    char number[8];
    qToLittleEndian<qint64>(offset, number);
    bytes.append(number, 8);
    qToLittleEndian<quint32>(quint32(record.size()), number);
    bytes.append(number, 4);
    bytes += record;
    bytes += QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    return bytes;
}

bool write(QFile& archive, qint64 offset, const QByteArray& record, QString* error)
{
    const QString journalPath = pathFor(archive.fileName());
    QFile journal(journalPath);
    const QByteArray bytes = encode(offset, record);
    if (!journal.open(QIODevice::WriteOnly | QIODevice::Truncate) || journal.write(bytes) != bytes.size()
        || !syncFile(journal) || !syncFolderOf(journalPath)) {
        const QString reason = journal.errorString();
        journal.close();
        // Nothing was written in place: the journal is of no use.
        QFile::remove(journalPath);
        return failWith(error, reason);
    }
    journal.close();
    const qint64 oldSize = archive.size();
    if (!writeInPlace(archive, offset, record)) {
        const QString reason = archive.errorString();
        // An append that did not fit (a full disk) is taken back whole, so
        // the archive stays as it was and opens as before; an overwrite that
        // failed half way is finished from the journal at the next open.
        if (offset >= oldSize && archive.resize(oldSize) && syncFile(archive))
            QFile::remove(journalPath);
        return failWith(error, reason);
    }
    // A journal that outlives this (a power cut before the removal reaches
    // the disk) only writes the same record again.
    QFile::remove(journalPath);
    return true;
}

bool recover(const QString& archivePath, Recovery* outcome, QString* error)
{
    *outcome = Recovery::None;
    const QString journalPath = pathFor(archivePath);
    QFile journal(journalPath);
    if (!journal.exists())
        return true;
    if (!journal.open(QIODevice::ReadOnly))
        return failWith(error, journal.errorString());
    const std::optional<Entry> entry = decode(journal.readAll());
    journal.close();

    QFile archive(archivePath);
    // A write is finished only where it can have begun: at a place inside
    // the file or at its end.
    if (!entry || !archive.exists() || entry->offset > archive.size()) {
        if (!QFile::remove(journalPath))
            return failWith(error, journal.errorString());
        *outcome = Recovery::Discarded;
        return true;
    }
    if (!archive.open(QIODevice::ReadWrite) || !writeInPlace(archive, entry->offset, entry->record))
        return failWith(error, archive.errorString());
    archive.close();
    if (!QFile::remove(journalPath))
        return failWith(error, journal.errorString());
    *outcome = Recovery::Completed;
    return true;
}

}  // namespace Journal
