#include "output/searchhandback.h"

#include <QHash>

namespace SearchHandBack {

size_t qHash(const Route& route, size_t seed = 0)
{
    return qHashMulti(seed, route.dialog, route.key);
}

namespace {

QHash<Route, Receiver>& receivers()
{
    static QHash<Route, Receiver> all;
    return all;
}

}  // namespace

void registerReceiver(const Route& route, Receiver receiver)
{
    if (receiver)
        receivers().insert(route, std::move(receiver));
    else
        receivers().remove(route);
}

bool hasReceiver(const Route& route)
{
    return receivers().contains(route);
}

bool deliver(const Route& route, int position, const Record& record)
{
    const auto it = receivers().constFind(route);
    if (it == receivers().constEnd())
        return false;
    // A copy: the receiver may register again while it runs.
    const Receiver receiver = it.value();
    receiver(position, record);
    return true;
}

}  // namespace SearchHandBack
