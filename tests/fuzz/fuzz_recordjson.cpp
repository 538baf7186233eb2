// The JSON reader of `put`: any line either is refused with a reason or
// gives a record whose every field fits; a record's own line reads back the
// same texts.

#include "app/recordjson.h"
#include "fuzzsupport.h"
#include "members/memberrecord.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const RecordLayout& layout = members::recordLayout();
    const QByteArray line(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const std::optional<Record> record = RecordJson::parse(line, layout, &error);
    FUZZ_ASSERT(record.has_value() == error.isEmpty());
    if (!record)
        return 0;
    FUZZ_ASSERT(record->bytes().size() == layout.recordSize());
    for (int i = 0; i < layout.fieldCount(); ++i)
        FUZZ_ASSERT(static_cast<unsigned char>(record->bytes().at(layout.field(i).offset)) <= layout.field(i).capacity);
    // A value cut at its field's capacity may keep a blank where it was cut,
    // which reading drops: what comes back is the record's texts.
    QString again;
    const std::optional<Record> back = RecordJson::parse(RecordJson::line(1, *record), layout, &again);
    FUZZ_ASSERT(back.has_value());
    for (int i = 0; i < layout.fieldCount(); ++i)
        FUZZ_ASSERT(back->text(i) == record->text(i));
    return 0;
}
