#pragma once
// " Trova turni di lavoro in archivio": daily shift tables of the year found
// by up to ten fields; a double-click loads the table into the daily shift
// screen (caller key "turni").

#include "shifts/ui/shiftsearch.h"

class TfrmTrovaTurni : public ShiftSearch {
    Q_OBJECT
public:
    // `archivePath`: the year's archive the daily shift screen works on.
    explicit TfrmTrovaTurni(QWidget* parent = nullptr, QString archivePath = {});

    // Creates the dialog for `callerKey`, shows it modally and discards it.
    static void open(QWidget* caller, const QString& archivePath, const QString& callerKey);
    // Where a table picked for `callerKey` goes.
    static SearchHandBack::Route route(const QString& callerKey);
};
