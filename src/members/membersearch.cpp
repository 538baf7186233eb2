#include "members/membersearch.h"

#include "app/dates.h"
#include "members/memberrecord.h"
#include "storage/recordfilter.h"
#include "storage/textfield.h"

namespace members {

QString resultLine(const RecordView& record)
{
    static const ListLine::Format format(recordLayout(), {{u"", "Tesserato", 30},
                                                          {u"  Tessera n. ", "NumTessera", 20},
                                                          {u"  Scad. ", "DataScade", 10},
                                                          {u"  Tel. ", "Recapito", 12},
                                                          {u"  ", "Note", ListLine::Format::Whole}});
    return format.line(record);
}

bool isListable(const RecordView& record)
{
    // "No" is ASCII: its bytes are its characters.
    return record.textBytes(u"Annullata") == QByteArrayView("No");
}

QList<ResultLine> search(const QString& archivePath, const SearchTexts& typed, ArchiveFile::Mode mode)
{
    const RecordFilter filter(kSearchFields, typed);

    QList<ResultLine> lines;
    Archive(archivePath, recordLayout(), mode).scanViews([&](int position, const RecordView& record) {
        if (filter.qualifies(record) && isListable(record))
            lines.push_back({resultLine(record), position});
    });
    return lines;
}

bool isDue(const RecordView& record, const QDate& today, bool* readable)
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
        Archive(archivePath, recordLayout()).scanViews([&](int position, const RecordView& record) {
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
