#pragma once
// The member export window: the whole member archive, annulled cards
// included, in a read-only grid, and the button that writes it to Tesserati.xls.

#include "members/memberexport.h"

#include <QAbstractTableModel>
#include <QDialog>

class HintBar;
class QLabel;
class QTableView;
class QToolButton;

// The grid's rows as a table model: the cells are made when the view asks for
// them, so a hundred thousand members open at once.
class MemberGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit MemberGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setRows(members::MemberRows rows);
    const members::MemberRows& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    members::MemberRows m_rows;
};

class TfrmExpAnagrafica : public QDialog {
    Q_OBJECT
public:
    explicit TfrmExpAnagrafica(QWidget* parent = nullptr);

    QTableView* grdRecords;
    MemberGridModel* model;
    QToolButton* cmdEsporta;
    QToolButton* cmdGuida;
    QToolButton* cmdEsci;
    QLabel* panInfo;

    // Fills the grid from Tesserati.pro; done once, when the window is first
    // shown. A file failure stops it silently; the export then reports it.
    void loadRecords();

public slots:
    void cmdEsportaClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    HintBar* m_hints = nullptr;
    bool m_loaded = false;
    std::optional<ArchiveError> m_loadFailure;  // why the grid stopped short
};

// Opens the export window modally over `owner` and discards it when it closes.
void showMemberExport(QWidget* owner);
