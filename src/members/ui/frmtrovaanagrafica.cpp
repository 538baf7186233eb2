#include "members/ui/frmtrovaanagrafica.h"

#include "app/ui/browsecontroller.h"
#include "app/ui/services.h"
#include "app/ui/windows.h"
#include "members/membersearch.h"
#include "members/memberrecord.h"
#include "members/ui/frmanagrafica.h"
#include "output/searchhandback.h"
#include "storage/appdir.h"

#include <QLineEdit>

namespace {

SearchDialog::Setup memberSearchSetup()
{
    SearchDialog::Setup s;
    s.caption = QStringLiteral(" Trova Soci in archivio");
    s.printTitle = QStringLiteral("Riepilogo anagrafica Soci");
    s.criteria = {
        {QStringLiteral("Tesserato"), QStringLiteral("Cognome e nome Socio:")},
        {QStringLiteral("Carica"), QStringLiteral("Carica ricoperta:")},
        {QStringLiteral("NumTessera"), QStringLiteral("Tessera n.")},
        {QStringLiteral("DataRil"), QStringLiteral("Data di rilascio:")},
        {QStringLiteral("DataScade"), QStringLiteral("Data di scadenza:")},
        {QStringLiteral("ComuneNasc"), QStringLiteral("Comune di nascita:")},
        {QStringLiteral("ComuneRes"), QStringLiteral("Comune di residenza:")},
        {QStringLiteral("CodFisc"), QStringLiteral("Codice Fiscale:")},
        {QStringLiteral("Titoli"), QStringLiteral("Titolo di studio e altre qualifiche:")},
        {QStringLiteral("Note"), QStringLiteral("Note:")},
    };
    s.useFieldSearchTexts();
    return s;
}

const QString DialogName = QStringLiteral("frmTrovaAnagrafica");

}  // namespace

TfrmTrovaAnagrafica::TfrmTrovaAnagrafica(QWidget* parent) : SearchDialog(memberSearchSetup(), parent)
{
    setObjectName(DialogName);
    for (const char* field : members::kSearchFields)
        criterion(QLatin1String(field))->setMaxLength(250);
}

SearchHandBack::Route TfrmTrovaAnagrafica::route(const QString& callerKey)
{
    return {DialogName, callerKey};
}

void TfrmTrovaAnagrafica::open(QWidget* caller, const QString& callerKey)
{
    TfrmTrovaAnagrafica dialog(caller);
    dialog.setCallerKey(callerKey);
    Ui::runModal(dialog);
}

QList<ResultLine> TfrmTrovaAnagrafica::findLines(const QList<RecordFilter::Term>& typed)
{
    members::SearchTexts texts;
    for (std::size_t i = 0; i < texts.size() && i < std::size_t(typed.size()); ++i)
        texts[i] = typed.at(qsizetype(i)).typed;
    return members::search(AppDir::filePath(QLatin1String(members::kFileName)), texts);
}

void TfrmTrovaAnagrafica::handBack(const ResultLine& line)
{
    handBackMember(callerKey(), line.position);
}

void handBackMember(const QString& callerKey, int position)
{
    try {
        const Record record =
            Archive(AppDir::filePath(QLatin1String(members::kFileName)), members::recordLayout()).read(position);
        SearchHandBack::deliver(TfrmTrovaAnagrafica::route(callerKey), position, record);
    } catch (const ArchiveError&) {
    }
}

void registerMemberSearchReceivers()
{
    SearchHandBack::registerReceiver(TfrmTrovaAnagrafica::route(QStringLiteral("anagrafica")), [](int position, const Record&) {
        if (frmAnagrafica)
            frmAnagrafica->browse->showAt(position);
    });
}
