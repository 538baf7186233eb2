#pragma once
// Reading a CSV file as a spreadsheet program saves it: UTF-8 (with or
// without its byte-order mark) or else Windows-1252, fields separated by
// commas or semicolons, quoted fields that hold separators, quotes and line
// breaks. The parsing itself is libcsv's, in its strict mode.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace Csv {

enum class Encoding { Utf8, Windows1252 };

struct Row {
    int line = 0;  // the physical line of the file where the row starts (1 = the first)
    QStringList cells;
};

struct Table {
    Encoding encoding = Encoding::Utf8;
    char separator = ',';
    QList<Row> rows;  // every row of the file, the header first; blank lines are no rows
};

// Why a file could not be read: its message, and the line it concerns (0 for the whole file).
struct Failure {
    int line = 0;
    QString message;
};

// The separator of `bytes`: the one of comma and semicolon that splits the
// first row into more fields; a comma when neither splits it more.
char detectSeparator(const QByteArray& bytes);

// The rows of a CSV file's bytes. Line breaks inside a quoted field stay in
// the cell as they are (LF, CR LF or CR). No value, with the reason in
// `failure`, for a quote left open or a stray quote.
std::optional<Table> parse(const QByteArray& bytes, Failure* failure);

// The same, from a file; a file that cannot be read is a failure of line 0.
std::optional<Table> read(const QString& path, Failure* failure);

}  // namespace Csv
