#pragma once
// Backups of the data folder: one zip file holding everything the program
// keeps there (the archives, the INI files and the password file, the
// members' photos, the logo and the attached files), but not the exported
// spreadsheets, which the program makes again, nor earlier backups. Backups
// lie in the folder Backup of the data folder, named after the day (and the
// time) they were made. The desktop program makes one a day on its first start
// of the day and keeps the last 30 of those; norvalis-cli makes them on demand
// and puts one back, after saving the present state in another.

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace Backup {

inline constexpr const char* FolderName = "Backup";
// How many of the daily backups are kept; older ones are removed.
inline constexpr int KeptDailyBackups = 30;

// Whether `relativePath` (relative to the data folder, separated by '/')
// names a file a backup holds: an archive (*.pro, *.sca, *.ore, *.set) and
// the journal of a write left unfinished beside it, an INI file, the
// password file, a member's photo ("12.jpg"), the logo, or a file under
// Documenti_Allegati. Every part of the path must be a plain
// name: no "..", no drive, no '\\', no control character.
bool isDataFile(const QString& relativePath);
// The data files in the data folder, as relative paths, sorted.
QStringList dataFiles();

// Backup/ in the data folder, with a trailing separator.
QString folder();
// The daily backup of `day`: Backup/Norvalis_2025-03-07.zip.
QString dailyPath(const QDate& day);
// A name for a backup made at `moment` that no file has yet:
// Backup/Norvalis_2025-03-07_101500.zip, with "_" + `label` before the
// extension when one is given, and "_2", "_3"... when that name is taken.
QString newPath(const QDateTime& moment, const QString& label = {});

// Writes the backup of the data folder to `zipPath` (its folder is made when
// missing); an earlier file there is replaced only by the complete new zip.
// Pictures are stored as they are, everything else compressed. False, with
// the reason in `error`, when it could not be written whole.
bool write(const QString& zipPath, QString* error = nullptr, int* files = nullptr);

enum class Daily { Made, AlreadyMade, Failed };
// The backup of the program's first start of `today`: writes dailyPath(today)
// unless it is there already, then keeps the newest KeptDailyBackups daily
// backups. Backups made on demand or before a restore are never removed.
Daily makeDaily(const QDate& today, QString* error = nullptr);

struct Restored {
    int files = 0;          // files put back
    int removed = 0;        // data files the backup did not hold, taken away
    QString previousState;  // the backup of the state before the restore
};
// Puts the data folder back as `zipPath` holds it. The zip is checked whole
// first: an entry outside the data files (an absolute path, "..", any other
// file), an entry named twice, a zip without data files or one that does not
// read back intact is refused without touching anything. Then the present
// state is saved as newPath(now, "prima_del_ripristino"), each file of the
// zip replaces its namesake only once its whole content is on disk, and the
// data files the zip does not hold are taken away (they are in the saved
// state). False, with the reason in `error`, on any failure.
bool restore(const QString& zipPath, Restored* restored = nullptr, QString* error = nullptr);

// The warning the desktop program shows when its daily backup fails.
QString dailyFailureMessage(const QString& reason);

}  // namespace Backup
