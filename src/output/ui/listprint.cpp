#include "output/ui/listprint.h"

#include "output/report.h"
#include "output/ui/reportprint.h"

namespace ListPrint {

void print(QWidget* parent, const QString& title, const QStringList& lines)
{
    ReportPrint::print(parent, Report::listLayout(title, lines));
}

void preview(QWidget* parent, const QString& title, const QStringList& lines)
{
    ReportPrint::preview(parent, Report::listLayout(title, lines));
}

}  // namespace ListPrint
