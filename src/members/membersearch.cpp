#include "members/membersearch.h"

#include "app/dates.h"
#include "members/memberrecord.h"
#include "storage/recordfilter.h"
#include "storage/textfield.h"

namespace members {

QString resultLine(const Record& record)
{
    return ListLine::fit(record.text(u"Tesserato"), 30) + QStringLiteral("  Tessera n. ")
        + ListLine::fit(record.text(u"NumTessera"), 20) + QStringLiteral("  Scad. ")
        + ListLine::fit(record.text(u"DataScade"), 10) + QStringLiteral("  Tel. ")
        + ListLine::fit(record.text(u"Recapito"), 12) + QStringLiteral("  ")
        + TextField::trimmed(record.text(u"Note"));
}

bool isListable(const Record& record)
{
    return TextField::trimmed(record.text(u"Annullata")) == TextField::NoText;
}

QList<ResultLine> search(const QString& archivePath, const SearchTexts& typed, ArchiveFile::Mode mode)
{
    const RecordFilter filter(kSearchFields, typed);

    QList<ResultLine> lines;
    Archive(archivePath, recordLayout(), mode).scan([&](int position, const Record& record) {
        if (filter.qualifies(record) && isListable(record))
            lines.push_back({resultLine(record), position});
    });
    return lines;
}

bool isDue(const Record& record, const QDate& today, bool* readable)
{
    const std::optional<QDate> expiry = Dates::parse(TextField::trimmed(record.text(u"DataScade")));
    bool ok = false;
    const int notice = TextField::trimmed(record.text(u"Preavviso")).toInt(&ok);
    if (readable)
        *readable = expiry.has_value() && ok;
    if (!expiry || !ok)
        return false;
    return expiry->addDays(-notice) <= today;
}

QList<ResultLine> renewals(const QString& archivePath, const QDate& today)
{
    QList<ResultLine> lines;
    // Thrown out of the scan to stop it at the first unreadable record.
    struct Unreadable {};
    try {
        Archive(archivePath, recordLayout()).scan([&](int position, const Record& record) {
            bool readable = false;
            const bool due = isDue(record, today, &readable);
            if (!readable)
                throw Unreadable{};
            if (due && isListable(record))
                lines.push_back({resultLine(record), position});
        });
    } catch (const ArchiveError&) {
    } catch (const Unreadable&) {
    }
    return lines;
}

}  // namespace members
