#pragma once
// Browsing and saving the records of one archive, the way every data screen
// does it: first / previous / next / last, a new record, save, and showing a
// record a search picked. The browser decides what happens; the screen reads
// its controls into a Record, calls the operation and displays the outcome
// (the record into the controls, the position label, the message box).
//
// Each operation opens the archive (creating it when missing), works and
// closes it. An ArchiveError leaves the browser exactly as it was and is
// reported as a failure carrying ArchiveError::userMessage().

#include "storage/layout.h"
#include "storage/record.h"

#include <QString>

#include <functional>
#include <optional>

namespace BrowseText {

inline const QString EmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
inline const QString ChangesSaved =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
inline const QString RecordInserted = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
// "Duplica" of a screen whose record is not stored yet, and of a stored one.
inline const QString DuplicateNeedsStored =
    QStringLiteral("Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto dopo che questa \u00E8 stata "
                   "inserita in archivio.");
inline const QString DuplicateReady =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                   "Al termine premere Salva per inserire la scheda in archivio.");

}  // namespace BrowseText

struct BrowseOutcome {
    enum class Kind {
        Shown,      // `record` is the record now current: put it on screen
        Unchanged,  // nothing happened, nothing to show
        Empty,      // the archive holds no record (information message)
        Saved,      // the screen's record is stored (information message)
        Failed,     // the archive could not be used (error message)
    };
    // The message box to show: information boxes carry OK and Cancel.
    enum class Notice { None, Information, Error };

    Kind kind = Kind::Unchanged;
    std::optional<Record> record;      // only for Shown
    QString message;                   // empty when notice is None
    Notice notice = Notice::None;
    std::optional<int> position;       // the browser's position after the operation

    // The position label: "" for a record not yet stored, else the number.
    QString positionText() const;
};

class RecordBrowser {
public:
    // `layout` must outlive the browser and the records it hands back.
    RecordBrowser(QString path, const RecordLayout& layout);

    const QString& path() const { return m_path; }
    const RecordLayout& layout() const { return *m_layout; }
    // Another archive (a yearly screen changing year): no record is current.
    void setPath(QString path);

    // 1-based; no value while the screen shows a new record not yet stored.
    std::optional<int> position() const { return m_position; }
    QString positionText() const;

    // A new record: the screen empties its fields and puts its defaults.
    void reset() { m_position.reset(); }
    // The message of a save that appends; screens whose wording differs set theirs.
    void setInsertedText(QString text) { m_insertedText = std::move(text); }
    // The record on screen stays there as a new one, a copy to be saved:
    // once the archive is found usable the position is emptied (Unchanged),
    // otherwise nothing changes (Failed).
    BrowseOutcome copyAsNew();

    BrowseOutcome first();
    BrowseOutcome previous();
    BrowseOutcome next();
    BrowseOutcome last();
    // Overwrites the current record, or appends a new one and makes it current.
    // The screen has validated `record` beforehand.
    BrowseOutcome save(const Record& record);
    // Reads the record at `position` (chosen in a search) and makes it current.
    BrowseOutcome showAt(int position);

private:
    // Opens the archive; on an empty one reports it (emptying the position
    // when `emptyClears`); otherwise shows the record `target` picks from the
    // count, or leaves everything as it is when it picks none.
    BrowseOutcome moveTo(const std::function<std::optional<int>(int count)>& target, bool emptyClears = false);
    BrowseOutcome shown(Record record, int position);
    BrowseOutcome unchanged() const;
    BrowseOutcome empty() const;
    BrowseOutcome saved(const QString& message) const;
    BrowseOutcome failed() const;

    QString m_path;
    const RecordLayout* m_layout;
    std::optional<int> m_position;
    QString m_insertedText = BrowseText::RecordInserted;
};
