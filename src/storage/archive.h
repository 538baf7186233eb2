#pragma once
// Fixed-record archive files: the plain concatenation of records, no header.
// Record positions are 1-based; indexes are 0-based (index = position - 1).
// Every failure is an ArchiveError.

#include "storage/archiveerror.h"
#include "storage/journal.h"
#include "storage/record.h"
#include "storage/recordview.h"

#include <QFile>
#include <QString>

#include <QList>

#include <functional>
#include <optional>
#include <type_traits>

// One opened archive, closed when it goes out of scope. Held for one user
// action only: no archive stays open between two actions. Opening it first
// finishes a write that a killed program left in the archive's journal;
// every record is written through the journal (see Journal).
class ArchiveFile {
public:
    enum class Mode {
        OpenOrCreate,  // read and write; a missing file is created empty
        ReadOnly,      // an existing file, read only (tools that only look)
    };

    ArchiveFile(const QString& path, const RecordLayout& layout, Mode mode = Mode::OpenOrCreate);
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile&) = delete;
    ArchiveFile& operator=(const ArchiveFile&) = delete;

    // Whole records in the file; an incomplete last record does not count.
    int count() const;
    // 0 <= index <= count(); count() positions for an append.
    void seek(int index);
    int index() const { return m_index; }
    // Reads the record at index() and advances; past the end is an error.
    Record read();
    // The same record where it lies in the read-ahead, without a copy: valid
    // until the next read, seek or write.
    RecordView readView();
    // Writes at index() (overwrite, or append at count()) and advances. The
    // layout's reserved blocks are written as zeros whatever the record holds.
    void write(const Record& record);
    // Appends `records` at the end as one write through the journal: after a
    // failure, a killed program or a power cut the archive holds all of them
    // or none.
    void appendAll(const QList<Record>& records);
    // Flushes and closes; reports a failed flush. The destructor closes silently.
    void close();
    // What opening did with a journal found beside the archive.
    Journal::Recovery recovery() const { return m_recovery; }

private:
    // The bytes of the record at index() in the read-ahead; advances.
    const char* next();
    // The bytes of `record` as they are written: its layout's size, reserved blocks zeroed.
    QByteArray storedBytes(const Record& record) const;
    // Writes whole records' `bytes` at record `index` through the journal; advances past them.
    void writeAt(int index, const QByteArray& bytes);
    [[noreturn]] void fail(ArchiveError::Operation operation, const QString& detail) const;

    QFile m_file;
    const RecordLayout& m_layout;
    int m_index = 0;
    int m_count = 0;  // taken at opening, kept up to date by write()
    Journal::Recovery m_recovery = Journal::Recovery::None;
    static constexpr int ReadAhead = 256 * 1024;
    QByteArray m_ahead;  // records read ahead, from byte m_aheadStart
    qint64 m_aheadStart = 0;
};

// An archive by path and layout. Each call opens the file, works and closes it.
class Archive {
public:
    Archive(QString path, const RecordLayout& layout, ArchiveFile::Mode mode = ArchiveFile::Mode::OpenOrCreate)
        : m_path(std::move(path)), m_layout(&layout), m_mode(mode)
    {
    }

    const QString& path() const { return m_path; }
    const RecordLayout& layout() const { return *m_layout; }

    int count() const;
    Record read(int position) const;
    // Overwrites the record at `position`; returns the position written.
    int overwrite(int position, const Record& record) const;
    // Appends; returns the new record's position (the new count).
    int append(const Record& record) const;
    // Appends all of `records` or none of them (ArchiveFile::appendAll);
    // returns the position of the first one.
    int appendAll(const QList<Record>& records) const;
    // Reads every record from the first to the last, in file order.
    void scan(const std::function<void(int position, const Record& record)>& visit) const;
    // The same reading, each record seen through a view of the read-ahead
    // (valid during the call only): for scans that use a few fields of each.
    void scanViews(const std::function<void(int position, const RecordView& record)>& visit) const;

private:
    QString m_path;
    const RecordLayout* m_layout;
    ArchiveFile::Mode m_mode;
};

// One row per record of `archive`, made by `rowOf(position, record)`, in
// file order: the rows of an export's grid. A failure stops the reading; the
// rows read so far are returned and the failure goes to `failure` when given.
template <typename RowOf>
auto rowsOf(const Archive& archive, RowOf rowOf, std::optional<ArchiveError>* failure = nullptr)
{
    QList<std::invoke_result_t<RowOf&, int, const Record&>> rows;
    try {
        archive.scan([&](int position, const Record& record) { rows.push_back(rowOf(position, record)); });
    } catch (const ArchiveError& e) {
        if (failure)
            *failure = e;
    }
    return rows;
}
