#pragma once
// The shape of the export windows: the toolbar with "Esporta", "Guida" and
// "Esci", a read-only grid (model/view, alternating rows, rows 21 high) and
// the hint bar. Each window supplies its model, its column widths and its
// help topic, and connects "Esporta" to its own export.

#include <QList>
#include <QString>

class HintBar;
class QAbstractItemModel;
class QDialog;
class QLabel;
class QTableView;
class QToolButton;

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
