// The opening of the drawing pass: the clear and the full-screen pictures of
// the blank, logo, 1988, car fly-in and car warp scenes.
#include <cstring>

#include "runtime/runtime.h"

namespace
{

Uint16* pixels(SDL_Surface* s) { return static_cast<Uint16*>(s->pixels); }

void copyscreen(SDL_Surface* picture)
{
    memcpy(screen->pixels, picture->pixels, size * sizeof(Uint16));
}

// The warp picture is 256 wide and repeats across the screen; each tick
// moves it 50 pixels to the right.
void drawwarp()
{
    const Uint16* src = pixels(warpbg);
    Uint16* dst = pixels(screen);
    // Unsigned: only the low 8 bits count, and framepierr may be anything.
    unsigned shift = 50u * static_cast<unsigned>(framepierr);
    for (int y = 0; y < 240; y++)
        for (unsigned x = 0; x < 320; x++)
            dst[y * 320 + x] = src[y * 256 + ((x - shift) & 255)];
}

} // namespace

void drawbackgrounds()
{
    if (clearr != 0)
        memset(screen->pixels, 0, size * sizeof(Uint16));
    if (ao == -101)
        copyscreen(quorvastlogo);
    if (ao == -106)
        copyscreen(logo1988);
    if (ao == -104)
        copyscreen(greenbg);
    if (ao == -105)
        drawwarp();
}
