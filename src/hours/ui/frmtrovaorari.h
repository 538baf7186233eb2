#pragma once
// " Trova orari di lavoro in archivio": service-hours templates found by up
// to ten fields; a double-click hands the template to the screen of the
// caller key: "orari" (the service-hours screen shows it), "turni" (the
// daily shift screen takes its slots) or "settimanale" (the weekly one).

#include "hours/hoursrules.h"
#include "output/searchhandback.h"
#include "output/ui/searchdialog.h"

class TfrmTrovaOrari : public SearchDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaOrari(QWidget* parent = nullptr);

    // Creates the dialog for `callerKey`, shows it modally and discards it.
    static void open(QWidget* caller, const QString& callerKey);
    // Where a template picked for `callerKey` goes.
    static SearchHandBack::Route route(const QString& callerKey);

protected:
    QList<ResultLine> findLines(const QList<RecordFilter::Term>& typed) override;
    void handBack(const ResultLine& line) override;
};

// Writes the fields `importer` takes from `hours` (each trimmed) into the
// controls of the same names in `screen`, whatever they held. A shift screen
// registers its caller key's route with this, for example:
//   registerReceiver(TfrmTrovaOrari::route("turni"),
//                    [](int, const Record& t) { importTemplate(frmTurni, t, hours::Importer::Daily); });
void importTemplate(QWidget* screen, const Record& hours, hours::Importer importer);
