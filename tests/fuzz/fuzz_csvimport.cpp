// The member import on any file content: the CSV reader either refuses the
// file, naming a line inside it, or gives rows whose starting lines rise and
// lie inside the file; the plan of those rows either holds one record per
// row that passed or names only lines of rows that are there.

#include "fuzzsupport.h"
#include "members/memberimport.h"
#include "members/memberrecord.h"

#include <QByteArray>
#include <QSet>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const int physicalLines = int(bytes.count('\n') + bytes.count('\r')) + 1;
    Csv::Failure failure;
    const std::optional<Csv::Table> table = Csv::parse(bytes, &failure);
    if (!table) {
        FUZZ_ASSERT(failure.line >= 0 && failure.line <= physicalLines);
        FUZZ_ASSERT(!failure.message.isEmpty());
        return 0;
    }
    QSet<int> rowLines;
    int previous = 0;
    for (const Csv::Row& row : table->rows) {
        FUZZ_ASSERT(row.line > previous && row.line <= physicalLines);
        previous = row.line;
        rowLines << row.line;
    }
    const members::ImportMapping mapping(table->rows.isEmpty() ? QStringList() : table->rows.first().cells);
    const members::ImportPlan plan = members::planImport(*table, mapping);
    for (const members::ImportFailure& f : plan.failures)
        FUZZ_ASSERT(rowLines.contains(f.line) && f.line > 1 && !f.reason.isEmpty());
    for (const Record& record : plan.records) {
        FUZZ_ASSERT(record.bytes().size() == members::kRecordSize);
        FUZZ_ASSERT(record.flag(u"Annullata") == std::optional<bool>(false));
        FUZZ_ASSERT(!record.text(u"Tesserato").isEmpty());
    }
    FUZZ_ASSERT(plan.refusal.isEmpty() || (plan.records.isEmpty() && plan.failures.isEmpty()));
    return 0;
}
