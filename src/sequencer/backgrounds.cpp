// The full-screen backgrounds of the drawing pass: the clear, the pictures
// copied whole, and the scrolling warp.
#include <algorithm>
#include <cstring>

#include "sequencer/sequencer.h"

void clearscreen() { memset(screen->pixels, 0, size * sizeof(Uint16)); }

void copyscreen(const SDL_Surface* picture)
{
    memcpy(screen->pixels, picture->pixels, size * sizeof(Uint16));
}

// The warp picture is 256 wide and repeats across the screen; each tick
// moves it 50 pixels to the right. Screen column x shows picture column
// (x - 50 ticks) mod 256, so a row is the picture's row from one column on,
// wrapped: two or three copies. (They go to the library's copy: the
// compiler's own inline one for a memcpy of bounded size is slow on short
// unaligned rows.)
void drawwarp(int ticks)
{
    const Uint16* src = static_cast<const Uint16*>(warpbg->pixels);
    Uint16* dst = static_cast<Uint16*>(screen->pixels);
    const int first = int((0u - 50u * unsigned(ticks)) & 255);
    for (int y = 0; y < SCREEN_H; y++) {
        const Uint16* from = src + y * 256;
        Uint16* to = dst + y * SCREEN_W;
        for (int x = 0, column = first; x < SCREEN_W; x += 256 - column, column = 0)
            std::copy_n(from + column, std::min(256 - column, SCREEN_W - x), to + x);
    }
}
