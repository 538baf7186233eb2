#include "storage/browser.h"

#include "storage/archive.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace {

QString numberOrNothing(const std::optional<int>& position)
{
    return position ? QString::number(*position) : QString();
}

// Reads the record at `position` and closes the file: the browser changes
// its state only once the archive work is over and nothing can fail anymore.
Record readAndClose(ArchiveFile& file, int position)
{
    file.seek(position - 1);
    Record record = file.read();
    file.close();
    return record;
}

// Runs one archive action; an ArchiveError becomes the failure outcome.
template <typename Action>
BrowseOutcome guarded(Action action, BrowseOutcome onFailure)
{
    try {
        return action();
    } catch (const ArchiveError&) {
        return onFailure;
    }
}

}  // namespace

QString BrowseOutcome::positionText() const
{
    return numberOrNothing(position);
}

RecordBrowser::RecordBrowser(QString path, const RecordLayout& layout) : m_path(std::move(path)), m_layout(&layout)
{
}

void RecordBrowser::setPath(QString path)
{
    m_path = std::move(path);
    m_position.reset();
}

QString RecordBrowser::positionText() const
{
    return numberOrNothing(m_position);
}

BrowseOutcome RecordBrowser::moveTo(const std::function<std::optional<int>(int count)>& target, bool emptyClears)
{
    return guarded(
        [this, &target, emptyClears] {
            ArchiveFile file(m_path, *m_layout);
            const int n = file.count();
            if (n == 0) {
                file.close();
                if (emptyClears)
                    m_position.reset();
                return empty();
            }
            const std::optional<int> position = target(n);
            if (!position) {
                file.close();
                return unchanged();
            }
            return shown(readAndClose(file, *position), *position);
        },
        failed());
}

BrowseOutcome RecordBrowser::first()
{
    return moveTo([](int) { return 1; });
}

BrowseOutcome RecordBrowser::previous()
{
    if (m_position == 1)
        return unchanged();
    // A position beyond the end (the file shrank meanwhile) goes to the last record.
    return moveTo([this](int n) { return m_position ? std::min(*m_position - 1, n) : 1; });
}

BrowseOutcome RecordBrowser::next()
{
    // On an empty archive the position is emptied; at the last record nothing happens.
    return moveTo(
        [this](int n) -> std::optional<int> {
            const int current = m_position.value_or(0);
            if (current >= n)
                return std::nullopt;
            return current + 1;
        },
        true);
}

BrowseOutcome RecordBrowser::last()
{
    return moveTo([](int n) { return n; });
}

BrowseOutcome RecordBrowser::save(const Record& record)
{
    return guarded(
        [this, &record] {
            ArchiveFile file(m_path, *m_layout);
            if (m_position) {
                file.seek(*m_position - 1);
                file.write(record);
                file.close();
                return saved(BrowseText::ChangesSaved);
            }
            file.seek(file.count());
            file.write(record);
            const int written = file.index();
            file.close();
            m_position = written;
            return saved(m_insertedText);
        },
        failed());
}

BrowseOutcome RecordBrowser::copyAsNew()
{
    return guarded(
        [this] {
            ArchiveFile file(m_path, *m_layout);
            file.close();
            m_position.reset();
            return unchanged();
        },
        failed());
}

BrowseOutcome RecordBrowser::showAt(int position)
{
    return guarded(
        [this, position] {
            ArchiveFile file(m_path, *m_layout);
            return shown(readAndClose(file, position), position);
        },
        failed());
}

BrowseOutcome RecordBrowser::shown(Record record, int position)
{
    m_position = position;
    BrowseOutcome out;
    out.kind = BrowseOutcome::Kind::Shown;
    out.record = std::move(record);
    out.position = m_position;
    return out;
}

BrowseOutcome RecordBrowser::unchanged() const
{
    BrowseOutcome out;
    out.kind = BrowseOutcome::Kind::Unchanged;
    out.position = m_position;
    return out;
}

BrowseOutcome RecordBrowser::empty() const
{
    BrowseOutcome out;
    out.kind = BrowseOutcome::Kind::Empty;
    out.message = BrowseText::EmptyArchive;
    out.notice = BrowseOutcome::Notice::Information;
    out.position = m_position;
    return out;
}

BrowseOutcome RecordBrowser::saved(const QString& message) const
{
    BrowseOutcome out;
    out.kind = BrowseOutcome::Kind::Saved;
    out.message = message;
    out.notice = BrowseOutcome::Notice::Information;
    out.position = m_position;
    return out;
}

BrowseOutcome RecordBrowser::failed() const
{
    BrowseOutcome out;
    out.kind = BrowseOutcome::Kind::Failed;
    out.message = ArchiveError::userMessage();
    out.notice = BrowseOutcome::Notice::Error;
    out.position = m_position;
    return out;
}
