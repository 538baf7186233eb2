#pragma once
// The member archive Tesserati.pro: one 2764-byte record per member card.

#include "storage/layout.h"

namespace members {

inline constexpr auto kFields = layout::concat(
    layout::fields(layout::text("Tesserato", 50), layout::text("Carica", 50), layout::text("NumTessera", 50),
                   layout::text("DataRil", 10), layout::text("DataScade", 10), layout::text("DataNasc", 10),
                   layout::text("ComuneNasc", 50), layout::text("ProvNasc", 2), layout::text("Sesso", 1),
                   layout::text("ComuneRes", 50), layout::text("ProvRes", 2), layout::text("CapRes", 5),
                   layout::text("IndirizzoRes", 50), layout::text("Preavviso", 3), layout::text("Titoli", 250),
                   layout::text("TelCasa", 30), layout::text("TelUff", 30), layout::text("TelCel", 30),
                   layout::text("Recapito", 50), layout::text("Fax", 30), layout::text("Email", 50),
                   layout::text("CodFisc", 16), layout::text("Carta", 30), layout::text("ScadeCarta", 30),
                   layout::text("PartitaIva", 11), layout::text("Iban", 27), layout::text("Intestatario", 50),
                   layout::text("Note", 250), layout::flag("Annullata")),
    layout::attachments());

inline constexpr int kRecordSize = 2764;
static_assert(layout::recordSize(kFields) == kRecordSize, "member record must be 2764 bytes");
static_assert(kFields.size() == 35);
static_assert(layout::capacitiesValid(kFields));

inline constexpr const char* kFileName = "Tesserati.pro";

const RecordLayout& recordLayout();

}  // namespace members
