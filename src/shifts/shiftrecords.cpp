#include "shifts/shiftrecords.h"

#include "storage/appdir.h"

namespace shifts {

const RecordLayout& dailyLayout()
{
    static const RecordLayout layout(QStringLiteral("<anno>.ore"), kDailyFields);
    return layout;
}

const RecordLayout& weeklyLayout()
{
    static const RecordLayout layout(QStringLiteral("<anno>.set"), kWeeklyFields);
    return layout;
}

QString dailyFileName(const QString& year)
{
    return AppDir::yearlyFileName(year, kDailyExtension);
}

QString weeklyFileName(const QString& year)
{
    return AppDir::yearlyFileName(year, kWeeklyExtension);
}

}  // namespace shifts
