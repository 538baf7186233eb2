#include "deadlines/deadlineperiods.h"

#include "app/dates.h"
#include "deadlines/deadlinerecord.h"
#include "deadlines/deadlinerules.h"
#include "output/archiveexport.h"
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

QString field(const RecordView& r, const char* name)
{
    return TextField::trimmed(r.text(QString::fromLatin1(name)));
}

Row rowOf(int number, const RecordView& r, bool withKey)
{
    return {number, rowCells(r), withKey ? sortKey(r) : QString()};
}

using Filter = std::function<bool(const RecordView&)>;

// The deadlines of a period list: imminent on `date`, of the day or of the
// month of `date`.
Filter periodFilter(Period period, const QDate& date)
{
    switch (period) {
    case Period::Imminent:
        return [date](const RecordView& r) { return isImminent(r, date); };
    case Period::Day:
        return [day = Dates::format(date)](const RecordView& r) { return field(r, "Data") == day; };
    case Period::Month:
        return [month = monthNameLower(date.month()), year = QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'))](
                   const RecordView& r) { return TextField::asciiLower(field(r, "Mese")) == month && field(r, "Anno") == year; };
    case Period::Archive:
        break;
    }
    return [](const RecordView&) { return true; };
}

bool byKey(const QString& a, const QString& b) { return a < b; }

// The selected deadlines of the archive at `path`, numbered in reading order,
// then put in order of their key; rows with the same key keep their reading order.
QList<Row> periodRows(const QString& path, const Filter& selected, Failure* failure)
{
    QList<Row> rows;
    try {
        Archive(path, recordLayout()).scanViews([&](int, const RecordView& r) {
            if (selected(r))
                rows.push_back(rowOf(int(rows.size()) + 1, r, true));
        });
    } catch (const ArchiveError& e) {
        if (failure)
            *failure = e;
        return rows;
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return byKey(a.key, b.key); });
    return rows;
}

// The indexes of the selected deadlines in the order periodRows() gives
// them, with only their keys held. Throws ArchiveError.
QList<int> periodOrder(const QString& path, const Filter& selected)
{
    struct Entry {
        QString key;
        int index;
    };
    QList<Entry> entries;
    Archive(path, recordLayout()).scan([&](int position, const Record& r) {
        if (selected(r))
            entries.push_back({sortKey(r), position - 1});
    });
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return byKey(a.key, b.key); });
    QList<int> order;
    order.reserve(entries.size());
    for (const Entry& e : std::as_const(entries))
        order.push_back(e.index);
    return order;
}

// A row of the file: columns 1 to 19, and the key for the period lists.
void writeRow(Spreadsheet::Writer& writer, const RecordView& r, bool withKey)
{
    writer.beginRow();
    for (const char* name : ColumnFields)
        writer.cell(field(r, name));
    if (withKey)
        writer.cell(sortKey(r));
    writer.endRow();
}

QString exportPath(Period period)
{
    return AppDir::filePath(QLatin1String(exportFile(period).fileName));
}

QString worksheet(Period period)
{
    return QString::fromUtf8(exportFile(period).worksheet);
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

QStringList rowCells(const RecordView& deadline)
{
    QStringList cells;
    cells.reserve(kFieldColumns);
    for (const char* name : ColumnFields)
        cells << field(deadline, name);
    return cells;
}

QString sortKey(const RecordView& deadline)
{
    return field(deadline, "Data").mid(3, 2) + field(deadline, "Giorno") + field(deadline, "OreApp") +
           field(deadline, "MinutiApp");
}

QList<Row> imminentRows(const QString& path, const QDate& today, Failure* failure)
{
    return periodRows(path, periodFilter(Period::Imminent, today), failure);
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
    return periodRows(archivePathOfYear(date.year()), periodFilter(Period::Day, date), failure);
}

QList<Row> monthRows(const QDate& date, Failure* failure)
{
    return periodRows(archivePathOfYear(date.year()), periodFilter(Period::Month, date), failure);
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
    return {worksheet(period), exportHeader(period), int(rows.size()),
            [rows, withKey](int index) {
                const Row& row = rows.at(index);
                return withKey ? row.cells + QStringList{row.key} : row.cells;
            }};
}

bool writeExport(Period period, const QList<Row>& rows, QString* error)
{
    return Spreadsheet::writeFile(exportPath(period), exportTable(period, rows), error);
}

bool writePeriodExport(Period period, const QDate& date, Failure* failure, QString* error)
{
    const QString path = archivePathOfYear(date.year());
    QList<int> order;
    try {
        order = periodOrder(path, periodFilter(period, date));
    } catch (const ArchiveError& e) {
        if (failure)
            *failure = e;
        return false;
    }
    return ArchiveExport::write(
        exportPath(period), worksheet(period), exportHeader(period),
        [&](Spreadsheet::Writer& writer) {
            ArchiveFile archive(path, recordLayout());
            for (const int index : std::as_const(order)) {
                if (!writer.ok())
                    break;
                archive.seek(index);
                writeRow(writer, archive.read(), true);
            }
            archive.close();
        },
        [] {}, failure, error);
}

bool writeArchiveExport(const QString& path, Failure* failure, QString* error)
{
    return ArchiveExport::write(
        exportPath(Period::Archive), worksheet(Period::Archive), exportHeader(Period::Archive),
        Archive(path, recordLayout()),
        [](Spreadsheet::Writer& writer, int, const RecordView& r) { writeRow(writer, r, false); }, failure, error);
}

}  // namespace deadlines
