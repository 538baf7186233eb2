#include "app/archivekinds.h"

#include "deadlines/deadlinerecord.h"
#include "hours/hoursrecord.h"
#include "members/memberrecord.h"
#include "shifts/shiftrecords.h"

#include <QDir>
#include <QFileInfo>

namespace ArchiveKinds {

namespace {

const Kind Kinds[] = {
    {"members", &members::recordLayout}, {"deadlines", &deadlines::recordLayout}, {"hours", &hours::recordLayout},
    {"daily", &shifts::dailyLayout},     {"weekly", &shifts::weeklyLayout},
};

}  // namespace

const Kind* named(const QString& name)
{
    for (const Kind& k : Kinds)
        if (name == QLatin1String(k.name))
            return &k;
    return nullptr;
}

const Kind* ofFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const auto is = [&name](const char* fixed) { return name.compare(QLatin1String(fixed), Qt::CaseInsensitive) == 0; };
    const auto endsWith = [&name](const char* ext) { return name.endsWith(QLatin1String(ext), Qt::CaseInsensitive); };
    if (is(members::kFileName))
        return named(QStringLiteral("members"));
    if (is(hours::kFileName))
        return named(QStringLiteral("hours"));
    if (endsWith(deadlines::kExtension))
        return named(QStringLiteral("deadlines"));
    if (endsWith(shifts::kDailyExtension))
        return named(QStringLiteral("daily"));
    if (endsWith(shifts::kWeeklyExtension))
        return named(QStringLiteral("weekly"));
    return nullptr;
}

QStringList archivesIn(const QString& folder)
{
    QStringList found;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& entry : entries)
        if (ofFile(entry.fileName()))
            found << entry.absoluteFilePath();
    return found;
}

}  // namespace ArchiveKinds
