#include "storage/archive.h"

#include <QFileInfo>

#include <algorithm>

ArchiveFile::ArchiveFile(const QString& path, const RecordLayout& layout, Mode mode)
    : m_file(path), m_layout(layout)
{
    QString journalError;
    if (!Journal::recover(path, &m_recovery, &journalError))
        fail(ArchiveError::Operation::Open,
             QStringLiteral("una scrittura interrotta non si può completare: ") + journalError);
    // An existing file is opened as it is and never truncated; only a file
    // that is not there is created. An existing file that cannot be opened
    // is reported, not replaced.
    if (mode == Mode::ReadOnly) {
        if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            fail(ArchiveError::Operation::Open, m_file.errorString());
    } else if (QFileInfo::exists(path)) {
        if (!m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
            fail(ArchiveError::Operation::Open, m_file.errorString());
    } else if (!m_file.open(QIODevice::ReadWrite | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        fail(ArchiveError::Operation::Create, m_file.errorString());
    }
    m_count = int(m_file.size() / m_layout.recordSize());
}

ArchiveFile::~ArchiveFile() = default;

int ArchiveFile::count() const
{
    return m_count;
}

void ArchiveFile::seek(int index)
{
    if (index < 0 || index > count())
        fail(ArchiveError::Operation::Seek,
             QStringLiteral("indice %1 fuori dall'archivio di %2 record").arg(index).arg(count()));
    m_index = index;
}

Record ArchiveFile::read()
{
    return Record(m_layout, QByteArray(next(), m_layout.recordSize()));
}

RecordView ArchiveFile::readView()
{
    return RecordView(m_layout, next());
}

const char* ArchiveFile::next()
{
    if (m_index >= count())
        fail(ArchiveError::Operation::Read,
             QStringLiteral("lettura oltre la fine (record %1 di %2)").arg(m_index + 1).arg(count()));
    const int size = m_layout.recordSize();
    const qint64 at = qint64(m_index) * size;
    if (at < m_aheadStart || at + size > m_aheadStart + m_ahead.size()) {
        // The file is read unbuffered (writes must reach it at once), so
        // reads go ahead by themselves: the whole records of about 256 KiB.
        const int records = std::clamp(ReadAhead / size, 1, count() - m_index);
        // A scan reads on from where the last read ended: no seek needed.
        if (m_file.pos() != at && !m_file.seek(at))
            fail(ArchiveError::Operation::Seek, m_file.errorString());
        // Read into the same buffer each time: a scan then works in memory
        // the cache already holds, not in fresh pages.
        m_ahead.resize(qint64(records) * size);
        const qint64 got = m_file.read(m_ahead.data(), m_ahead.size());
        m_ahead.resize(std::max<qint64>(got, 0));
        m_aheadStart = at;
        if (m_ahead.size() < size)
            fail(ArchiveError::Operation::Read, m_file.errorString());
    }
    ++m_index;
    return m_ahead.constData() + (at - m_aheadStart);
}

QByteArray ArchiveFile::storedBytes(const Record& record) const
{
    if (record.bytes().size() != m_layout.recordSize())
        fail(ArchiveError::Operation::Write, QStringLiteral("record di un altro archivio"));
    // A reserved block is written as zeros, also when the record was read
    // from a file that held something else there.
    QByteArray bytes = record.bytes();
    for (const RecordLayout::Field& f : m_layout.fields())
        if (f.kind == FieldKind::Reserved)
            std::fill_n(bytes.data() + f.offset, f.capacity + 1, '\0');
    return bytes;
}

void ArchiveFile::writeAt(int index, const QByteArray& bytes)
{
    m_ahead.clear();
    QString error;
    if (!Journal::write(m_file, qint64(index) * m_layout.recordSize(), bytes, &error))
        fail(ArchiveError::Operation::Write, error);
    m_index = index + int(bytes.size() / m_layout.recordSize());
    m_count = std::max(m_count, m_index);
}

void ArchiveFile::write(const Record& record)
{
    const QByteArray bytes = storedBytes(record);
    if (m_index > count())
        fail(ArchiveError::Operation::Write, QStringLiteral("scrittura oltre la fine"));
    writeAt(m_index, bytes);
}

void ArchiveFile::appendAll(const QList<Record>& records)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(records.size()) * m_layout.recordSize());
    for (const Record& record : records)
        bytes += storedBytes(record);
    if (!bytes.isEmpty())
        writeAt(count(), bytes);
}

void ArchiveFile::close()
{
    if (!m_file.isOpen())
        return;
    const bool flushed = m_file.flush();
    m_file.close();
    if (!flushed)
        fail(ArchiveError::Operation::Close, m_file.errorString());
}

void ArchiveFile::fail(ArchiveError::Operation operation, const QString& detail) const
{
    throw ArchiveError(operation, m_file.fileName(), detail);
}

int Archive::count() const
{
    ArchiveFile file(m_path, *m_layout, m_mode);
    const int n = file.count();
    file.close();
    return n;
}

Record Archive::read(int position) const
{
    ArchiveFile file(m_path, *m_layout, m_mode);
    file.seek(position - 1);
    Record record = file.read();
    file.close();
    return record;
}

int Archive::overwrite(int position, const Record& record) const
{
    ArchiveFile file(m_path, *m_layout, m_mode);
    file.seek(position - 1);
    file.write(record);
    const int written = file.index();
    file.close();
    return written;
}

int Archive::append(const Record& record) const
{
    ArchiveFile file(m_path, *m_layout, m_mode);
    file.seek(file.count());
    file.write(record);
    const int written = file.index();
    file.close();
    return written;
}

int Archive::appendAll(const QList<Record>& records) const
{
    ArchiveFile file(m_path, *m_layout, m_mode);
    const int first = file.count() + 1;
    file.appendAll(records);
    file.close();
    return first;
}

void Archive::scan(const std::function<void(int, const Record&)>& visit) const
{
    scanViews([&visit](int position, const RecordView& view) { visit(position, view.toRecord()); });
}

void Archive::scanViews(const std::function<void(int, const RecordView&)>& visit) const
{
    ArchiveFile file(m_path, *m_layout, m_mode);
    const int n = file.count();
    for (int i = 0; i < n; ++i)
        visit(i + 1, file.readView());
    file.close();
}
