#include "hours/hoursrules.h"

#include "hours/hoursrecord.h"
#include "storage/appdir.h"
#include "storage/archive.h"
#include "storage/record.h"
#include "storage/recordfilter.h"
#include "storage/textfield.h"

namespace hours {
namespace {

QString slotField(const char* stem, int slot)
{
    return QLatin1String(stem) + QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0'));
}

QString trimmedField(const Record& r, const QString& name)
{
    return TextField::trimmed(r.text(name));
}

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

QString resultLine(const Record& record)
{
    return ListLine::fit(record.text(u"Nome"), 30) + QStringLiteral("  Periodo: ")
        + ListLine::fit(record.text(u"Periodo"), 24) + QStringLiteral("  Sede: ") + ListLine::fit(record.text(u"Sede"), 24)
        + QStringLiteral("  Note: ") + TextField::trimmed(record.text(u"Annotazioni"));
}

QList<ResultLine> search(const QString& archivePath, const SearchTexts& typed)
{
    const RecordFilter filter(kSearchFields, typed);
    QList<ResultLine> lines;
    Archive(archivePath, recordLayout()).scan([&](int position, const Record& record) {
        if (filter.qualifies(record))
            lines.push_back({resultLine(record), position});
    });
    ListLine::pointAtLastOfSameText(lines);
    return lines;
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
    QStringList names;
    for (const char* stem : {"File", "Desc"})
        for (int k = 1; k <= 3; ++k)
            names << slotField(stem, k);
    return names;
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
            names << slotField("Inizio", k) << slotField("Fine", k);
        return names;
    }
    }
    return {};
}

QList<Spreadsheet::HeaderCell> exportHeader()
{
    QList<Spreadsheet::HeaderCell> header{{QStringLiteral("Nome tabella turni"), 250},
                                          {QStringLiteral("Periodo validit\u00E0"), 250},
                                          {QStringLiteral("Sede operativa"), 250},
                                          {QStringLiteral("Disposizioni organizzative"), 350}};
    for (int k = 1; k <= kExportedSlots; ++k) {
        header.push_back({QStringLiteral("Orario %1").arg(k), 200});
        header.push_back({QStringLiteral("Attivit\u00E0 da svolgere %1").arg(k), 300});
    }
    header.push_back({QStringLiteral("Annotazioni"), 350});
    return header;
}

QList<Spreadsheet::HeaderCell> gridColumns()
{
    return QList<Spreadsheet::HeaderCell>{{QStringLiteral("N."), 50}} + exportHeader();
}

QStringList exportCells(const Record& record)
{
    QStringList cells;
    for (const char* name : {"Nome", "Periodo", "Sede", "Disposizioni"})
        cells << trimmedField(record, QLatin1String(name));
    for (int k = 1; k <= kExportedSlots; ++k) {
        cells << QStringLiteral("Dalle ") + trimmedField(record, slotField("Inizio", k)) + QStringLiteral(" alle ")
                     + trimmedField(record, slotField("Fine", k));
        cells << trimmedField(record, slotField("Attivita", k));
    }
    cells << trimmedField(record, QStringLiteral("Annotazioni"));
    return cells;
}

QList<QStringList> gridRows(const QString& path, std::optional<ArchiveError>* failure)
{
    QList<QStringList> rows;
    try {
        Archive(path, recordLayout()).scan([&rows](int, const Record& record) { rows.push_back(exportCells(record)); });
    } catch (const ArchiveError& e) {
        if (failure)
            *failure = e;
    }
    return rows;
}

Spreadsheet::Table exportTable(const QList<QStringList>& rows)
{
    return Spreadsheet::Table::of(QLatin1String(kExportWorksheet), exportHeader(), rows);
}

bool writeExport(const QList<QStringList>& rows, QString* error)
{
    return Spreadsheet::writeFile(AppDir::filePath(QLatin1String(kExportFileName)), exportTable(rows), error);
}

}  // namespace hours
