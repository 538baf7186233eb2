#pragma once
// The yearly shift archives: daily tables in <year>.ore (5220-byte records)
// and weekly tables in <year>.set (5841-byte records).

#include "storage/layout.h"

#include <QString>

namespace shifts {

inline constexpr int kRows = 12;

// Daily: head, twelve rows of start, end and activity, then the twelve worker
// fields as one block, then the attachments.
inline constexpr auto kDailyFields = layout::concat(
    layout::fields(layout::text("Nome", 50), layout::text("Data", 10), layout::text("Periodo", 50),
                   layout::text("Sede", 50), layout::text("Disposizioni", 250), layout::text("Annotazioni", 250)),
    layout::rows<1, kRows>(layout::fields(layout::text("Inizio", 5), layout::text("Fine", 5),
                                          layout::text("Attivita", 120))),
    layout::numbered<1, kRows>("Lavoratore", 120),
    layout::attachments());

inline constexpr int kDailyRecordSize = 5220;
static_assert(layout::recordSize(kDailyFields) == kDailyRecordSize, "daily shift record must be 5220 bytes");
static_assert(layout::capacitiesValid(kDailyFields));

// Weekly: head, the times of rows 1-8, a reserved block of 121 bytes, the times
// of rows 9-12, the worker cells day by day (Monday rows 1-12 first), then the
// attachments.
inline constexpr auto kWeekTimes = layout::fields(layout::text("Inizio", 5), layout::text("Fine", 5));
inline constexpr auto kWeeklyFields = layout::concat(
    layout::fields(layout::text("Nome", 50), layout::text("DataInizio", 10), layout::text("DataFine", 10),
                   layout::text("Sede", 50), layout::text("Disposizioni", 250), layout::text("Annotazioni", 250)),
    layout::rows<1, 8>(kWeekTimes),
    layout::fields(layout::reserved(121)),
    layout::rows<9, kRows>(kWeekTimes),
    layout::numbered<1, kRows>("Lun", 40), layout::numbered<1, kRows>("Mar", 40),
    layout::numbered<1, kRows>("Mer", 40), layout::numbered<1, kRows>("Gio", 40),
    layout::numbered<1, kRows>("Ven", 40), layout::numbered<1, kRows>("Sab", 40),
    layout::numbered<1, kRows>("Dom", 40),
    layout::attachments());

inline constexpr int kWeeklyRecordSize = 5841;
static_assert(layout::recordSize(kWeeklyFields) == kWeeklyRecordSize, "weekly shift record must be 5841 bytes");
static_assert(layout::capacitiesValid(kWeeklyFields));

inline constexpr const char* kDailyExtension = ".ore";
inline constexpr const char* kWeeklyExtension = ".set";

const RecordLayout& dailyLayout();
const RecordLayout& weeklyLayout();
// "2024" -> "2024.ore" / "2024.set"
QString dailyFileName(const QString& year);
QString weeklyFileName(const QString& year);

}  // namespace shifts
