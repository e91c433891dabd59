// Lens over the picture: the 128 x 128 square under the lens is grabbed into
// distlens, then every pixel of it is replaced by the one the map names.
#include <algorithm>

#include "base/base.h"
#include "effects/effects.h"

int lensx, lensy;

namespace
{

// The square is placed by flat screen index, so a column past either edge
// lands on the neighbouring row; only the first and last screen pixel bound
// it. Row j covers lens columns [lo, hi) on screen, from screen index base.
struct lensrow {
    int base, lo, hi;
};

lensrow lensrowat(int j)
{
    int base = lensx + (lensy + j) * SCREEN_W;
    return {base, std::max(0, -base), std::min(128, size - base)};
}

} // namespace

void drawlens()
{
    Uint16* scr = static_cast<Uint16*>(screen->pixels);
    Uint16* grab = static_cast<Uint16*>(distlens->pixels);
    // Pixels off screen are not grabbed: they keep what an earlier frame
    // left in distlens, and the map may still pull them onto the screen.
    for (int j = 0; j < 128; j++) {
        lensrow r = lensrowat(j);
        for (int i = r.lo; i < r.hi; i++)
            grab[j * 128 + i] = scr[r.base + i];
    }
    // Every map entry lies inside the square, so the only test is per row.
    for (int j = 0; j < 128; j++) {
        lensrow r = lensrowat(j);
        const int* map = lens + j * 128;
        for (int i = r.lo; i < r.hi; i++)
            scr[r.base + i] = grab[map[i]];
    }
}
