// The flare sprites: a bright core fading to pure black at the edge, so the
// additive blend leaves no square.
#include <cmath>

#include "textures.h"

Image flaresprite(int kind)
{
    const Rgb tints[3] = {{120, 255, 120}, {255, 255, 120}, {255, 90, 60}};
    Rgb c = tints[kind];
    Image img(64, 64);
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) {
            double d = std::hypot(x - 31.5, y - 31.5) / 32.0;
            double k = d >= 1 ? 0 : (1 - d) * (1 - d);
            img.set(x, y, {uint8_t(c.r * k), uint8_t(c.g * k), uint8_t(c.b * k)});
        }
    return img;
}
