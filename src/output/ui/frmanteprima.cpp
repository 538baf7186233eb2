#include "output/ui/frmanteprima.h"

#include "app/ui/formkit.h"
#include "app/ui/services.h"
#include "storage/appdir.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int Gap = 18;  // pixels around and between the pages
const QColor Desk(0x6B, 0x73, 0x7C);

QToolButton* toolButton(const QString& name, const QString& icon, const QString& text, const QString& hint,
                        QWidget* parent)
{
    QToolButton* b = pictureButton(name, icon, QSize(24, 24), hint, parent);
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setMinimumWidth(72);
    return b;
}

}  // namespace

PreviewPages::PreviewPages(const Report::Prepared& report, QWidget* parent) : QWidget(parent), m_report(report)
{
    setObjectName(QStringLiteral("pagPagine"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewPages::setScale(double scale)
{
    m_scale = std::clamp(scale, 0.05, 8.0);
    resize(sizeHint());
    update();
}

QRect PreviewPages::pageRect(int index) const
{
    int y = Gap;
    int widest = 0;
    for (const auto& p : m_report.pages)
        widest = std::max(widest, int(p.paperUnits().width() * m_scale));
    for (int i = 0; i < m_report.pages.size(); ++i) {
        const QSizeF units = m_report.pages.at(i).paperUnits();
        const QSize size(qRound(units.width() * m_scale), qRound(units.height() * m_scale));
        const int x = Gap + (std::max(widest, width() - 2 * Gap) - size.width()) / 2;
        if (i == index)
            return QRect(QPoint(x, y), size);
        y += size.height() + Gap;
    }
    return {};
}

int PreviewPages::pageAt(int y) const
{
    for (int i = 0; i < m_report.pages.size(); ++i)
        if (y < pageRect(i).bottom() + Gap)
            return i;
    return int(m_report.pages.size()) - 1;
}

QSize PreviewPages::sizeHint() const
{
    int w = 0, h = Gap;
    for (const auto& p : m_report.pages) {
        w = std::max(w, int(p.paperUnits().width() * m_scale));
        h += int(p.paperUnits().height() * m_scale) + Gap;
    }
    return QSize(w + 2 * Gap, h);
}

void PreviewPages::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Desk);
    for (int i = 0; i < m_report.pages.size(); ++i) {
        const QRect r = pageRect(i);
        if (!r.adjusted(0, 0, 6, 6).intersects(event->rect()))
            continue;
        painter.fillRect(r.translated(4, 4), QColor(0, 0, 0, 90));  // shadow
        painter.fillRect(r, Qt::white);
        painter.save();
        painter.setClipRect(r);
        Report::drawPage(painter, m_report.pages.at(i), QRectF(r));
        painter.restore();
        painter.setPen(QColor(0x40, 0x40, 0x40));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

TfrmAnteprima::TfrmAnteprima(Report::Prepared report, QWidget* parent) : QDialog(parent), m_report(std::move(report))
{
    prepareWindow(this, QStringLiteral(" Anteprima di stampa - ") + m_report.name, Frame::Normal, Background::Default);
    setObjectName(QStringLiteral("frmAnteprima"));
    const int buttons = m_report.previewButtons;
    const int pages = int(m_report.pages.size());

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 6, 8, 6);
    bar->setSpacing(4);
    btnStampa = toolButton(QStringLiteral("btnStampa"), QStringLiteral(":/icons/stampa.svg"), QStringLiteral("Stampa"),
                           QStringLiteral("Stampa il documento."), this);
    btnSalvaPdf = toolButton(QStringLiteral("btnSalvaPdf"), QStringLiteral(":/icons/pdf.svg"),
                             QStringLiteral("Salva PDF"), QStringLiteral("Salva il documento in un file PDF."), this);
    btnZoom = toolButton(QStringLiteral("btnZoom"), QStringLiteral(":/icons/zoom.svg"), QStringLiteral("Zoom"),
                         QStringLiteral("Ingrandisce o riduce la pagina."), this);
    auto* zoomMenu = new QMenu(btnZoom);
    zoomMenu->setObjectName(QStringLiteral("mnuZoom"));
    zoomMenu->addAction(QStringLiteral("Pagina intera"), this, [this] { setZoom(Zoom::WholePage); });
    zoomMenu->addAction(QStringLiteral("Larghezza pagina"), this, [this] { setZoom(Zoom::PageWidth); });
    zoomMenu->addSeparator();
    for (int percent : {50, 75, 100, 150, 200})
        zoomMenu->addAction(QStringLiteral("%1%").arg(percent), this, [this, percent] { setZoom(Zoom::Percent, percent); });
    btnZoom->setMenu(zoomMenu);
    btnZoom->setPopupMode(QToolButton::InstantPopup);
    btnSchermoIntero = toolButton(QStringLiteral("btnSchermoIntero"), QStringLiteral(":/icons/schermo_intero.svg"),
                                  QStringLiteral("Schermo intero"), QStringLiteral("Mostra l'anteprima a tutto schermo."), this);
    btnChiudi = toolButton(QStringLiteral("btnChiudi"), QStringLiteral(":/icons/esci.svg"), QStringLiteral("Chiudi"),
                           QStringLiteral("Chiude l'anteprima."), this);
    btnStampa->setVisible(buttons & Report::PreviewPrint);
    btnZoom->setVisible(buttons & Report::PreviewZoom);
    btnSchermoIntero->setVisible(buttons & Report::PreviewFullScreen);
    btnChiudi->setVisible(buttons & Report::PreviewClose);
    bar->addWidget(btnStampa);
    bar->addWidget(btnSalvaPdf);
    bar->addWidget(btnZoom);
    bar->addWidget(btnSchermoIntero);

    if (buttons & Report::PreviewPageNavigation) {
        bar->addSpacing(16);
        btnPrima = toolButton(QStringLiteral("btnPrima"), QStringLiteral(":/icons/primo.svg"), QStringLiteral("Prima"),
                              QStringLiteral("Prima pagina."), this);
        btnPrecedente = toolButton(QStringLiteral("btnPrecedente"), QStringLiteral(":/icons/indietro.svg"),
                                   QStringLiteral("Precedente"), QStringLiteral("Pagina precedente."), this);
        btnSuccessiva = toolButton(QStringLiteral("btnSuccessiva"), QStringLiteral(":/icons/avanti.svg"),
                                   QStringLiteral("Successiva"), QStringLiteral("Pagina successiva."), this);
        btnUltima = toolButton(QStringLiteral("btnUltima"), QStringLiteral(":/icons/ultimo.svg"), QStringLiteral("Ultima"),
                               QStringLiteral("Ultima pagina."), this);
        for (QToolButton* b : {btnPrima, btnPrecedente, btnSuccessiva, btnUltima})
            bar->addWidget(b);
        connect(btnPrima, &QToolButton::clicked, this, [this] { showPage(0); });
        connect(btnPrecedente, &QToolButton::clicked, this, [this] { showPage(m_current - 1); });
        connect(btnSuccessiva, &QToolButton::clicked, this, [this] { showPage(m_current + 1); });
        connect(btnUltima, &QToolButton::clicked, this, [this] { showPage(int(m_report.pages.size()) - 1); });
    }
    lblPagina = new QLabel(this);
    lblPagina->setObjectName(QStringLiteral("lblPagina"));
    lblPagina->setFont(QFont(QStringLiteral("Verdana"), 10));
    bar->addSpacing(12);
    bar->addWidget(lblPagina);
    bar->addStretch();
    bar->addWidget(btnChiudi);

    scrPagine = new QScrollArea(this);
    scrPagine->setObjectName(QStringLiteral("scrPagine"));
    scrPagine->setFrameShape(QFrame::NoFrame);
    scrPagine->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scrPagine->setBackgroundRole(QPalette::Dark);
    scrPagine->setStyleSheet(QStringLiteral("QScrollArea { background: %1; }").arg(Desk.name()));
    pagPagine = new PreviewPages(m_report);
    scrPagine->setWidget(pagPagine);
    connect(scrPagine->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (m_jumping)
            return;
        m_current = pagPagine->pageAt(value + scrPagine->viewport()->height() / 3);
        updatePosition();
    });

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    if (buttons & Report::PreviewThumbnails) {
        lstMiniature = new QListWidget(this);
        lstMiniature->setObjectName(QStringLiteral("lstMiniature"));
        lstMiniature->setViewMode(QListView::IconMode);
        lstMiniature->setFlow(QListView::TopToBottom);
        lstMiniature->setMovement(QListView::Static);
        lstMiniature->setIconSize(QSize(110, 150));
        lstMiniature->setFixedWidth(150);
        lstMiniature->setSpacing(6);
        for (int i = 0; i < pages; ++i) {
            const QImage thumb = Report::renderPage(m_report.pages.at(i), 20);
            auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(thumb)), QString::number(i + 1), lstMiniature);
            item->setTextAlignment(Qt::AlignHCenter);
        }
        connect(lstMiniature, &QListWidget::currentRowChanged, this, [this](int row) {
            if (row >= 0 && row != m_current)
                showPage(row);
        });
        body->addWidget(lstMiniature);
    }
    body->addWidget(scrPagine, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addLayout(body, 1);

    connect(btnStampa, &QToolButton::clicked, this, &TfrmAnteprima::printClick);
    connect(btnSalvaPdf, &QToolButton::clicked, this, &TfrmAnteprima::savePdfClick);
    connect(btnSchermoIntero, &QToolButton::clicked, this, &TfrmAnteprima::fullScreenClick);
    connect(btnChiudi, &QToolButton::clicked, this, &QDialog::accept);

    fitToScreen();
    updatePosition();
}

