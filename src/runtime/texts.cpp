// Words laid over the scenes at fixed moments of the song, each on a keyed
// picture, and the closing word on black.
#include "runtime/runtime.h"

void overlaykeyed(const SDL_Surface* picture)
{
    const Uint16* src = static_cast<const Uint16*>(picture->pixels);
    Uint16* dst = static_cast<Uint16*>(screen->pixels);
    for (int p = 0; p < size; p++)
        if (src[p] != 0xFFFF)
            dst[p] = src[p];
}

void drawtexts1() {}

void drawtexts2() {}
