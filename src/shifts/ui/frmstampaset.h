#pragma once
// " Stampa scheda" and " Anteprima di stampa" of the weekly shift screen:
// the table as it stands on the screen at that moment, saved or not, on one
// A4 landscape page, through the print dialog or in the preview window.

#include "output/ui/printwindow.h"
#include "storage/record.h"

#include <functional>

using WeeklySource = std::function<Record()>;

class TfrmStampaSet : public ReportWindow {
    Q_OBJECT
public:
    // `source` gives the table; by default the one the weekly shift screen shows.
    explicit TfrmStampaSet(QWidget* parent = nullptr, WeeklySource source = {});
};

class TfrmAnteprimaSet : public ReportWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaSet(QWidget* parent = nullptr, WeeklySource source = {});
};
