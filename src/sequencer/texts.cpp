// Words laid over the scenes at fixed moments of the song, each on a keyed
// picture, and the closing word on black.
#include <cstdint>

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

// The parts of a row laid over are whole blocks of eight, of which a row
// holds a whole number.
static_assert(SCREEN_W % 8 == 0);

// The blocks of each row of a keyed picture around its pixels that are not
// the key, found at start-up for the demo's own pictures: the rest of the
// row only shows the scene, and the key written over in the blocks leaves
// the scene as it was. Any other picture is laid over whole.
struct Opaque {
    const SDL_Surface* picture = nullptr;
    int16_t first[SCREEN_H], blocks[SCREEN_H];
};
Opaque opaque[2];

void findopaque(Opaque& o, const SDL_Surface* picture)
{
    const Uint16* src = static_cast<const Uint16*>(picture->pixels);
    for (int y = 0; y < SCREEN_H; y++) {
        const Uint16* row = src + y * SCREEN_W;
        int from = 0, to = SCREEN_W;
        while (from < to && row[from] == 0xFFFF)
            from++;
        while (to > from && row[to - 1] == 0xFFFF)
            to--;
        o.first[y] = int16_t(from / 8), o.blocks[y] = int16_t((to + 7) / 8 - from / 8);
    }
    o.picture = picture;
}

} // namespace

void findkeyedrows()
{
    findopaque(opaque[0], afro);
    findopaque(opaque[1], sidekick);
}

void overlaykeyed(const SDL_Surface* picture)
{
    Uint16* dst = static_cast<Uint16*>(screen->pixels);
    const Uint16* src = static_cast<const Uint16*>(picture->pixels);
    for (const Opaque& o : opaque)
        if (o.picture == picture) {
            for (int y = 0; y < SCREEN_H; y++) {
                int at = y * SCREEN_W + o.first[y] * 8;
                raster::keyedrun(dst + at, src + at, o.blocks[y] * 8, 0xFFFF);
            }
            return;
        }
    raster::keyedrun(dst, src, SCREEN_W * SCREEN_H, 0xFFFF);
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
