#include "members/memberrecord.h"

namespace members {

const RecordLayout& recordLayout()
{
    static const RecordLayout layout(QStringLiteral("Tesserati.pro"), kFields);
    return layout;
}

}  // namespace members
