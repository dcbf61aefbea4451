#pragma once

// Picks the player the main window embeds: the platform's media player control where it can
// be trusted, else our own DirectShow player.

#include <windows.h>

#include <memory>

#include "player/MediaPlayer.h"

namespace quavlet::player {

// Wine's ntdll exports wine_get_version; Windows' does not.
bool RunningOnWine();

// The media player control hosted in `host` (filling it), or, under Wine (whose control
// crashes on web addresses and reports no status) or where the control is missing or
// reports no status, our own DirectShow player; either behind the AddressGate, since song
// addresses come from the network. nullptr only if neither can be made.
std::unique_ptr<MediaPlayer> CreatePlatformPlayer(HWND host);

}  // namespace quavlet::player
