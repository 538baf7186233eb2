#include "shifts/dailyrules.h"

#include "output/archiveexport.h"
#include "output/timetable.h"
#include "shifts/shiftrecords.h"
#include "storage/appdir.h"
#include "storage/archive.h"
#include "storage/record.h"
#include "storage/recordfilter.h"
#include "storage/textfield.h"

namespace daily {

QString archivePath(const QString& year)
{
    return AppDir::filePath(shifts::dailyFileName(year));
}

std::optional<SaveCheck::Refusal> checkForSave(const SaveCheck::FieldTexts& texts)
{
    if (SaveCheck::trimmedText(texts, "Nome").isEmpty())
        return SaveCheck::warning("Nome", NameRequired);
    if (SaveCheck::trimmedText(texts, "Data").isEmpty())
        return SaveCheck::warning("Data", DateRequired);
    return std::nullopt;
}

QString workersWith(const QString& current, const QString& member)
{
    const QString workers = TextField::trimmed(current);
    const QString name = TextField::trimmed(member);
    return workers.isEmpty() ? name : workers + QStringLiteral(", ") + name;
}

QString resultLine(const RecordView& record)
{
    static const ListLine::Format format(shifts::dailyLayout(), {{u"", "Nome", 30},
                                                                 {u"  Data: ", "Data", 10},
                                                                 {u"  Sede: ", "Sede", 30},
                                                                 {u"  Note: ", "Annotazioni", ListLine::Format::Whole}});
    return format.line(record);
}

QList<ResultLine> search(const QString& archivePath, const SearchTexts& typed)
{
    return ListLine::filteredLines(Archive(archivePath, shifts::dailyLayout()), RecordFilter(kSearchFields, typed),
                                   resultLine);
}

QStringList attachmentFields()
{
    return layout::attachmentNames();
}

QList<Spreadsheet::HeaderCell> exportHeader()
{
    return Timetable::exportHeader({{QStringLiteral("Nome tabella turni"), 250},
                                    {QStringLiteral("Data"), 200},
                                    {QStringLiteral("Sede operativa"), 250},
                                    {QStringLiteral("Disposizioni organizzative"), 350}},
                                   QStringLiteral("Turnista"), 250, kExportedRows);
}

QList<Spreadsheet::HeaderCell> gridColumns()
{
    return Timetable::gridColumns(exportHeader());
}

QStringList exportCells(const RecordView& record)
{
    return Timetable::exportCells(record, {"Nome", "Data", "Sede", "Disposizioni"}, QStringLiteral("Lavoratore"),
                                  kExportedRows);
}

QList<QStringList> gridRows(const QString& path, std::optional<ArchiveError>* failure)
{
    return rowsOf(Archive(path, shifts::dailyLayout()), [](int, const Record& record) { return exportCells(record); },
                  failure);
}

Spreadsheet::Table exportTable(const QList<QStringList>& rows)
{
    return Spreadsheet::Table::of(QLatin1String(kExportWorksheet), exportHeader(), rows);
}

bool writeExport(const QList<QStringList>& rows, QString* error)
{
    return Spreadsheet::writeFile(AppDir::filePath(QLatin1String(kExportFileName)), exportTable(rows), error);
}

bool writeArchiveExport(const QString& path, std::optional<ArchiveError>* failure, QString* error)
{
    return ArchiveExport::write(
        AppDir::filePath(QLatin1String(kExportFileName)), QString::fromLatin1(kExportWorksheet), exportHeader(),
        Archive(path, shifts::dailyLayout()),
        [](Spreadsheet::Writer& writer, int, const RecordView& record) { writer.row(exportCells(record)); }, failure,
        error);
}

}  // namespace daily
