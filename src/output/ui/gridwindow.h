#pragma once
// The shape of the export windows: the toolbar with "Esporta", "Guida" and
// "Esci", a read-only grid (model/view, alternating rows, rows 21 high) and
// the hint bar. Each window supplies its model, its column widths and its
// help topic, and connects "Esporta" to its own export.

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

class HintBar;
class QAbstractItemModel;
class QDialog;
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

// Lays the shape out in `window` (captioned `caption`); "Guida" opens the
// help topic `helpTopic` and "Esci" closes the window.
GridWindow buildGridWindow(QDialog* window, const QString& caption, QAbstractItemModel* model,
                           const QList<int>& widths, const QString& helpTopic);
