#pragma once
// The member export window: the whole member archive, annulled cards
// included, in a read-only grid, and the button that writes it to Tesserati.xls.

#include "members/memberexport.h"
#include "output/ui/gridwindow.h"


// The grid's rows as a table model: the cells are made when the view asks for
// them, so a hundred thousand members open at once.
class MemberGridModel : public GridModel {
    Q_OBJECT
public:
    explicit MemberGridModel(QObject* parent = nullptr);

    void setRows(members::MemberRows rows);
    const members::MemberRows& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;

protected:
    QString cell(int row, int column) const override;

private:
    members::MemberRows m_rows;
};

class TfrmExpAnagrafica : public GridExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpAnagrafica(QWidget* parent = nullptr);

    MemberGridModel* model;

protected:
    // From Tesserati.pro, once, when the window is first shown.
    void fillGrid(std::optional<ArchiveError>& failure) override;
    bool writeExport() override;
};

// Opens the export window modally over `owner` and discards it when it closes.
void showMemberExport(QWidget* owner);
