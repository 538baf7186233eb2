#pragma once
// Small helpers for spelling out expected bytes in tests, and for reading
// and writing the files a test looks at.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <initializer_list>

// bytes({0x02, 0x53, 0xEC})
inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// A field as it lies in a file: length byte, the ASCII/Latin-1 text given as
// bytes, then zero filler up to the capacity.
inline QByteArray field(const QByteArray& text, int capacity)
{
    QByteArray out;
    out.append(char(text.size()));
    out.append(text);
    out.append(QByteArray(capacity - text.size(), '\0'));
    return out;
}

// Puts `part` into `record` at `offset`.
inline void place(QByteArray& record, int offset, const QByteArray& part)
{
    record.replace(offset, part.size(), part);
}

// The bytes of a file; "<missing>" when it cannot be read.
inline QByteArray fileContent(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The rows of a spreadsheet export, the header row first, each as its
// cells' texts as written (Windows-1252 read as Latin-1, escapes kept).
inline QList<QStringList> exportRows(const QByteArray& file)
{
    static const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"));
    static const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"));
    QList<QStringList> rows;
    for (const QRegularExpressionMatch& r : row.globalMatch(QString::fromLatin1(file))) {
        QStringList cells;
        for (const QRegularExpressionMatch& c : cell.globalMatch(r.captured(1)))
            cells << c.captured(1);
        rows << cells;
    }
    return rows;
}

// Writes a file of the test's own, replacing what it held; false on failure.
inline bool setFileContent(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}
