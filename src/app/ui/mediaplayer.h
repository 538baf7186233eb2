#pragma once
// The media player of the desktop: Qt Multimedia's player on the default
// audio output.

#include "app/ui/services.h"

#include <memory>

std::unique_ptr<MediaPlayer> desktopMediaPlayer();
