#include "shifts/weeklyrules.h"

#include "shifts/shiftrecords.h"
#include "storage/appdir.h"
#include "storage/archive.h"
#include "storage/record.h"
#include "storage/recordfilter.h"
#include "storage/textfield.h"

#include <utility>

namespace weekly {

QString archivePath(const QString& year)
{
    return AppDir::filePath(shifts::weeklyFileName(year));
}

std::optional<SaveCheck::Refusal> checkForSave(const SaveCheck::FieldTexts& texts)
{
    const std::pair<const char*, const QString*> required[] = {
        {"Nome", &NameRequired}, {"DataInizio", &StartRequired}, {"DataFine", &EndRequired}};
    for (const auto& [field, message] : required)
        if (SaveCheck::trimmedText(texts, field).isEmpty())
            return SaveCheck::warning(field, *message);
    return std::nullopt;
}

QString resultLine(const RecordView& record)
{
    static const ListLine::Format format(shifts::weeklyLayout(), {{u"", "Nome", 30},
                                                                  {u"  Da: ", "DataInizio", 10},
                                                                  {u"  A: ", "DataFine", 10},
                                                                  {u"  Sede: ", "Sede", 30},
                                                                  {u"  Note: ", "Annotazioni", ListLine::Format::Whole}});
    return format.line(record);
}

QList<ResultLine> search(const QString& archivePath, const SearchTexts& typed)
{
    return ListLine::filteredLines(Archive(archivePath, shifts::weeklyLayout()), RecordFilter(kSearchFields, typed),
                                   resultLine);
}

QStringList screenFields()
{
    return shifts::weeklyLayout().fieldNames();
}

}  // namespace weekly
