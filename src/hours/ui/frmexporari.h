#pragma once
// " Esporta archivio orari di lavoro in Microsoft Excel": every template of
// Orari.pro in a read-only grid, and the button that writes Orari_Lavoro.xls.

#include "output/ui/gridwindow.h"

class TfrmExpOrari : public RowsExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpOrari(QWidget* parent = nullptr);
};

// Opens the export window modally over `owner` and discards it when it closes.
void showHoursExport(QWidget* owner);
