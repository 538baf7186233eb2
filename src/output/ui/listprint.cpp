#include "output/ui/listprint.h"

// Placeholder until the report engine lands: nothing is printed.
namespace ListPrint {

void print(QWidget*, const QString&, const QStringList&) {}
void preview(QWidget*, const QString&, const QStringList&) {}

}  // namespace ListPrint
