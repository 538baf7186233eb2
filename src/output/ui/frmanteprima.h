#pragma once
// The print preview: the prepared pages, read-only, with the buttons the
// report lists (print, zoom, full screen, close; thumbnails and page
// navigation when listed).

#include "output/report.h"

#include <QDialog>
#include <QWidget>

class QLabel;
class QListWidget;
class QScrollArea;
class QToolButton;

// The pages one under the other, at the zoom chosen.
class PreviewPages : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPages(const Report::Prepared& report, QWidget* parent = nullptr);
    // Screen pixels per layout unit.
    double scale() const { return m_scale; }
    void setScale(double scale);
    QRect pageRect(int index) const;
    int pageAt(int y) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Report::Prepared& m_report;
    double m_scale = 1;
};

class TfrmAnteprima : public QDialog {
    Q_OBJECT
public:
    enum class Zoom { WholePage, PageWidth, Percent };

    explicit TfrmAnteprima(Report::Prepared report, QWidget* parent = nullptr);

    const Report::Prepared& report() const { return m_report; }
    int currentPage() const { return m_current; }  // 0-based
    void showPage(int index);
    void setZoom(Zoom zoom, int percent = 100);
    int zoomPercent() const;
    bool isFullScreenView() const;

    QToolButton* btnStampa;
    QToolButton* btnZoom;
    QToolButton* btnSchermoIntero;
    QToolButton* btnChiudi;
    QToolButton* btnPrima = nullptr;
    QToolButton* btnPrecedente = nullptr;
    QToolButton* btnSuccessiva = nullptr;
    QToolButton* btnUltima = nullptr;
    QLabel* lblPagina;
    QListWidget* lstMiniature = nullptr;
    QScrollArea* scrPagine;
    PreviewPages* pagPagine;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void printClick();
    void fullScreenClick();
    void applyZoom();
    void fitToScreen();
    void updatePosition();

    Report::Prepared m_report;
    int m_current = 0;
    bool m_jumping = false;  // showPage() is scrolling
    Zoom m_zoom = Zoom::WholePage;
    int m_percent = 100;
};
