#pragma once
// Member import from a spreadsheet saved as CSV: each column of the file is
// taken into a member field (or into the fields the member export joins in
// one column), each row becomes a new member stored as the member screen
// stores it and checked with the screen's checks before a save. Either every
// row passes and all of them are appended, or nothing is written.

#include "members/memberrules.h"
#include "storage/csvfile.h"
#include "storage/record.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace members {

// What a column of the file can go into: one field, or the fields that one
// column of the member export joins ("Comune di nascita" holds the town and
// the province).
struct ImportTarget {
    QString title;       // as the drop-down shows it
    QStringList fields;  // record fields, in the order the export joins them
};

inline constexpr int NotImported = -1;

// Every target, in the order of the member screen's fields: the text fields
// the screen edits (not the annulled flag, nor the attachments, which only
// the attachments window fills) and the two joined columns of the export.
const QList<ImportTarget>& importTargets();
// The target a column title names: a title of the export file or of its
// grid, a target's own title, or a field name ("CodFisc"), ignoring case and
// blanks at the ends; NotImported for any other title.
int targetForTitle(const QString& title);

// The first column of `header` whose title is `title` (case and blanks at
// the ends ignored); -1 when there is none.
int columnNamed(const QStringList& header, const QString& title);

// The target of each column of a file.
class ImportMapping {
public:
    ImportMapping() = default;
    // Each column matched by its title (targetForTitle); when two columns
    // name the same field, the first keeps it.
    explicit ImportMapping(const QStringList& header);

    int columnCount() const { return int(m_targets.size()); }
    int target(int column) const { return m_targets.value(column, NotImported); }
    // Gives `column` its target; another column sharing a field with it
    // becomes not imported, so that a field has one source only.
    void setTarget(int column, int target);
    // True when some column is imported.
    bool importsAny() const;

private:
    QList<int> m_targets;
};

// A line of the file that cannot be imported.
struct ImportFailure {
    int line = 0;  // the physical line where the row starts; 1 is the header
    QString reason;

    // "riga N: reason"
    QString text() const;
    bool operator==(const ImportFailure&) const = default;
};

struct ImportPlan {
    // Why the file as a whole cannot be imported (no row, no column
    // imported); empty otherwise.
    QString refusal;
    QList<ImportFailure> failures;  // in file order
    QList<Record> records;          // one per data row, in file order
    bool accepted() const { return refusal.isEmpty() && failures.isEmpty(); }
};

// A row whose cells are all blank: no member, and no failure either (the
// empty rows a spreadsheet leaves at the end).
bool isBlankRow(const Csv::Row& row);
// The rows of `table` after the header that are not blank.
int dataRowCount(const Csv::Table& table);

// The texts one data row gives the member fields, as the screen's controls
// would hold them: a line break inside a value is one blank; a joined
// column is split back into its fields; a field no column fills has the
// new-record default ("0" days of notice, the others empty).
FieldTexts importTexts(const Csv::Row& row, const ImportMapping& mapping);

// Every data row of `table` (the rows after the header; rows of blank cells
// only are skipped) as a new member: each checked with the checks of a save,
// its texts stored trimmed and cut to their fields, never annulled.
ImportPlan planImport(const Csv::Table& table, const ImportMapping& mapping);

// Appends the planned records to the member archive at `path` as one write:
// all of them or, on a failure (an ArchiveError), none. Returns the position
// of the first one.
int appendMembers(const QString& path, const QList<Record>& records);

}  // namespace members
