#include "output/searchhandback.h"

#include <QHash>

namespace SearchHandBack {
namespace {

QHash<QString, Receiver>& receivers()
{
    static QHash<QString, Receiver> all;
    return all;
}

}  // namespace

void registerReceiver(const QString& key, Receiver receiver)
{
    if (receiver)
        receivers().insert(key, std::move(receiver));
    else
        receivers().remove(key);
}

bool hasReceiver(const QString& key)
{
    return receivers().contains(key);
}

bool deliver(const QString& key, int position, const Record& record)
{
    const auto it = receivers().constFind(key);
    if (it == receivers().constEnd())
        return false;
    // A copy: the receiver may register again while it runs.
    const Receiver receiver = it.value();
    receiver(position, record);
    return true;
}

}  // namespace SearchHandBack
