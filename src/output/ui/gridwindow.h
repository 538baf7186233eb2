#pragma once
// The shape of the export windows: the toolbar with "Esporta", "Guida" and
// "Esci", a read-only grid (model/view, alternating rows, rows 21 high) and
// the hint bar. Each window supplies its model, its column widths, its help
// topic, how its grid is filled and how its file is written.

#include "output/spreadsheet.h"
#include "storage/archiveerror.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class HintBar;
class QAbstractItemModel;
class QLabel;
class QTableView;
class QToolButton;

// The rows of an export window's grid under their column titles: column 0
// holds the row's number, right-aligned under a right-aligned title. A grid
// supplies its row count and its cells.
class GridModel : public QAbstractTableModel {
public:
    GridModel(QStringList titles, QObject* parent);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

protected:
    virtual QString cell(int row, int column) const = 0;

private:
    QStringList m_titles;
};

struct GridWindow {
    QTableView* grid;
    QToolButton* cmdEsporta;
    QToolButton* cmdGuida;
    QToolButton* cmdEsci;
    QLabel* panInfo;
    HintBar* hints;
};

// The look of the program's read-only grids: Verdana 8 pt, rows 21 high in
// alternating colours, whole rows selected one at a time, no row header.
void styleReadOnlyGrid(QTableView* grid);

// Lays the shape out in `window` (captioned `caption`); "Guida" opens the
// help topic `helpTopic` and "Esci" closes the window.
GridWindow buildGridWindow(QDialog* window, const QString& caption, QAbstractItemModel* model,
                           const QList<int>& widths, const QString& helpTopic);

// An export window: its grid is filled when the window first shows, and
// "Esporta" runs the export dialogue around the window's own writer. A grid
// that stopped short (the archive could not be read whole) is not written
// over an earlier export: the archive's failure message is shown instead.
class GridExportWindow : public QDialog {
    Q_OBJECT
public:
    // `exportFile`: the file's name in the data folder.
    GridExportWindow(QWidget* parent, QString exportFile);

    // Set by layOut().
    QTableView* grdRecords = nullptr;
    QToolButton* cmdEsporta = nullptr;
    QToolButton* cmdGuida = nullptr;
    QToolButton* cmdEsci = nullptr;
    QLabel* panInfo = nullptr;

public slots:
    void cmdEsportaClick();

protected:
    // Lays the window out (see buildGridWindow) with "Esporta" connected.
    void layOut(const QString& caption, QAbstractItemModel* model, const QList<int>& widths,
                const QString& helpTopic);
    // Fills the grid; a failure that stops the filling goes to `failure`.
    virtual void fillGrid(std::optional<ArchiveError>& failure) = 0;
    // Writes the file from the grid's rows; false when it cannot be written.
    virtual bool writeExport() = 0;
    void showEvent(QShowEvent* event) override;

private:
    QString m_exportFile;
    bool m_filled = false;
    std::optional<ArchiveError> m_failure;  // why the grid stopped short
};

// A grid of rows of texts: "N." (the row's number) then each row's cells.
class NumberedRowsModel : public GridModel {
public:
    NumberedRowsModel(QStringList titles, QObject* parent);

    void setRows(QList<QStringList> rows);
    const QList<QStringList>& rows() const { return m_rows; }
    int rowCount(const QModelIndex& parent = {}) const override;

protected:
    QString cell(int row, int column) const override;

private:
    QList<QStringList> m_rows;
};

// An export window whose grid is an archive's rows of texts, as the core
// reads them for the spreadsheet file: its columns ("N." first) with their
// widths, how the rows are read and how the file is written from them.
class RowsExportWindow : public GridExportWindow {
    Q_OBJECT
public:
    using ReadRows = std::function<QList<QStringList>(std::optional<ArchiveError>* failure)>;
    using WriteRows = std::function<bool(const QList<QStringList>& rows)>;
    struct Setup {
        QString caption;
        QString helpTopic;
        QString exportFile;  // its name in the data folder
        QList<Spreadsheet::HeaderCell> columns;
        ReadRows read;
        WriteRows write;
    };
    RowsExportWindow(QWidget* parent, Setup setup);

    NumberedRowsModel* model;

protected:
    void fillGrid(std::optional<ArchiveError>& failure) override;
    bool writeExport() override;

private:
    Setup m_setup;
};
