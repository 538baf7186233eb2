#pragma once
// " Esporta archivio turni di lavoro in Microsoft Excel": every table of the
// year's daily archive in a read-only grid, and the button that writes
// Turni_Lavoro.xls.

#include "output/ui/gridwindow.h"

class TfrmExpTurni : public RowsExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpTurni(QWidget* parent = nullptr, const QString& archivePath = {});
};

// Opens the export window of the archive at `archivePath` modally over
// `owner` and discards it when it closes.
void showDailyExport(QWidget* owner, const QString& archivePath);
