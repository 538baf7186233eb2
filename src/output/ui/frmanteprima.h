#pragma once
// The print preview: the prepared pages, read-only, with the buttons the
// report lists (print, zoom, full screen, close; thumbnails and page
// navigation when listed) and, in every preview, "Salva PDF".

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

// "Salva PDF": the save dialog, the question before replacing a file, the
// failure.
inline const QString SavePdfTitle = QStringLiteral("Salva il documento in formato PDF");
inline const QString SavePdfFilter = QStringLiteral("Documento PDF (*.pdf)");
inline const QString OverwritePdfQuestion =
    QStringLiteral("Attenzione: nella cartella indicata \u00E8 presente un file con lo stesso nome.\r\n\r\n"
                   "Si vuole sovrascrivere il file esistente?");
inline const QString SavePdfFailure =
    QStringLiteral("Attenzione: non \u00E8 stato possibile salvare il file PDF %1 (%2).\r\n\r\n"
                   "Un file con lo stesso nome che c'era gi\u00E0 \u00E8 rimasto com'era.");

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
    QToolButton* btnSalvaPdf;
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
    void savePdfClick();
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
