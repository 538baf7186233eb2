#include "app/backup.h"

#include "app/dates.h"
#include "app/password.h"
#include "cards/cardsettings.h"
#include "members/attachments.h"
#include "storage/appdir.h"
#include "storage/journal.h"
#include "storage/safefile.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>
#include <quazipnewinfo.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <zlib.h>

#include <algorithm>
#include <functional>
#include <limits>

namespace Backup {
namespace {

constexpr qint64 ChunkSize = 256 * 1024;
const QString DailyPrefix = QStringLiteral("Norvalis_");
const QString Extension = QStringLiteral(".zip");

// QuaZip ends its work by committing a QSaveFile it writes into, before the
// safe replacement has put the content on the disk. It writes through this
// view of the device instead, whose closing leaves the device alone.
class DeviceView : public QIODevice {
public:
    explicit DeviceView(QIODevice& target) : m_target(target) {}

    bool open(OpenMode mode) override { return QIODevice::open(mode | QIODevice::Unbuffered); }
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_target.size(); }
    bool seek(qint64 position) override { return QIODevice::seek(position) && m_target.seek(position); }

protected:
    qint64 readData(char* data, qint64 maxSize) override { return m_target.read(data, maxSize); }
    qint64 writeData(const char* data, qint64 size) override { return m_target.write(data, size); }

private:
    QIODevice& m_target;
};

bool isPhoto(const QString& name)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+\\.jpg$"));
    return digits.match(name).hasMatch();
}

bool isArchive(const QString& name)
{
    static const QRegularExpression archive(QStringLiteral("\\.(pro|sca|ore|set)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return archive.match(name).hasMatch();
}

// The journal of a write a program did not finish belongs with its archive:
// kept, the next open of the archive finishes the write; left beside an
// archive put back from a backup, it would write into that archive a record
// from after the backup.
bool isJournal(const QString& name)
{
    const QString suffix = Journal::pathFor(QString());
    return name.endsWith(suffix) && isArchive(name.chopped(suffix.size()));
}

bool isTopLevelDataFile(const QString& name)
{
    return isArchive(name) || isJournal(name) || name.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive)
           || name == QLatin1String(PasswordFile::FileName) || name == Cards::LogoFileName || isPhoto(name);
}

bool isPicture(const QString& name)
{
    return name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive)
           || name.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive);
}

// The path parts of an entry: each a plain name.
bool plainParts(const QStringList& parts)
{
    return !parts.isEmpty() && std::all_of(parts.begin(), parts.end(), attachments::isPlainName);
}

// A folder entry of a zip ("Documenti_Allegati/"): only the attachments
// folder and folders inside it.
bool isDataFolder(const QString& relativePath)
{
    const QStringList parts = relativePath.split(QLatin1Char('/'));
    return plainParts(parts) && parts.first() == QLatin1String(attachments::FolderName);
}

QString quoted(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

enum class Pumped { Whole, ReadFailed, WriteFailed };

// Copies what `from` gives into `into` (nullptr: only reads), chunk by
// chunk, counting the bytes in `total`.
Pumped pump(QIODevice& from, QIODevice* into, qint64& total)
{
    QByteArray chunk(ChunkSize, Qt::Uninitialized);
    total = 0;
    while (true) {
        const qint64 got = from.read(chunk.data(), ChunkSize);
        if (got < 0)
            return Pumped::ReadFailed;
        if (got == 0)
            return Pumped::Whole;
        if (into && into->write(chunk.constData(), got) != got)
            return Pumped::WriteFailed;
        total += got;
    }
}

// Reads the zip's current entry whole, checking its length and checksum,
// into `into` when one is given. False with the reason in `why`.
bool readEntry(QuaZip& zip, const QuaZipFileInfo64& info, QIODevice* into, QString& why)
{
    QuaZipFile entry(&zip);
    if (!entry.open(QIODevice::ReadOnly)) {
        why = QStringLiteral("non si riesce ad aprire %1 (errore %2)").arg(info.name).arg(entry.getZipError());
        return false;
    }
    qint64 copied = 0;
    const Pumped pumped = pump(entry, into, copied);
    entry.close();
    if (pumped == Pumped::WriteFailed) {
        why = into->errorString();
        return false;
    }
    if (pumped != Pumped::Whole || entry.getZipError() != UNZ_OK || quint64(copied) != info.uncompressedSize) {
        why = QStringLiteral("%1 non si legge per intero: il file zip \u00E8 danneggiato").arg(info.name);
        return false;
    }
    return true;
}

// Replaces `path` with what `write` puts into the device; on failure, the
// writer's own reason when it gave one, else the system's.
bool replaceFile(const QString& path, const std::function<bool(QIODevice&, QString&)>& write, QString& why)
{
    QString writerReason, systemReason;
    if (SafeFile::replace(
            path, [&](QIODevice& device) { return write(device, writerReason); }, &systemReason))
        return true;
    why = writerReason.isEmpty() ? systemReason : writerReason;
    return false;
}

QString failure(const QString& what, const QString& reason)
{
    return reason.isEmpty() ? what : what + QStringLiteral(": ") + reason;
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// The entries of a zip that a restore would put back, each read whole once.
// False, with the reason, for a zip that cannot be restored as a whole.
bool checkedEntries(QuaZip& zip, QStringList& files, QString& why)
{
    QSet<QString> seen;
    for (bool more = zip.getEntriesCount() > 0 && zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info)) {
            why = QStringLiteral("l'elenco dei file \u00E8 danneggiato");
            return false;
        }
        if (info.name.endsWith(QLatin1Char('/'))) {
            if (!isDataFolder(info.name.chopped(1))) {
                why = QStringLiteral("contiene la cartella \"%1\", che non fa parte dei dati di Norvalis").arg(info.name);
                return false;
            }
            continue;
        }
        if (!isDataFile(info.name)) {
            why = QStringLiteral("contiene \"%1\", che non \u00E8 un file dei dati di Norvalis").arg(info.name);
            return false;
        }
        if (seen.contains(info.name)) {
            why = QStringLiteral("contiene due volte \"%1\"").arg(info.name);
            return false;
        }
        if (info.isEncrypted()) {
            why = QStringLiteral("\"%1\" \u00E8 protetto da password").arg(info.name);
            return false;
        }
        if (!readEntry(zip, info, nullptr, why))
            return false;
        seen.insert(info.name);
        files << info.name;
    }
    if (zip.getZipError() != UNZ_OK) {
        why = QStringLiteral("l'elenco dei file \u00E8 danneggiato");
        return false;
    }
    if (files.isEmpty()) {
        why = QStringLiteral("non contiene alcun file dei dati di Norvalis");
        return false;
    }
    return true;
}

}  // namespace

