#pragma once
// " Esporta archivio orari di lavoro in Microsoft Excel": every template of
// Orari.pro in a read-only grid, and the button that writes Orari_Lavoro.xls.

#include "output/ui/gridwindow.h"


// The grid's rows: "N." then the 25 exported cells of each template.
class HoursGridModel : public GridModel {
    Q_OBJECT
public:
    explicit HoursGridModel(QObject* parent = nullptr);

    void setRows(QList<QStringList> rows);
    const QList<QStringList>& rows() const { return m_rows; }
    int rowCount(const QModelIndex& parent = {}) const override;

protected:
    QString cell(int row, int column) const override;

private:
    QList<QStringList> m_rows;
};

class TfrmExpOrari : public GridExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpOrari(QWidget* parent = nullptr);

    HoursGridModel* model;

protected:
    void fillGrid(std::optional<ArchiveError>& failure) override;
    bool writeExport() override;
};

// Opens the export window modally over `owner` and discards it when it closes.
void showHoursExport(QWidget* owner);
