#pragma once
// Where a search or list dialog hands the chosen record: the screen that the
// dialog and its caller key name together. Each receiving screen registers,
// once, what it does with a record from that dialog; the dialogs only name
// themselves and the key. The same key may mean different things in
// different dialogs ("turni" from the member search adds a worker, from the
// service-hours search it imports a template), so neither replaces the other.

#include "storage/record.h"

#include <QString>

#include <functional>

namespace SearchHandBack {

using Receiver = std::function<void(int position, const Record& record)>;

// A route: the handing dialog (its window's name, "frmTrovaAnagrafica") and
// the caller key the opening screen set on it.
struct Route {
    QString dialog;
    QString key;

    bool operator==(const Route&) const = default;
};

// Replaces any receiver already registered on `route`; an empty receiver
// removes it.
void registerReceiver(const Route& route, Receiver receiver);
bool hasReceiver(const Route& route);
// Hands the record at `position` to the receiver of `route`. False when no
// receiver is registered on it (nothing happens then).
bool deliver(const Route& route, int position, const Record& record);

}  // namespace SearchHandBack