bool isDataFile(const QString& relativePath)
{
    const QStringList parts = relativePath.split(QLatin1Char('/'));
    if (!plainParts(parts))
        return false;
    if (parts.size() == 1)
        return isTopLevelDataFile(parts.first());
    return parts.first() == QLatin1String(attachments::FolderName);
}

QStringList dataFiles()
{
    const QDir data(AppDir::path());
    QStringList files;
    for (const QString& name : data.entryList(QDir::Files | QDir::Hidden))
        if (isDataFile(name))
            files << name;
    QDirIterator inside(attachments::folder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (inside.hasNext()) {
        const QString relative = data.relativeFilePath(inside.next());
        if (isDataFile(relative))
            files << relative;
    }
    files.sort();
    return files;
}

QString folder()
{
    return AppDir::filePath(QLatin1String(FolderName)) + QLatin1Char('/');
}

QString dailyPath(const QDate& day)
{
    return folder() + DailyPrefix + day.toString(QStringLiteral("yyyy-MM-dd")) + Extension;
}

QString newPath(const QDateTime& moment, const QString& label)
{
    QString stem = folder() + DailyPrefix + moment.toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
    if (!label.isEmpty())
        stem += QLatin1Char('_') + label;
    QString path = stem + Extension;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = stem + QLatin1Char('_') + QString::number(n) + Extension;
    return path;
}

bool write(const QString& zipPath, QString* error, int* files)
{
    const QStringList names = dataFiles();
    qint64 total = 0;
    for (const QString& name : names)
        total += QFileInfo(AppDir::filePath(name)).size();
    // Zip's own fields count to 4 GiB and 65,535 entries; larger backups need its 64-bit extension.
    const bool large = total >= qint64(std::numeric_limits<quint32>::max()) - ChunkSize
                       || names.size() >= std::numeric_limits<quint16>::max();

    if (!QDir().mkpath(QFileInfo(zipPath).absolutePath())) {
        setError(error, QStringLiteral("impossibile creare la cartella di %1").arg(quoted(zipPath)));
        return false;
    }
    QString why;
    const bool written = replaceFile(
        zipPath,
        [&](QIODevice& device, QString& reason) {
            DeviceView view(device);
            QuaZip zip(&view);
            zip.setUtf8Enabled(true);
            zip.setZip64Enabled(large);
            if (!zip.open(QuaZip::mdCreate))
                return false;
            for (const QString& name : names) {
                const QString path = AppDir::filePath(name);
                QFile in(path);
                const auto unreadable = [&] {
                    reason = QStringLiteral("impossibile leggere %1: %2").arg(quoted(path), in.errorString());
                    return false;
                };
                if (!in.open(QIODevice::ReadOnly))
                    return unreadable();
                QuaZipFile entry(&zip);
                // JPEG pictures do not get smaller: they are stored as they are.
                const int method = isPicture(name) ? 0 : Z_DEFLATED;
                if (!entry.open(QIODevice::WriteOnly, QuaZipNewInfo(name, path), nullptr, 0, method, Z_BEST_SPEED))
                    return false;
                qint64 copied = 0;
                const Pumped pumped = pump(in, &entry, copied);
                entry.close();
                if (pumped == Pumped::ReadFailed)
                    return unreadable();
                if (pumped != Pumped::Whole || entry.getZipError() != ZIP_OK)
                    return false;
            }
            zip.close();
            return zip.getZipError() == ZIP_OK;
        },
        why);
    if (!written) {
        setError(error, failure(QStringLiteral("impossibile scrivere la copia %1").arg(quoted(zipPath)), why));
        return false;
    }
    if (files)
        *files = int(names.size());
    return true;
}

Daily makeDaily(const QDate& today, QString* error)
{
    const QString path = dailyPath(today);
    if (QFileInfo::exists(path))
        return Daily::AlreadyMade;
    if (!write(path, error))
        return Daily::Failed;

    static const QRegularExpression daily(QStringLiteral("^Norvalis_[0-9]{4}-[0-9]{2}-[0-9]{2}\\.zip$"));
    QStringList dailies;
    for (const QString& name : QDir(folder()).entryList(QDir::Files, QDir::Name))
        if (daily.match(name).hasMatch())
            dailies << name;
    for (qsizetype i = 0; i + KeptDailyBackups < dailies.size(); ++i) {
        QFile old(folder() + dailies.at(i));
        if (!old.remove()) {
            setError(error, QStringLiteral("impossibile eliminare la copia pi\u00F9 vecchia %1: %2")
                                .arg(quoted(old.fileName()), old.errorString()));
            return Daily::Failed;
        }
    }
    return Daily::Made;
}

bool restore(const QString& zipPath, Restored* restored, QString* error)
{
    const QString source = quoted(zipPath);
    if (!QFileInfo::exists(zipPath)) {
        setError(error, QStringLiteral("%1 non esiste").arg(source));
        return false;
    }
    QuaZip zip(zipPath);
    const auto refused = [&](const QString& why) {
        setError(error, why + QStringLiteral("; nessun file \u00E8 stato toccato"));
        return false;
    };
    if (!zip.open(QuaZip::mdUnzip))
        return refused(QStringLiteral("%1 non \u00E8 un file zip leggibile").arg(source));
    QStringList files;
    QString why;
    if (!checkedEntries(zip, files, why))
        return refused(QStringLiteral("%1 non si pu\u00F2 ripristinare: %2").arg(source, why));

    Restored done;
    done.previousState = newPath(Clock::now(), QStringLiteral("prima_del_ripristino"));
    if (!write(done.previousState, &why))
        return refused(QStringLiteral("prima del ripristino non si \u00E8 potuto salvare lo stato attuale (%1)").arg(why));

    const auto stopped = [&](const QString& reason) {
        setError(error, QStringLiteral("ripristino interrotto: %1. Sono stati ripristinati %2 file; lo stato di prima "
                                       "del ripristino \u00E8 nella copia %3")
                            .arg(reason).arg(done.files).arg(quoted(done.previousState)));
        if (restored)
            *restored = done;
        return false;
    };
    const QSet<QString> kept(files.begin(), files.end());
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info) || !kept.contains(info.name))
            continue;  // the folders; the list read whole a moment ago
        const QString target = AppDir::filePath(info.name);
        if (!QDir().mkpath(QFileInfo(target).absolutePath()))
            return stopped(QStringLiteral("impossibile creare la cartella di %1").arg(quoted(target)));
        const auto copy = [&](QIODevice& device, QString& reason) { return readEntry(zip, info, &device, reason); };
        if (!replaceFile(target, copy, why))
            return stopped(failure(QStringLiteral("impossibile scrivere %1").arg(quoted(target)), why));
        ++done.files;
    }

    const QString restoring = QFileInfo(zipPath).canonicalFilePath();
    for (const QString& name : dataFiles()) {
        const QString path = AppDir::filePath(name);
        if (kept.contains(name) || QFileInfo(path).canonicalFilePath() == restoring)
            continue;
        QFile extra(path);
        if (!extra.remove())
            return stopped(QStringLiteral("impossibile togliere %1: %2").arg(quoted(path), extra.errorString()));
        ++done.removed;
    }
    if (restored)
        *restored = done;
    return true;
}

QString dailyFailureMessage(const QString& reason)
{
    return QStringLiteral("Attenzione: non \u00E8 stato possibile fare la copia di sicurezza giornaliera dei dati "
                          "nella cartella %1 (%2).\r\n\r\nIl programma funziona normalmente; la copia sar\u00E0 "
                          "ritentata alla prossima apertura.")
        .arg(QLatin1String(FolderName), reason);
}

}  // namespace Backup
