#pragma once
// Where a search or list dialog hands the chosen record: the screen named by
// the caller key. Each receiving screen registers, once, what it does with
// a record; the dialogs only name the key.

#include "storage/record.h"

#include <QString>

#include <functional>

namespace SearchHandBack {

using Receiver = std::function<void(int position, const Record& record)>;

// Replaces any receiver already registered under `key`; an empty receiver
// removes it.
void registerReceiver(const QString& key, Receiver receiver);
bool hasReceiver(const QString& key);
// Hands the record at `position` to the receiver of `key`. False when no
// receiver is registered under it (nothing happens then).
bool deliver(const QString& key, int position, const Record& record);

}  // namespace SearchHandBack
