// The lens displacement map: a glass sphere of radius 64 seen from above,
// cut to the disc where it is at least 24 deep.
#include "effects/effects.h"

int lens[16384];

// Each entry names the pixel of the 128 x 128 square that the lens shows at
// that position. Inside the rim the source offset is the screen offset
// scaled by 24 / depth, so the centre magnifies 64/24 times and the rim not
// at all; outside it every pixel shows itself.
void init_lens()
{
    const int r = 64;
    const double k = 24.0;
    const int h = fsqrt(r * r - static_cast<int>(k * k)); // 59
    for (int y = -64; y < 64; y++)
        for (int x = -64; x < 64; x++) {
            int sx = x, sy = y;
            if (x * x + y * y < h * h) {
                unsigned z = fsqrt(r * r - x * x - y * y);
                sx = static_cast<int>(x * k / z);
                sy = static_cast<int>(y * k / z);
            }
            lens[(y + 64) * 128 + (x + 64)] = (sy + 64) * 128 + (sx + 64);
        }
}
