#pragma once
// Printing and previewing a list of fixed-width lines (search results, the
// renewal list...) through the shared list layout: its title on the first
// page only, the lines split across pages, the footer once after them.

#include <QString>
#include <QStringList>

class QWidget;

namespace ListPrint {

// The system print dialog, then the pages; a cancelled dialog prints nothing
// and reports nothing.
void print(QWidget* parent, const QString& title, const QStringList& lines);
// The modal preview of the same pages.
void preview(QWidget* parent, const QString& title, const QStringList& lines);

}  // namespace ListPrint
