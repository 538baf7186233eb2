// The identifier checks on any text, typed, pasted or handed over by a
// screen: every check gives a verdict with a message that fits it.

#include "checks/checks.h"
#include "fuzzsupport.h"

#include <QString>

#include <cstdint>

namespace {

void verifyResult(const Checks::CheckResult& result)
{
    FUZZ_ASSERT((result.notice == Checks::Notice::None) == result.message.isEmpty());
    FUZZ_ASSERT(result.verdict != Checks::Verdict::NoMessage || result.notice == Checks::Notice::None);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    using Checks::Field;
    for (const Field field : {Field::TaxCode, Field::VatNumber, Field::CardNumber, Field::Iban}) {
        const QString pasted = Checks::asPasted(field, text);
        FUZZ_ASSERT(pasted.size() <= Checks::maxLength(field));
        verifyResult(Checks::check(field, pasted));
        verifyResult(Checks::check(field, Checks::asHandedOver(field, text)));
        const int key = size > 0 ? Qt::Key_Space + data[0] : Qt::Key_Return;
        (void)Checks::keyAction(field, key, text.left(1));
    }
    (void)Checks::fieldForTaxCodeText(text);
    (void)Checks::taxCodeValid(text);
    (void)Checks::vatNumberValid(text);
    (void)Checks::vatOfficeName(text.left(3));
    (void)Checks::cardOutcome(text);
    const int remainder = Checks::ibanRemainder(text);
    FUZZ_ASSERT(remainder >= 0 && remainder <= 96);
    (void)Checks::ibanValid(text);
    return 0;
}
