// The record decoder of one archive's layout (chosen at build time by
// FUZZ_ARCHIVE: members, deadlines, hours, daily, weekly): any bytes of a
// record's size, as a damaged or foreign file may hold them, decode field by
// field, and the lines, cells and sheets built from a record, without fault.
// A text read from a field and stored again reads back the same.

#include "cards/cardlayout.h"
#include "deadlines/deadlineperiods.h"
#include "deadlines/deadlinerecord.h"
#include "deadlines/deadlinerules.h"
#include "deadlines/deadlinesheet.h"
#include "fuzzsupport.h"
#include "hours/hoursrecord.h"
#include "members/memberexport.h"
#include "members/memberrecord.h"
#include "members/membersearch.h"
#include "members/membersheet.h"
#include "shifts/dailyrules.h"
#include "shifts/dailysheet.h"
#include "shifts/shiftrecords.h"
#include "shifts/weeklyrules.h"
#include "shifts/weeklysheet.h"
#include "storage/record.h"

#include <QDate>
#include <QDateTime>

#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view Archive = FUZZ_ARCHIVE;

const RecordLayout& archiveLayout()
{
    if (Archive == "members")
        return members::recordLayout();
    if (Archive == "deadlines")
        return deadlines::recordLayout();
    if (Archive == "hours")
        return hours::recordLayout();
    if (Archive == "daily")
        return shifts::dailyLayout();
    return shifts::weeklyLayout();
}

void decodeEveryField(const Record& record)
{
    const RecordLayout& l = record.layout();
    Record again = record;
    for (int i = 0; i < l.fieldCount(); ++i) {
        const RecordLayout::Field& f = l.field(i);
        if (f.kind == FieldKind::Reserved)
            continue;
        const QString text = record.text(i);
        FUZZ_ASSERT(text.size() <= f.capacity);
        again.setText(i, text);
        FUZZ_ASSERT(again.text(i) == text);
        if (f.kind == FieldKind::Flag)
            (void)record.flag(f.name);
    }
}

// What the screens, lists and sheets of the archive build from one record.
void buildFrom(const Record& record)
{
    const QDate today(2025, 3, 7);
    if (Archive == "members") {
        (void)members::resultLine(record);
        (void)members::isListable(record);
        bool readable = false;
        (void)members::isDue(record, today, &readable);
        (void)members::exportCells(record);
        (void)MemberSheet::rows(record);
        Cards::CardFace face;
        face.setMember(record);
    } else if (Archive == "deadlines") {
        (void)deadlines::rowCells(record);
        (void)deadlines::sortKey(record);
        (void)deadlines::isImminent(record, today);
        (void)deadlines::listLine(record);
        for (const deadlines::StatusList& list : deadlines::kStatusLists)
            (void)deadlines::hasStatus(record, list.status);
        (void)DeadlineSheet::rows(record);
    } else if (Archive == "daily") {
        (void)daily::resultLine(record);
        (void)daily::exportCells(record);
        Report::Template sheet = DailySheet::design();
        DailySheet::fill(sheet, record, QDateTime(today, QTime(9, 0)), QStringLiteral("HH:mm:ss"));
    } else if (Archive == "weekly") {
        (void)weekly::resultLine(record);
        (void)WeeklySheet::filled(record, QStringLiteral("HH:mm:ss"));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const RecordLayout& l = archiveLayout();
    QByteArray bytes(l.recordSize(), '\0');
    std::memcpy(bytes.data(), data, std::min<std::size_t>(size, std::size_t(l.recordSize())));
    const Record record(l, bytes);
    decodeEveryField(record);
    buildFrom(record);
    return 0;
}