void TfrmAnteprima::fitToScreen()
{
    // As large as a sheet would like, but never beyond the screen's free area
    // (a window manager's title bar and panels included).
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
    const QSize wanted(1000, 900);
    resize(std::min(wanted.width(), area.width() - 40), std::min(wanted.height(), area.height() - 80));
    applyZoom();
}

void TfrmAnteprima::showPage(int index)
{
    if (m_report.pages.isEmpty())
        return;
    m_current = std::clamp(index, 0, int(m_report.pages.size()) - 1);
    // The page asked for is the current one, even when the last pages
    // cannot scroll up to the top of the window.
    m_jumping = true;
    scrPagine->verticalScrollBar()->setValue(pagPagine->pageRect(m_current).top() - Gap);
    m_jumping = false;
    updatePosition();
}

void TfrmAnteprima::setZoom(Zoom zoom, int percent)
{
    m_zoom = zoom;
    m_percent = percent;
    applyZoom();
}

int TfrmAnteprima::zoomPercent() const
{
    return qRound(pagPagine->scale() / (logicalDpiX() / Report::UnitsPerInch) * 100);
}

bool TfrmAnteprima::isFullScreenView() const { return windowState() & Qt::WindowFullScreen; }

void TfrmAnteprima::applyZoom()
{
    if (m_report.pages.isEmpty())
        return;
    // The scroll area's own size, laid out now: its viewport follows it only
    // once the window is shown, so the viewport may still be a stale size here.
    if (layout())
        layout()->activate();
    const QSizeF page = m_report.pages.at(m_current).paperUnits();
    // Two pixels spare, so that rounding never calls for a scroll bar.
    const QSize room = scrPagine->size() - QSize(2 * Gap + 2, 2 * Gap + 2);
    if (room.width() <= 0 || room.height() <= 0)
        return;
    const double actualSize = logicalDpiX() / Report::UnitsPerInch;
    double scale = actualSize * m_percent / 100.0;
    if (m_zoom == Zoom::WholePage)
        scale = std::min({room.width() / page.width(), room.height() / page.height(), actualSize});
    else if (m_zoom == Zoom::PageWidth)
        scale = (room.width() - scrPagine->verticalScrollBar()->sizeHint().width()) / page.width();
    const int keep = m_current;
    pagPagine->setScale(scale);
    const int across = scrPagine->isVisible() ? scrPagine->viewport()->width() : scrPagine->width();
    pagPagine->resize(std::max(pagPagine->sizeHint().width(), across),
                      pagPagine->sizeHint().height());
    showPage(keep);
}

