#pragma once
// Binding of a form to a record by name: the control of field F is
// "txt" + F (edit field or editable drop-down), "chk" + F (check box, for a
// flag) or "lbl" + F (a hidden holder). Screens never copy fields one by one.

#include "storage/record.h"

#include <QHash>
#include <QString>

class QWidget;

namespace FormBinding {

// The control bound to a field, or nullptr.
QWidget* control(QWidget* form, const QString& field);
// Puts every field into its control, trimmed. A check box is ticked for
// "Sì", unticked for "No" and left as it was for anything else.
void fill(QWidget* form, const Record& record);
// Puts one field's text into its control (a save's composed fields).
void setText(QWidget* form, const QString& field, const QString& text);
// A record made from the controls: every text trimmed and cut to its field;
// a check box gives "Sì" when ticked, "No" otherwise.
Record read(QWidget* form, const RecordLayout& layout);
// The controls' texts by field name, as typed (for the checks before a save).
QHash<QString, QString> texts(QWidget* form, const RecordLayout& layout);
// Empties every bound text control and unticks every bound check box.
void clear(QWidget* form, const RecordLayout& layout);
// Gives every bound edit field its field's capacity as maximum length.
void applyMaxLengths(QWidget* form, const RecordLayout& layout);

}  // namespace FormBinding
