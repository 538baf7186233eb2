#pragma once
// The weekly shift screen: the tables of one year, one per page (name, the
// week's first and last day, site, instructions, twelve time bands with a
// workers' cell for each day from Monday to Sunday, notes and up to three
// attached files), browsed and saved in the yearly archive <year>.set the
// year chooser opens. The workers are typed by hand; there is no export.

#include "shifts/ui/shiftscreen.h"

class TfrmSettimanale : public ShiftScreen {
    Q_OBJECT
public:
    explicit TfrmSettimanale(QWidget* parent = nullptr);

public slots:
    void btnTrovaClick() override;
    void btnAnteprimaClick() override;
    void btnStampaClick() override;
    void impNomeClick();
    void impDatainizioClick();
    void impDataFineClick();

private:
    void buildHead();
    void buildRows();
};

// Registers what the weekly shift screen takes from the searches: its own
// tables and a service-hours template, both with the key "settimanale".
// Called once at start-up, after the windows are created.
void registerWeeklySearchReceivers();