void TfrmAnteprima::updatePosition()
{
    const int pages = int(m_report.pages.size());
    lblPagina->setText(QStringLiteral("Pagina %1 di %2").arg(m_current + 1).arg(pages));
    if (btnPrima) {
        btnPrima->setEnabled(m_current > 0);
        btnPrecedente->setEnabled(m_current > 0);
        btnSuccessiva->setEnabled(m_current < pages - 1);
        btnUltima->setEnabled(m_current < pages - 1);
    }
    if (lstMiniature && lstMiniature->currentRow() != m_current) {
        const QSignalBlocker block(lstMiniature);
        lstMiniature->setCurrentRow(m_current);
    }
}

void TfrmAnteprima::printClick() { Services::printer().print(this, m_report); }

void TfrmAnteprima::savePdfClick()
{
    const QString chosen = Services::fileDialogs().saveFile(this, SavePdfTitle, SavePdfFilter,
                                                            Report::pdfFileName(m_report.name), QStringLiteral("pdf"));
    if (chosen.isEmpty())
        return;
    const QString path = AppDir::withSuffix(chosen, QStringLiteral("pdf"));
    if (QFileInfo::exists(path) && !Ui::question(this, OverwritePdfQuestion))
        return;
    // The pages as the printer gets them: the same painter, paper and
    // orientation, page by page.
    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = Report::writePdf(m_report, path, &error);
    QApplication::restoreOverrideCursor();
    if (!written)
        Ui::error(this, SavePdfFailure.arg(QDir::toNativeSeparators(path), error));
}

void TfrmAnteprima::fullScreenClick()
{
    if (isFullScreenView())
        showNormal();
    else
        showFullScreen();
    btnSchermoIntero->setText(isFullScreenView() ? QStringLiteral("Finestra") : QStringLiteral("Schermo intero"));
}

void TfrmAnteprima::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (m_zoom != Zoom::Percent)
        applyZoom();
}

void TfrmAnteprima::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    applyZoom();
    // A window manager may still resize or move the window once it is mapped:
    // fit again when the events of the showing are through.
    QTimer::singleShot(0, this, [this] {
        if (m_zoom != Zoom::Percent)
            applyZoom();
    });
}

void TfrmAnteprima::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(m_current + 1);
        return;
    case Qt::Key_PageUp:
        showPage(m_current - 1);
        return;
    case Qt::Key_Escape:
        if (isFullScreenView()) {
            fullScreenClick();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}
