#include "deadlines/deadlineperiods.h"

#include "app/dates.h"
#include "deadlines/deadlinerecord.h"
#include "deadlines/deadlinerules.h"
#include "storage/appdir.h"
#include "storage/archive.h"
#include "storage/record.h"
#include "storage/textfield.h"

#include <algorithm>
#include <functional>

namespace deadlines {
namespace {

// The record fields of grid columns 1 to 19.
constexpr const char* ColumnFields[kFieldColumns] = {
    "Data",         "Ora",       "Pagatore", "CodFisc",    "NumTessera",   "Carica",     "TelCel",
    "Recapito",     "Anticipi",  "Complessivo", "Rateazione", "Beneficiario", "Dettagli", "Officina",
    "Costo",        "Contatto",  "DaConfermare", "Effettuata", "Note",
};

// Headers and widths of columns 1 to 19 in the grid and in the file: the same
// texts, but the file gives a few columns more room.
struct ColumnTitle {
    const char* title;  // UTF-8
    int gridWidth;
    int fileWidth;
};
constexpr ColumnTitle ColumnTitles[kFieldColumns] = {
    {"Data scadenza", 150, 150},
    {"Ora appuntamento", 150, 150},
    {"Pagatore", 250, 250},
    {"Codice fiscale", 180, 200},
    {"Numero tessera", 200, 200},
    {"Carica ricoperta", 250, 250},
    {"Tel. cellulare", 200, 200},
    {"Recapito preferenziale", 200, 200},
    {"Anticipo", 200, 200},
    {"Importo complessivo dovuto", 200, 200},
    {"Rateazione", 250, 250},
    {"Beneficiario", 250, 250},
    {"Causale scadenza", 300, 300},
    {"Modalit\u00E0 di pagamento", 300, 300},
    {"Importo in euro", 200, 200},
    {"Estremi ricevuta", 250, 250},
    {"Appuntamento da confermare", 200, 250},
    {"Pagamento effettuato", 200, 250},
    {"Note", 300, 300},
};
constexpr ColumnTitle KeyTitle = {"Codice univoco", 150, 150};

bool isPeriodList(Period period) { return period != Period::Archive; }

QString field(const Record& r, const char* name)
{
    return TextField::trimmed(r.text(QString::fromLatin1(name)));
}

Row rowOf(int number, const Record& r, bool withKey)
{
    return {number, rowCells(r), withKey ? sortKey(r) : QString()};
}

// The selected deadlines of the archive at `path`, numbered in reading order,
// then put in order of their key; rows with the same key keep their reading order.
QList<Row> periodRows(const QString& path, const std::function<bool(const Record&)>& selected, Failure* failure)
{
    QList<Row> rows;
    try {
        Archive(path, recordLayout()).scan([&](int, const Record& r) {
            if (selected(r))
                rows.push_back(rowOf(int(rows.size()) + 1, r, true));
        });
    } catch (const ArchiveError& e) {
        if (failure)
            *failure = e;
        return rows;
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.key < b.key; });
    return rows;
}

}  // namespace

bool isImminent(const QDate& due, int noticeDays, const QDate& today)
{
    return due.addDays(-qint64(noticeDays)) <= today && today <= due;
}

QString monthNameLower(int month)
{
    return month >= 1 && month <= 12 ? TextField::asciiLower(monthNames().at(month - 1)) : QString();
}

QList<GridColumn> gridColumns(Period period)
{
    QList<GridColumn> columns{{QStringLiteral("N."), 60}};
    for (const ColumnTitle& c : ColumnTitles)
        columns.push_back({QString::fromUtf8(c.title), c.gridWidth});
    if (period == Period::Day)
        columns[5].title = QStringLiteral("Tessera n.");
    if (isPeriodList(period))
        columns.push_back({QString::fromUtf8(KeyTitle.title), KeyTitle.gridWidth});
    return columns;
}

QStringList rowCells(const Record& deadline)
{
    QStringList cells;
    cells.reserve(kFieldColumns);
    for (const char* name : ColumnFields)
        cells << field(deadline, name);
    return cells;
}

QString sortKey(const Record& deadline)
{
    return field(deadline, "Data").mid(3, 2) + field(deadline, "Giorno") + field(deadline, "OreApp") +
           field(deadline, "MinutiApp");
}

QList<Row> imminentRows(const QString& path, const QDate& today, Failure* failure)
{
    return periodRows(
        path,
        [&today](const Record& r) { return isImminent(r, today); },
        failure);
}

QString archivePathOfYear(int year)
{
    return archivePath(QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0')));
}

QList<Row> currentImminentRows(Failure* failure)
{
    const QDate today = Clock::today();
    return imminentRows(archivePathOfYear(today.year()), today, failure);
}

QList<Row> dayRows(const QDate& date, Failure* failure)
{
    const QString day = Dates::format(date);
    return periodRows(
        archivePathOfYear(date.year()), [&day](const Record& r) { return field(r, "Data") == day; }, failure);
}

QList<Row> monthRows(const QDate& date, Failure* failure)
{
    const QString month = monthNameLower(date.month());
    const QString year = QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
    return periodRows(
        archivePathOfYear(date.year()),
        [&](const Record& r) { return TextField::asciiLower(field(r, "Mese")) == month && field(r, "Anno") == year; },
        failure);
}

QList<Row> archiveRows(const QString& path, Failure* failure)
{
    return rowsOf(Archive(path, recordLayout()), [](int position, const Record& r) { return rowOf(position, r, false); },
                  failure);
}

ExportFile exportFile(Period period)
{
    switch (period) {
    case Period::Imminent: return {"Scadenze_Imminenti.xls", "Scadenze imminenti"};
    case Period::Day: return {"Scadenze_Giornaliere.xls", "Scadenze del giorno"};
    case Period::Month: return {"Scadenze_Mensili.xls", "Scadenze del mese"};
    case Period::Archive: break;
    }
    return {"Scadenzario_Pagamenti.xls", "Scadenzario Pagamenti"};
}

QList<Spreadsheet::HeaderCell> exportHeader(Period period)
{
    QList<Spreadsheet::HeaderCell> header;
    for (const ColumnTitle& c : ColumnTitles)
        header.push_back({QString::fromUtf8(c.title), c.fileWidth});
    if (isPeriodList(period))
        header.push_back({QString::fromUtf8(KeyTitle.title), KeyTitle.fileWidth});
    return header;
}

Spreadsheet::Table exportTable(Period period, const QList<Row>& rows)
{
    const bool withKey = isPeriodList(period);
    return {QString::fromUtf8(exportFile(period).worksheet), exportHeader(period), int(rows.size()),
            [rows, withKey](int index) {
                const Row& row = rows.at(index);
                return withKey ? row.cells + QStringList{row.key} : row.cells;
            }};
}

bool writeExport(Period period, const QList<Row>& rows, QString* error)
{
    return Spreadsheet::writeFile(AppDir::filePath(QLatin1String(exportFile(period).fileName)),
                                  exportTable(period, rows), error);
}

}  // namespace deadlines
