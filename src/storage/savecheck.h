#pragma once
// The checks a data screen runs before a save: the screen hands over its
// control texts by field name, the checks name the first field refused, its
// message and the kind of box that shows it. The window only shows the box
// and moves the focus.

#include <QHash>
#include <QString>

#include <initializer_list>
#include <optional>
#include <utility>

namespace SaveCheck {

// The control texts of a screen by field name, as typed (not trimmed).
using FieldTexts = QHash<QString, QString>;

struct Refusal {
    enum class Box {
        Warning,            // warning, OK and Cancel
        InformationOkOnly,  // information, OK only
        Message,            // a plain box with OK
    };
    QString field;  // the field that takes the focus
    QString message;
    Box box = Box::Warning;

    bool operator==(const Refusal&) const = default;
};

// The field's text, trimmed; empty for a field the screen did not hand over.
QString trimmedText(const FieldTexts& texts, const char* field);

Refusal warning(const char* field, const QString& message);
Refusal information(const char* field, const QString& message);

// Checks in order: the first field found empty is refused with its warning.
std::optional<Refusal> firstEmpty(const FieldTexts& texts,
                                  std::initializer_list<std::pair<const char*, const char*>> required);

}  // namespace SaveCheck
