// The full-screen backgrounds of the drawing pass: the clear, the pictures
// copied whole, and the scrolling warp.
#include <cstring>

#include "sequencer/sequencer.h"

void clearscreen() { memset(screen->pixels, 0, size * sizeof(Uint16)); }

void copyscreen(const SDL_Surface* picture)
{
    memcpy(screen->pixels, picture->pixels, size * sizeof(Uint16));
}

// The warp picture is 256 wide and repeats across the screen; each tick
// moves it 50 pixels to the right.
void drawwarp(int ticks)
{
    const Uint16* src = static_cast<const Uint16*>(warpbg->pixels);
    Uint16* dst = static_cast<Uint16*>(screen->pixels);
    int shift = 50 * ticks;
    for (int y = 0; y < SCREEN_H; y++)
        for (int x = 0; x < SCREEN_W; x++)
            dst[y * SCREEN_W + x] = src[y * 256 + ((x - shift) & 255)];
}
