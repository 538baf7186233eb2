#pragma once
// " Trova Soci in archivio": member records found by one or more of ten
// fields; a double-click hands the record to the screen of the caller key.

#include "output/searchhandback.h"
#include "output/ui/searchdialog.h"

class TfrmTrovaAnagrafica : public SearchDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaAnagrafica(QWidget* parent = nullptr);

    // Creates the dialog for `callerKey`, shows it modally and discards it.
    static void open(QWidget* caller, const QString& callerKey);
    // Where a member picked for `callerKey` goes: the member search's own
    // routes, which the renewal list shares.
    static SearchHandBack::Route route(const QString& callerKey);

protected:
    QList<ResultLine> findLines(const QList<RecordFilter::Term>& typed) override;
    void handBack(const ResultLine& line) override;
};

// Reads the member at `position` from Tesserati.pro and hands it to the
// receiver of `callerKey`. A failure hands nothing back and shows nothing.
void handBackMember(const QString& callerKey, int position);

// Registers what the member screen does with a member picked in a search or
// list ("anagrafica": it shows that record as if browsed to). Called once at
// start-up, after the windows are created.
void registerMemberSearchReceivers();
