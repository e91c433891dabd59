// Twister: a square bar over the picture, drawn in strips 3 pixels wide,
// each strip showing the faces that look at the viewer at its twist angle.
#include <cstring>

#include "effects/effects.h"
#include "runtime/runtime.h"

int twt3, twd, twt2, txoffs, asd;

namespace
{

// One face of one strip: rows ty..tyend of the bar, shaded down the ramp.
// A row below the screen is skipped but still counts down the ramp.
void drawface(Uint16* scr, int x, int ty, int tyend, const int* txd)
{
    txoffs = 0;
    for (int y = ty; y < tyend; y++) {
        if (efxc + y <= 239) {
            asd = x + twmult[efxc + y];
            Uint16 colour = textr[txd[txoffs * 256 + twt2]];
            scr[asd] = colour;
            scr[asd + 1] = colour;
            scr[asd + 2] = colour;
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
    twt3 = tw2 * 256;
    twd = ((tw2 - tw1) * 65536) / twdd;
    for (int x = 1; x <= 317; x += 3) {
        // The tables cover a quarter turn, after which the bar looks the
        // same, so the angle wraps either way.
        twt2 = (twt3 >> 8) & 255;
        drawface(scr, x, ty1[twt2], ty2[twt2], txd1);
        drawface(scr, x, ty2[twt2], ty3[twt2], txd2);
        twt3 += twd;
    }
}
