#include "deadlines/deadlinerecord.h"

#include "storage/appdir.h"

namespace deadlines {

const RecordLayout& recordLayout()
{
    static const RecordLayout layout(QStringLiteral("<anno>.sca"), kFields);
    return layout;
}

QString fileName(const QString& year)
{
    return AppDir::yearlyFileName(year, kExtension);
}

}  // namespace deadlines
