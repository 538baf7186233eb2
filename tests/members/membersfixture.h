#pragma once
// Member records for the search and list tests, written to Tesserati.pro in
// the test's application directory.

#include "members/memberrecord.h"
#include "storage/appdir.h"
#include "storage/archive.h"
#include "storage/textfield.h"

#include <QList>
#include <QPair>
#include <QString>

using MemberFields = QList<QPair<QString, QString>>;

// A member that is not annulled, with the given fields on top.
inline Record memberRecord(const MemberFields& fields)
{
    Record r(members::recordLayout());
    r.setFlag(u"Annullata", false);
    for (const auto& [name, value] : fields)
        r.setText(name, value);
    return r;
}

inline QString membersPath()
{
    return AppDir::filePath(QLatin1String(members::kFileName));
}

inline void writeMembers(const QList<MemberFields>& members)
{
    QFile::remove(membersPath());
    const Archive archive(membersPath(), members::recordLayout());
    for (const MemberFields& m : members)
        archive.append(memberRecord(m));
}
