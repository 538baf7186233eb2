#include "shifts/ui/shiftsearch.h"

#include "storage/archive.h"

namespace {

SearchDialog::Setup setupOf(const QList<SearchDialog::Criterion>& criteria, const QString& printTitle)
{
    SearchDialog::Setup s;
    s.caption = QStringLiteral(" Trova turni di lavoro in archivio");
    s.printTitle = printTitle;
    s.criteria = criteria;
    s.useFieldSearchTexts();
    s.focusHighlights = true;
    return s;
}

}  // namespace

ShiftSearch::ShiftSearch(const Kind& kind, QString archivePath, QWidget* parent)
    : SearchDialog(setupOf(kind.criteria, kind.printTitle), parent),
      m_layout(kind.layout),
      m_find(kind.find),
      m_archivePath(std::move(archivePath))
{
    setObjectName(kind.dialogName);
}

QList<ResultLine> ShiftSearch::findLines(const QList<RecordFilter::Term>& typed)
{
    QStringList texts;
    for (const RecordFilter::Term& term : typed)
        texts << term.typed;
    return m_find(m_archivePath, texts);
}

// The line keeps the position of the last table giving it; a table that
// cannot be read is handed to no one, and the dialog closes all the same.
void ShiftSearch::handBack(const ResultLine& line)
{
    try {
        const Record record = Archive(m_archivePath, m_layout).read(line.position);
        SearchHandBack::deliver({objectName(), callerKey()}, line.position, record);
    } catch (const ArchiveError&) {
    }
}
