// Words laid over the scenes at fixed moments of the song, each on a keyed
// picture, and the closing word on black.
#include <cstring>

#include "raster/raster.h"
#include "sequencer/sequencer.h"

namespace
{

struct Words {
    int x, y;
    const char* text;
};

// One timed message: while lo < demotime <= hi, its picture over the scene
// and its words over the picture.
struct Message {
    int lo, hi;
    SDL_Surface* const* picture;
    Words words[2];
};

void show(const Message& m)
{
    if (demotime <= m.lo || demotime > m.hi)
        return;
    overlaykeyed(*m.picture);
    for (const Words& w : m.words)
        if (w.text)
            drawstring(w.x, w.y, 0xFFFF, 0, w.text, 1, screen);
}

// Over the car.
const Message first[] = {
    {400, 450, &afro, {{155, 100, "LETS"}, {155, 140, "GO !"}}},
    {460, 510, &sidekick, {{20, 90, "YEAH"}, {}}},
};

// Over the effects, in this order: where two windows overlap, the later
// message is drawn over the earlier one.
const Message second[] = {
    {1500, 1570, &afro, {{135, 100, "I FEEL"}, {145, 140, "SICK"}}},
    {1600, 1660, &sidekick, {{10, 90, "ME TOO"}, {}}},
    {2200, 2250, &afro, {{155, 100, "THATS"}, {155, 140, "NICE"}}},
    {2270, 2340, &sidekick, {{20, 90, "CUTE"}, {30, 125, "ONE"}}},
    {3000, 3050, &afro, {{95, 160, "TWISTED"}, {}}},
    {3070, 3130, &sidekick, {{20, 90, "LIKE"}, {10, 125, "SISTER"}}},
    {2600, 2720, &sidekick, {{20, 90, "WHOAH"}, {}}},
    {2700, 2820, &sidekick, {{20, 90, "3D"}, {10, 125, "SHIT"}}},
};

// Every pixel is written, the scene's own back where the key shows it: a
// select by mask, with no branch, over a whole screen of pixels of two
// pictures that do not overlap, which the compiler does many at a time.
void keyed(Uint16* __restrict dst, const Uint16* __restrict src)
{
    for (int p = 0; p < SCREEN_W * SCREEN_H; p++) {
        const Uint16 key = src[p] == 0xFFFF ? 0xFFFF : 0;
        dst[p] = Uint16((src[p] & ~key) | (dst[p] & key));
    }
}

} // namespace

void overlaykeyed(const SDL_Surface* picture)
{
    keyed(static_cast<Uint16*>(screen->pixels), static_cast<const Uint16*>(picture->pixels));
}

void drawtexts1()
{
    for (const Message& m : first)
        show(m);
}

void drawclosing()
{
    clearscreen();
    drawstring(80, 90, 0xFFFF, 0, "SORRY", 1, screen);
}

void drawtexts2()
{
    for (const Message& m : second)
        show(m);
}
