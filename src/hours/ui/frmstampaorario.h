#pragma once
// " Stampa scheda": prints the template shown on the service-hours screen,
// as it stands at the moment of printing, saved or not, on one A4 landscape
// page through the print dialog. "Annulla" closes without printing.

#include "output/ui/printwindow.h"

#include "storage/record.h"

#include <functional>

using HoursSource = std::function<Record()>;

class TfrmStampaOrario : public ReportWindow {
    Q_OBJECT
public:
    // `source` gives the template to print; by default the one the
    // service-hours screen shows.
    explicit TfrmStampaOrario(QWidget* parent = nullptr, HoursSource source = {});
};
