#pragma once
// The result list shared by the search and list dialogs: fixed-width lines,
// each one remembering the record it was built from, the find-in-list
// stepping of "Trova" and the model the dialogs' list views show.

#include <QAbstractListModel>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <vector>

class Archive;
class RecordFilter;
class RecordLayout;
class RecordView;

// One line of a result list and the 1-based archive position of its record.
struct ResultLine {
    QString text;
    int position = 0;

    bool operator==(const ResultLine&) const = default;
};
// Moved in memory as it is when a list of 100,000 lines grows.
Q_DECLARE_TYPEINFO(ResultLine, Q_RELOCATABLE_TYPE);

namespace ListLine {

// The text trimmed, then padded with blanks or cut to `width` characters.
QString fit(QStringView text, int width);

// The line of a record as a row of parts, each a fixed text followed by a
// field's trimmed text, fitted to a width (as fit() does) or whole. The line
// is built straight from the record's bytes into one string.
class Format {
public:
    static constexpr int Whole = -1;
    struct Part {
        QStringView before;
        const char* field;
        int width;  // Whole: the text as it is
    };

    Format(const RecordLayout& layout, std::initializer_list<Part> parts);
    QString line(const RecordView& record) const;

private:
    struct Resolved {
        QString before;
        QString field;
        int index;  // in the format's layout
        int width;
    };
    const RecordLayout* m_layout;
    std::vector<Resolved> m_parts;
    qsizetype m_fixedSize = 0;  // the fixed texts and widths
};

// The order of a sorted list box: by the whole line with a-z taken as A-Z,
// then by UTF-16 code unit; equal lines keep the order they came in.
void sortAsListBox(QList<ResultLine>& lines);

// A double-click on a line loads the last record in the archive that gives
// the same line: every line of a text points at the highest position among
// the lines of that text.
void pointAtLastOfSameText(QList<ResultLine>& lines);

// A search over a whole archive: the line of every record `filter`
// qualifies, in archive order, each pointing at the last record giving the
// same line. Throws ArchiveError when the archive cannot be used.
QList<ResultLine> filteredLines(const Archive& archive, const RecordFilter& filter,
                                const std::function<QString(const RecordView&)>& lineOf);

}  // namespace ListLine

// "Trova" in a result list. The text is lower-cased (A-Z only) and not
// trimmed. A new text searches from the first line, the first line included;
// the same text again searches from the line after the selected one, so that
// repeated presses step through every matching line and wrap around. An
// empty text matches no line.
class FindInList {
public:
    // Forgets the previous text (the dialog is shown again).
    void reset() { m_last.clear(); }
    const QString& lastText() const { return m_last; }

    // The line to select: the first matching line in search order, or
    // `selected` when none matches. `selected` < 0 is taken as the first
    // line. `count` must be > 0.
    int step(int count, const std::function<QString(int)>& lineAt, int selected, const QString& typed);

private:
    QString m_last;
};

// The lines of a result list, in Courier New 12 pt black, each item 1600
// pixels wide so that long lines scroll horizontally.
class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int ItemWidth = 1600;
    // The record position of a line (int).
    static constexpr int PositionRole = Qt::UserRole + 1;

    explicit ResultListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void setLines(QList<ResultLine> lines);
    void clear() { setLines({}); }
    const QList<ResultLine>& lines() const { return m_lines; }
    const ResultLine& line(int row) const { return m_lines.at(row); }
    QStringList texts() const;

    static QFont lineFont();

private:
    QList<ResultLine> m_lines;
    QFont m_font;
    int m_rowHeight;
};
