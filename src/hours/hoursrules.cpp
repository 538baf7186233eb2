#include "hours/hoursrules.h"

#include "hours/hoursrecord.h"
#include "output/archiveexport.h"
#include "output/timetable.h"
#include "storage/appdir.h"
#include "storage/archive.h"
#include "storage/record.h"
#include "storage/recordfilter.h"
#include "storage/textfield.h"

namespace hours {
namespace {

// The 41 texts of a template: the four heading fields, the notes and the
// twelve slots, in the record's order.
QStringList textFields()
{
    QStringList names = recordLayout().fieldNames();
    for (const QString& attachment : attachmentFields())
        names.removeOne(attachment);
    return names;
}

}  // namespace

QString archivePath()
{
    return AppDir::filePath(QLatin1String(kFileName));
}

std::optional<SaveCheck::Refusal> checkForSave(const SaveCheck::FieldTexts& texts)
{
    if (SaveCheck::trimmedText(texts, "Nome").isEmpty())
        return SaveCheck::warning("Nome", NameRequired);
    return std::nullopt;
}

QString resultLine(const RecordView& record)
{
    static const ListLine::Format format(recordLayout(), {{u"", "Nome", 30},
                                                          {u"  Periodo: ", "Periodo", 24},
                                                          {u"  Sede: ", "Sede", 24},
                                                          {u"  Note: ", "Annotazioni", ListLine::Format::Whole}});
    return format.line(record);
}

QList<ResultLine> search(const QString& archivePath, const SearchTexts& typed)
{
    return ListLine::filteredLines(Archive(archivePath, recordLayout()), RecordFilter(kSearchFields, typed),
                                   resultLine);
}

std::optional<Importer> importerOf(const QString& callerKey)
{
    static const std::pair<const char*, Importer> keys[] = {
        {"orari", Importer::Hours}, {"turni", Importer::Daily}, {"settimanale", Importer::Weekly}};
    for (const auto& [key, importer] : keys)
        if (callerKey == QLatin1String(key))
            return importer;
    return std::nullopt;
}

QStringList attachmentFields()
{
    return layout::attachmentNames();
}

QStringList importedFields(Importer importer)
{
    switch (importer) {
    case Importer::Hours:
        return recordLayout().fieldNames();
    case Importer::Daily:
        return textFields();
    case Importer::Weekly: {
        QStringList names{QStringLiteral("Nome"), QStringLiteral("Sede"), QStringLiteral("Disposizioni"),
                          QStringLiteral("Annotazioni")};
        for (int k = 1; k <= kSlots; ++k)
            names << layout::numberedName("Inizio", k) << layout::numberedName("Fine", k);
        return names;
    }
    }
    return {};
}

QList<Spreadsheet::HeaderCell> exportHeader()
{
    return Timetable::exportHeader({{QStringLiteral("Nome tabella turni"), 250},
                                    {QStringLiteral("Periodo validit\u00E0"), 250},
                                    {QStringLiteral("Sede operativa"), 250},
                                    {QStringLiteral("Disposizioni organizzative"), 350}},
                                   QStringLiteral("Attivit\u00E0 da svolgere"), 300, kExportedSlots);
}

QList<Spreadsheet::HeaderCell> gridColumns()
{
    return Timetable::gridColumns(exportHeader());
}

QStringList exportCells(const RecordView& record)
{
    return Timetable::exportCells(record, {"Nome", "Periodo", "Sede", "Disposizioni"}, QStringLiteral("Attivita"),
                                  kExportedSlots);
}

QList<QStringList> gridRows(const QString& path, std::optional<ArchiveError>* failure)
{
    return rowsOf(Archive(path, recordLayout()), [](int, const Record& record) { return exportCells(record); },
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
        Archive(path, recordLayout()),
        [](Spreadsheet::Writer& writer, int, const RecordView& record) { writer.row(exportCells(record)); }, failure,
        error);
}

}  // namespace hours
