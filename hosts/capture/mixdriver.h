// libmikmod through a driver of our own: nothing plays, the caller pulls
// the software mixer's output sample by sample as the virtual clock runs.
#pragma once

#include <mikmod.h>

#include <string>

constexpr int mixrate = 44100; // stereo sample frames a second, 16-bit

// Registers the driver and the IT loader, starts libmikmod with the demo's
// settings (64 voices, software music), loads zel.it with the library's
// loadmodule() and starts the song. Returns "" or the demo's own line for
// what failed.
std::string openmusic();

// Mixes the next `frames` stereo sample frames into `out` (interleaved
// left, right); the player advances its rows as the mix passes them.
void mixmusic(short* out, int frames);

void closemusic(MODULE* module);
