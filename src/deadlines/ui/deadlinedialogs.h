#pragma once
// The dialogs the deadline screen opens: the three status lists, the search,
// the period and whole-archive grids with their export, and the deadline
// sheet's print and preview. Each is made anew, shown modally and discarded.
// A deadline chosen in a list or in the search goes to the deadline screen
// through the routes it registers.

#include "deadlines/deadlineperiods.h"
#include "deadlines/deadlinerules.h"
#include "output/searchhandback.h"

#include <QDate>
#include <QString>

class QWidget;
class Record;

// The deadlines of the archive at `archivePath` to confirm, to pay or paid.
void showStatusList(QWidget* parent, const QString& archivePath, deadlines::Status status);
// " Trova scadenze pagamenti in archivio" on the archive at `archivePath`,
// for the deadline screen (caller code "Scadenzario").
void showDeadlineSearch(QWidget* parent, const QString& archivePath);

// Where the lists and the search hand the deadline chosen by a double-click:
// each dialog with the deadline screen's caller code "Scadenzario".
QList<SearchHandBack::Route> deadlineScreenRoutes();

// The imminent deadlines (today's year), those of the day or of the month of
// `date`, or the whole archive of `date`'s year.
void showPeriodList(QWidget* parent, deadlines::Period period, const QDate& date);
// The whole archive at `archivePath`, in archive order.
void showArchiveExport(QWidget* parent, const QString& archivePath);

// The deadline sheet of `record` through the print dialog, or in the preview.
void printDeadlineSheet(QWidget* parent, const Record& record);
void previewDeadlineSheet(QWidget* parent, const Record& record);
