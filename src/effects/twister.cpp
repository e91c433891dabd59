// Twister: a square bar over the picture, drawn in strips 3 pixels wide,
// each strip showing the faces that look at the viewer at its twist angle.
#include <cstring>

#include "base/base.h"
#include "effects/effects.h"

int tw1, tw2, efxc;

namespace
{

// The twist spreads over the screen's width: 320 x 256.
const int twdd = 81920;

// One face of one strip at angle index a: rows ty..tyend of the bar, shaded
// down the ramp. A row below the screen is skipped but still counts down the
// ramp.
void drawface(Uint16* scr, int x, int ty, int tyend, const int* txd, int a)
{
    int txoffs = 0;
    for (int y = ty; y < tyend; y++) {
        if (efxc + y < SCREEN_H) {
            int at = x + twmult[efxc + y];
            Uint16 colour = textr[txd[txoffs * 256 + a]];
            scr[at] = colour;
            scr[at + 1] = colour;
            scr[at + 2] = colour;
        }
        txoffs++;
    }
}

} // namespace

void drawtwister()
{
    Uint16* scr = static_cast<Uint16*>(screen->pixels);
    memcpy(scr, groovy->pixels, size * sizeof(Uint16));
    // The twist angle runs from tw2 at the left end, in 8.8 fixed point, and
    // changes by (tw2 - tw1) / 320 a strip.
    int twt3 = tw2 * 256;
    const int twd = ((tw2 - tw1) * 65536) / twdd;
    for (int x = 1; x <= 317; x += 3) {
        // The tables cover a quarter turn, after which the bar looks the
        // same, so the angle wraps either way.
        int a = (twt3 >> 8) & 255;
        drawface(scr, x, ty1[a], ty2[a], txd1, a);
        drawface(scr, x, ty2[a], ty3[a], txd2, a);
        twt3 += twd;
    }
}
