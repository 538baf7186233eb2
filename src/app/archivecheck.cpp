#include "app/archivecheck.h"

#include "app/dates.h"
#include "storage/archive.h"
#include "storage/textfield.h"

#include <QFileInfo>

namespace ArchiveCheck {

namespace {

// The date every deadline is due on, kept as "dd/mm/yyyy".
bool isDateField(const ArchiveKinds::Kind& kind, const QString& field)
{
    return QLatin1String(kind.name) == QLatin1String("deadlines") && field == QLatin1String("Data");
}

void checkRecord(const Record& record, int position, const ArchiveKinds::Kind& kind, const QString& path,
                 QList<Finding>& found)
{
    const RecordLayout& layout = record.layout();
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const RecordLayout::Field& f = layout.field(i);
        if (f.kind == FieldKind::Reserved)
            continue;
        const int length = static_cast<unsigned char>(record.bytes().at(f.offset));
        if (length > f.capacity) {
            found.push_back({path, position, f.name,
                             QStringLiteral("lunghezza %1 oltre i %2 caratteri del campo").arg(length).arg(f.capacity)});
            continue;
        }
        const QString text = record.text(i);
        if (f.kind == FieldKind::Flag && text != TextField::YesText && text != TextField::NoText)
            found.push_back({path, position, f.name,
                             QStringLiteral("contrassegno che non è né \"Sì\" né \"No\": \"%1\"").arg(text)});
        else if (isDateField(kind, f.name) && !Dates::parse(text))
            found.push_back({path, position, f.name, QStringLiteral("data non valida: \"%1\"").arg(text)});
    }
}

}  // namespace

QString Finding::text() const
{
    QString line = file;
    if (position > 0)
        line += QStringLiteral(": scheda %1").arg(position);
    if (!field.isEmpty())
        line += QStringLiteral(", campo %1").arg(field);
    return line + QStringLiteral(": ") + problem;
}

QList<Finding> check(const QString& path, const ArchiveKinds::Kind& kind)
{
    QList<Finding> found;
    const RecordLayout& layout = kind.layout();
    try {
        ArchiveFile file(path, layout, ArchiveFile::Mode::ReadOnly);
        if (file.recovery() == Journal::Recovery::Completed)
            found.push_back({path, 0, {}, QStringLiteral("trovata una scrittura interrotta, ora completata")});
        else if (file.recovery() == Journal::Recovery::Discarded)
            found.push_back({path, 0, {}, QStringLiteral("trovato il giornale incompleto di una scrittura mai "
                                                         "iniziata, ora eliminato (archivio intatto)")});
        const int count = file.count();
        for (int position = 1; position <= count; ++position)
            checkRecord(file.read(), position, kind, path, found);
        file.close();
    } catch (const ArchiveError& e) {
        found.push_back({path, 0, {}, QStringLiteral("non si legge: ") + e.detail()});
        return found;
    }
    const qint64 extra = QFileInfo(path).size() % layout.recordSize();
    if (extra != 0)
        found.push_back({path, 0, {}, QStringLiteral("gli ultimi %1 byte non formano una scheda intera").arg(extra)});
    return found;
}

FolderReport checkFolder(const QString& folder)
{
    FolderReport report;
    for (const QString& path : ArchiveKinds::archivesIn(folder)) {
        ++report.archives;
        report.findings += check(path, *ArchiveKinds::ofFile(path));
    }
    return report;
}

}  // namespace ArchiveCheck
