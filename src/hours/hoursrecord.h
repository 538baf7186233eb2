#pragma once
// The service-hours archive Orari.pro: one 3757-byte record per template.

#include "storage/layout.h"

namespace hours {

inline constexpr int kSlots = 12;

inline constexpr auto kFields = layout::concat(
    layout::fields(layout::text("Nome", 50), layout::text("Periodo", 50), layout::text("Sede", 50),
                   layout::text("Disposizioni", 250), layout::text("Annotazioni", 250)),
    layout::rows<1, kSlots>(layout::fields(layout::text("Inizio", 5), layout::text("Fine", 5),
                                           layout::text("Attivita", 120))),
    layout::attachments());

inline constexpr int kRecordSize = 3757;
static_assert(layout::recordSize(kFields) == kRecordSize, "service-hours record must be 3757 bytes");
static_assert(kFields.size() == 47);
static_assert(layout::capacitiesValid(kFields));

inline constexpr const char* kFileName = "Orari.pro";

const RecordLayout& recordLayout();

}  // namespace hours
