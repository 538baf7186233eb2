#include "storage/archive.h"

#include <QFileInfo>

#include <algorithm>

ArchiveFile::ArchiveFile(const QString& path, const RecordLayout& layout, Mode mode)
    : m_file(path), m_layout(layout)
{
    // An existing file is opened as it is and never truncated; only a file
    // that is not there is created. An existing file that cannot be opened
    // is reported, not replaced.
    if (mode == Mode::ReadOnly) {
        if (!m_file.open(QIODevice::ReadOnly))
            fail(ArchiveError::Operation::Open, m_file.errorString());
    } else if (QFileInfo::exists(path)) {
        if (!m_file.open(QIODevice::ReadWrite))
            fail(ArchiveError::Operation::Open, m_file.errorString());
    } else if (!m_file.open(QIODevice::ReadWrite | QIODevice::NewOnly)) {
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
    if (!m_file.seek(qint64(index) * m_layout.recordSize()))
        fail(ArchiveError::Operation::Seek, m_file.errorString());
    m_index = index;
}

Record ArchiveFile::read()
{
    if (m_index >= count())
        fail(ArchiveError::Operation::Read,
             QStringLiteral("lettura oltre la fine (record %1 di %2)").arg(m_index + 1).arg(count()));
    QByteArray bytes = m_file.read(m_layout.recordSize());
    if (bytes.size() != m_layout.recordSize())
        fail(ArchiveError::Operation::Read, m_file.errorString());
    ++m_index;
    return Record(m_layout, std::move(bytes));
}

void ArchiveFile::write(const Record& record)
{
    if (record.bytes().size() != m_layout.recordSize())
        fail(ArchiveError::Operation::Write, QStringLiteral("record di un altro archivio"));
    if (m_index > count())
        fail(ArchiveError::Operation::Write, QStringLiteral("scrittura oltre la fine"));
    if (m_file.write(record.bytes()) != record.bytes().size() || !m_file.flush())
        fail(ArchiveError::Operation::Write, m_file.errorString());
    ++m_index;
    m_count = std::max(m_count, m_index);
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

void Archive::scan(const std::function<void(int, const Record&)>& visit) const
{
    ArchiveFile file(m_path, *m_layout, m_mode);
    const int n = file.count();
    for (int i = 0; i < n; ++i) {
        const Record record = file.read();
        visit(i + 1, record);
    }
    file.close();
}
