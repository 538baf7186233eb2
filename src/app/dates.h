#pragma once
// Dates as the whole program writes them: "dd/mm/yyyy", strictly (two-digit
// day and month, four-digit year, a real calendar day), and times "hh:mm".
// Every screen formats and parses through here.

#include <QDate>
#include <QString>

#include <optional>

namespace Dates {

inline constexpr const char* Format = "dd/MM/yyyy";

QString format(const QDate& date);
// No value for anything that is not a real date in the form dd/mm/yyyy
// ("31/02/2024", "5/3/2025" and " 05/03/2025" are not).
std::optional<QDate> parse(const QString& text);
bool isDate(const QString& text);

// Applies the process-wide settings every window relies on: the Italian
// locale, whose decimal separator is ",". Called when the windows are created.
void applyProcessSettings();

}  // namespace Dates

// The time of day that the program goes by. Tests set it.
namespace Clock {

QDateTime now();
QDate today();
// Freezes the clock at `moment`; an invalid moment returns to the system clock.
void set(const QDateTime& moment);

}  // namespace Clock
