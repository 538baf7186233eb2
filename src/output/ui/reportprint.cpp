#include "output/ui/reportprint.h"

#include "app/ui/services.h"
#include "output/ui/frmanteprima.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace ReportPrint {

namespace {

QPageLayout layoutFor(const Report::PreparedPage& page)
{
    QSizeF portrait = page.paperMm;
    const bool landscape = page.orientation == Report::Orientation::Landscape;
    if (landscape)
        portrait.transpose();
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

class DesktopPrinter : public PrintService {
public:
    bool print(QWidget* parent, const Report::Prepared& report) override
    {
        if (report.pages.isEmpty())
            return false;
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(report.name);
        printer.setFullPage(true);  // the painter's origin is the paper corner
        printer.setPageLayout(layoutFor(report.pages.constFirst()));
        printer.setFromTo(1, int(report.pages.size()));
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("Stampa - ") + report.name);
        dialog.setMinMax(1, int(report.pages.size()));
        dialog.setOption(QAbstractPrintDialog::PrintPageRange);
        if (dialog.exec() != QDialog::Accepted)
            return false;

        int from = 1, to = int(report.pages.size());
        if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
            from = std::max(1, printer.fromPage());
            to = std::min(to, printer.toPage() > 0 ? printer.toPage() : to);
        }
        printer.setPageLayout(layoutFor(report.pages.at(from - 1)));
        QPainter painter;
        if (!painter.begin(&printer))
            throw Report::Error("la stampante non è disponibile");
        for (int i = from; i <= to; ++i) {
            const Report::PreparedPage& page = report.pages.at(i - 1);
            if (i > from) {
                printer.setPageLayout(layoutFor(page));
                if (!printer.newPage())
                    throw Report::Error("errore della stampante");
            }
            Report::drawPage(painter, page, Report::paperRect(printer, page));
        }
        if (!painter.end())
            throw Report::Error("errore della stampante");
        return true;
    }
};

}  // namespace

bool print(QWidget* parent, const Report::Template& report)
{
    return Services::printer().print(parent, report.prepare());
}

void preview(QWidget* parent, const Report::Template& report)
{
    TfrmAnteprima window(report.prepare(), parent);
    Ui::runModal(window);
}

std::unique_ptr<PrintService> desktopPrinter() { return std::make_unique<DesktopPrinter>(); }

}  // namespace ReportPrint
