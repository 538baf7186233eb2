#pragma once
// Printing and previewing a template: prepare, then the print service or the
// modal preview window.

#include "output/report.h"

#include <memory>

class PrintService;
class QWidget;

namespace ReportPrint {

// Prepares the template and prints it through the print dialog; false when
// the user cancels (nothing printed, nothing reported).
bool print(QWidget* parent, const Report::Template& report);
// Prepares the template again and shows the preview window modally.
void preview(QWidget* parent, const Report::Template& report);

// The production print service: the system print dialog and a QPrinter.
std::unique_ptr<PrintService> desktopPrinter();

}  // namespace ReportPrint
