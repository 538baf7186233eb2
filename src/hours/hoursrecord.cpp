#include "hours/hoursrecord.h"

namespace hours {

const RecordLayout& recordLayout()
{
    static const RecordLayout layout(QStringLiteral("Orari.pro"), kFields);
    return layout;
}

}  // namespace hours
