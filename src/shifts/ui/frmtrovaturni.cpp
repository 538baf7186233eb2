#include "shifts/ui/frmtrovaturni.h"

#include "app/ui/services.h"
#include "shifts/dailyrules.h"
#include "shifts/shiftrecords.h"
#include "storage/archive.h"

namespace {

const QString DialogName = QStringLiteral("frmTrovaTurni");

SearchDialog::Setup dailySearchSetup()
{
    static const char* const Labels[] = {
        "Nome tabella turni:", "Data:",       "Sede operativa:", "Disposizioni organizzative:", "Turnista 1:",
        "Turnista 2:",         "Turnista 3:", "Turnista 4:",     "Turnista 5:",                 "Annotazioni:",
    };
    static_assert(std::size(Labels) == daily::kSearchFields.size());
    SearchDialog::Setup s;
    s.caption = QStringLiteral(" Trova turni di lavoro in archivio");
    s.printTitle = QLatin1String(daily::kSearchPrintTitle);
    for (std::size_t i = 0; i < std::size(Labels); ++i)
        s.criteria.push_back({QLatin1String(daily::kSearchFields[i]), QLatin1String(Labels[i])});
    s.useFieldSearchTexts();
    s.focusHighlights = true;
    return s;
}

}  // namespace

TfrmTrovaTurni::TfrmTrovaTurni(QWidget* parent, QString archivePath)
    : SearchDialog(dailySearchSetup(), parent), m_archivePath(std::move(archivePath))
{
    setObjectName(DialogName);
}

void TfrmTrovaTurni::open(QWidget* caller, const QString& archivePath, const QString& callerKey)
{
    TfrmTrovaTurni dialog(caller, archivePath);
    dialog.setCallerKey(callerKey);
    Ui::runModal(dialog);
}

SearchHandBack::Route TfrmTrovaTurni::route(const QString& callerKey)
{
    return {DialogName, callerKey};
}

QList<ResultLine> TfrmTrovaTurni::findLines(const QList<RecordFilter::Term>& typed)
{
    daily::SearchTexts texts;
    for (std::size_t i = 0; i < texts.size() && i < std::size_t(typed.size()); ++i)
        texts[i] = typed.at(qsizetype(i)).typed;
    return daily::search(m_archivePath, texts);
}

// The line keeps the position of the last table giving it; a table that
// cannot be read is handed to no one, and the dialog closes all the same.
void TfrmTrovaTurni::handBack(const ResultLine& line)
{
    try {
        const Record record = Archive(m_archivePath, shifts::dailyLayout()).read(line.position);
        SearchHandBack::deliver(route(callerKey()), line.position, record);
    } catch (const ArchiveError&) {
    }
}
