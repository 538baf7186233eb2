#include "storage/savecheck.h"

#include "storage/textfield.h"

namespace SaveCheck {

QString trimmedText(const FieldTexts& texts, const char* field)
{
    return TextField::trimmed(texts.value(QLatin1String(field)));
}

Refusal warning(const char* field, const QString& message)
{
    return {QLatin1String(field), message, Refusal::Box::Warning};
}

Refusal information(const char* field, const QString& message)
{
    return {QLatin1String(field), message, Refusal::Box::InformationOkOnly};
}

std::optional<Refusal> firstEmpty(const FieldTexts& texts,
                                  std::initializer_list<std::pair<const char*, const char*>> required)
{
    for (const auto& [field, message] : required)
        if (trimmedText(texts, field).isEmpty())
            return warning(field, QString::fromUtf8(message));
    return std::nullopt;
}

}  // namespace SaveCheck
