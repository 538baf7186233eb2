#include "hours/ui/frmtrovaorari.h"

#include "app/ui/formbinding.h"
#include "app/ui/services.h"
#include "hours/hoursrecord.h"
#include "storage/archive.h"
#include "storage/textfield.h"

namespace {

const QString DialogName = QStringLiteral("frmTrovaOrari");

SearchDialog::Setup hoursSearchSetup()
{
    SearchDialog::Setup s;
    s.caption = QStringLiteral(" Trova orari di lavoro in archivio");
    s.printTitle = QLatin1String(hours::kSearchPrintTitle);
    s.criteria = {
        {QStringLiteral("Nome"), QStringLiteral("Nome tabella turni:")},
        {QStringLiteral("Periodo"), QStringLiteral("Periodo validit\u00E0:")},
        {QStringLiteral("Sede"), QStringLiteral("Sede operativa:")},
        {QStringLiteral("Disposizioni"), QStringLiteral("Disposizioni organizzative:")},
    };
    for (int k = 1; k <= 5; ++k)
        s.criteria.push_back({QLatin1String(hours::kSearchFields[std::size_t(k) + 3]),
                              QStringLiteral("Attivit\u00E0 da svolgere %1:").arg(k)});
    s.criteria.push_back({QStringLiteral("Annotazioni"), QStringLiteral("Annotazioni:")});
    s.useFieldSearchTexts();
    return s;
}

}  // namespace

TfrmTrovaOrari::TfrmTrovaOrari(QWidget* parent) : SearchDialog(hoursSearchSetup(), parent)
{
    setObjectName(DialogName);
}

void TfrmTrovaOrari::open(QWidget* caller, const QString& callerKey)
{
    TfrmTrovaOrari dialog(caller);
    dialog.setCallerKey(callerKey);
    Ui::runModal(dialog);
}

SearchHandBack::Route TfrmTrovaOrari::route(const QString& callerKey)
{
    return {DialogName, callerKey};
}

QList<ResultLine> TfrmTrovaOrari::findLines(const QList<RecordFilter::Term>& typed)
{
    hours::SearchTexts texts;
    for (std::size_t i = 0; i < texts.size() && i < std::size_t(typed.size()); ++i)
        texts[i] = typed.at(qsizetype(i)).typed;
    return hours::search(hours::archivePath(), texts);
}

// The line keeps the position of the last template giving it; a template
// that cannot be read is handed to no one, and the dialog closes all the same.
void TfrmTrovaOrari::handBack(const ResultLine& line)
{
    try {
        const Record record = Archive(hours::archivePath(), hours::recordLayout()).read(line.position);
        SearchHandBack::deliver(route(callerKey()), line.position, record);
    } catch (const ArchiveError&) {
    }
}

void importTemplate(QWidget* screen, const Record& hours, hours::Importer importer)
{
    if (!screen)
        return;
    for (const QString& name : hours::importedFields(importer))
        FormBinding::setText(screen, name, TextField::trimmed(hours.text(name)));
}
