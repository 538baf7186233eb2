#pragma once
// " Stampa scheda" and " Anteprima di stampa" of the daily shift screen: the
// table as it stands on the screen at that moment, saved or not, on one A4
// landscape page, through the print dialog or in the preview window.

#include "output/ui/printwindow.h"
#include "storage/record.h"

#include <functional>

using DailySource = std::function<Record()>;

class TfrmStampaTurno : public ReportWindow {
    Q_OBJECT
public:
    // `source` gives the table; by default the one the daily shift screen shows.
    explicit TfrmStampaTurno(QWidget* parent = nullptr, DailySource source = {});
};

class TfrmAnteprimaTurno : public ReportWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaTurno(QWidget* parent = nullptr, DailySource source = {});
};
