#pragma once
// The yearly deadline archives <year>.sca: one 1368-byte record per deadline.

#include "storage/layout.h"

#include <QString>

namespace deadlines {

inline constexpr auto kFields = layout::fields(
    layout::text("Giorno", 2), layout::text("Mese", 10), layout::text("Anno", 4), layout::text("Data", 10),
    layout::text("OreApp", 2), layout::text("MinutiApp", 2), layout::text("Ora", 5), layout::text("Avviso", 3),
    layout::text("Pagatore", 50), layout::text("CodFisc", 16), layout::text("NumTessera", 50),
    layout::text("Carica", 50), layout::text("TelCel", 30), layout::text("Recapito", 50),
    layout::text("Anticipi", 120), layout::text("Complessivo", 50), layout::text("Rateazione", 120),
    layout::text("Beneficiario", 50), layout::text("Dettagli", 250), layout::text("Officina", 150),
    layout::text("Costo", 15), layout::text("Contatto", 50), layout::text("Note", 250),
    layout::flag("DaConfermare"), layout::flag("Effettuata"));

inline constexpr int kRecordSize = 1368;
static_assert(layout::recordSize(kFields) == kRecordSize, "deadline record must be 1368 bytes");
static_assert(kFields.size() == 25);
static_assert(layout::capacitiesValid(kFields));

inline constexpr const char* kExtension = ".sca";

const RecordLayout& recordLayout();
// "2024" -> "2024.sca"
QString fileName(const QString& year);

}  // namespace deadlines
