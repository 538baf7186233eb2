#pragma once
// A record as one line of JSON: {"pos":N,"Field":"text",...} with every
// field but the reserved blocks, in the layout's order. What `dump` writes
// and `put` reads back.

#include "storage/record.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace RecordJson {

// The line, with its end of line.
QByteArray line(int position, const Record& record);

// The record a line describes: each field stored as a screen stores it
// (trimmed, Windows-1252, cut to its capacity; "Sì" and "No" of a flag as
// its fixed bytes), a missing field empty, "pos" ignored. No value, with
// the reason in `error`, for a line that is not one JSON object, a key that
// is no field of `layout` (named in the reason) or a value that is not text.
std::optional<Record> parse(const QByteArray& line, const RecordLayout& layout, QString* error);

}  // namespace RecordJson
