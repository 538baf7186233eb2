#pragma once
// " Trova turni di lavoro in archivio" of the weekly shift screen: weekly
// tables of the year found by up to six fields; a double-click loads the
// table into the weekly shift screen (caller key "settimanale").

#include "shifts/ui/shiftsearch.h"

class TfrmTrovaSet : public ShiftSearch {
    Q_OBJECT
public:
    // `archivePath`: the year's archive the weekly shift screen works on.
    explicit TfrmTrovaSet(QWidget* parent = nullptr, QString archivePath = {});

    // Creates the dialog for `callerKey`, shows it modally and discards it.
    static void open(QWidget* caller, const QString& archivePath, const QString& callerKey);
    // Where a table picked for `callerKey` goes.
    static SearchHandBack::Route route(const QString& callerKey);
};
