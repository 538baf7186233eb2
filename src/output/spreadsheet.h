#pragma once
// The spreadsheet file of every export: an HTML table with the Excel markup
// that makes spreadsheet programs open it as a workbook of one worksheet.
// The whole file is one line in Windows-1252. Titles and values are written
// trimmed (values) and with &, < and > escaped, so that no member's text can
// break the table; every data cell is marked as text, so that spreadsheet
// programs keep leading zeros.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

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

// The whole file.
QByteArray document(const Table& table);
// Writes the file to an open device; false at the first failed write (what
// was written before stays).
bool write(QIODevice& device, const Table& table);
// Writes the file at `path`, replacing an earlier one only with the complete
// new file; false when it cannot be written, with the reason in `error` when
// given (the earlier file then stays as it was).
bool writeFile(const QString& path, const Table& table, QString* error = nullptr);

}  // namespace Spreadsheet
