#pragma once
// The member screen's rules: the province codes, the checks before a save,
// the two e-mails.

#include "app/shellrules.h"
#include "storage/savecheck.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace members {

using SaveCheck::FieldTexts;
using SaveCheck::Refusal;

// The 112 province codes the two drop-downs offer, in their order.
const QStringList& provinceCodes();

// The text the screen's control of `field` keeps of a typed or pasted
// `text`: the provinces, the sex, the tax code and the IBAN trimmed with
// a-z upper-cased, the e-mail trimmed; the other fields as they are.
QString screenText(QStringView field, const QString& text);
// The fields whose controls take digits only.
const QStringList& digitFields();

// The checks of a save, in their order; no value when the record may be written.
std::optional<Refusal> checkForSave(const FieldTexts& texts);

// The plain e-mail to the member: the refusal, or the e-mail to open.
std::optional<Refusal> checkPlainMail(const FieldTexts& texts);
ShellOpen::Target plainMail(const FieldTexts& texts);
// The renewal reminder: checks in order, then the e-mail to open.
std::optional<Refusal> checkRenewalMail(const FieldTexts& texts);
ShellOpen::Target renewalMail(const FieldTexts& texts);

}  // namespace members
