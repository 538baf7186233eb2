#pragma once
// The spreadsheet file of every export: an HTML table with the Excel markup
// that makes spreadsheet programs open it as a workbook of one worksheet.
// The whole file is one line in Windows-1252. Titles and values are written
// trimmed (values) and with &, < and > escaped, so that no member's text can
// break the table; every data cell is marked as text, so that spreadsheet
// programs keep leading zeros.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QIODevice;

namespace Spreadsheet {

struct HeaderCell {
    QString title;
    int width;  // pixels
};

// One export's content: the worksheet name, the header row and the data rows,
// handed out one at a time so that a big archive is never held twice.
struct Table {
    QString worksheet;
    QList<HeaderCell> header;
    int rowCount = 0;
    std::function<QStringList(int index)> row;  // 0-based; one value per header cell

    // A table over rows already in memory.
    static Table of(QString worksheet, QList<HeaderCell> header, QList<QStringList> rows);
};

// &, < and > as &amp; &lt; &gt;; everything else unchanged.
QString escaped(QStringView text);

// Writes the file row by row while the rows are being read, so that the
// memory it takes does not grow with the number of rows: the rows are
// gathered in chunks of about 1 MB, the last one goes out with the tail at
// finish(). A long file is written by a thread of its own, one chunk while
// the next is filled; the device is touched by one thread at a time. Text is
// encoded through a table made once from the Windows-1252 codec, with the
// codec's own result for every character.
class Writer {
public:
    Writer(QIODevice& device, QStringView worksheet, const QList<HeaderCell>& header);
    ~Writer();  // waits for a chunk still being written
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // A data row whose cells are given one at a time between beginRow() and endRow().
    void beginRow();
    // A cell: the value trimmed, escaped and encoded.
    void cell(QStringView value);
    // A cell from text as a record stores it (Windows-1252 bytes), written
    // as if it had been read into a string and given to cell().
    void storedCell(QByteArrayView text);
    void endRow();
    // A whole data row.
    void row(const QStringList& cells);

    // Writes the tail and whatever is still held; false when any write
    // failed. Once a write fails nothing more is written.
    bool finish();
    bool ok() const { return m_ok; }

private:
    // Room for `size` more bytes after what the chunk holds; the bytes put
    // there count once taken().
    char* room(qsizetype size);
    void taken(const char* end) { m_used = end - m_chunk.data(); }
    void append(QByteArrayView bytes);
    // `text` escaped and encoded, then the markup `after`.
    void appendText(QStringView text, QLatin1StringView after);
    void flush();

    class Sender;

    QIODevice& m_device;
    std::vector<char> m_chunk;  // its size is the room there is
    qsizetype m_used = 0;
    std::vector<char> m_sent;   // the chunk the sender is writing
    std::unique_ptr<Sender> m_sender;  // from the first full chunk on
    bool m_ok = true;
};

// Fills the file of `writer`; false to give up (its source could not be read).
using Fill = std::function<bool(Writer& writer)>;

// The whole file.
QByteArray document(const Table& table);
// Writes the file to an open device; false at the first failed write (what
// was written before stays).
bool write(QIODevice& device, const Table& table);
// Writes the file at `path`, replacing an earlier one only with the complete
// new file; false when it cannot be written, with the reason in `error` when
// given (the earlier file then stays as it was).
bool writeFile(const QString& path, const Table& table, QString* error = nullptr);
// The same for a file whose rows `fill` writes while it reads them; false
// too when `fill` gives up.
bool writeFile(const QString& path, QStringView worksheet, const QList<HeaderCell>& header, const Fill& fill,
               QString* error = nullptr);

}  // namespace Spreadsheet
