#pragma once
// The daily shift screen: the tables of one year, one per page (name, date,
// period, site, instructions, twelve time bands with their workers and
// activity, notes and up to three attached files), browsed and saved in the
// yearly archive <year>.ore the year chooser opens.

#include "shifts/ui/shiftscreen.h"

class TfrmTurni : public ShiftScreen {
    Q_OBJECT
public:
    explicit TfrmTurni(QWidget* parent = nullptr);

    // A member (its Tesserato) imported into the workers of `row` (1 to 12).
    void addWorker(int row, const QString& member);

public slots:
    void btnTrovaClick() override;
    void btnAnteprimaClick() override;
    void btnStampaClick() override;
    void btnEsportaClick();
    void impNomeClick();
    void impDataClick();

private:
    void buildHead();
    void buildRows();
};

// Registers what the daily shift screen takes from the searches: its own
// tables ("turni"), a service-hours template ("turni") and a member into the
// workers of a row ("turni_01" ... "turni_12"). Called once at start-up,
// after the windows are created.
void registerDailySearchReceivers();
