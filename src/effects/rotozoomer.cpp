// Rotozoomer: the band of rows 20..219 shows the picture turned and zoomed
// about the screen centre; the rows above and below keep the plain copy.
#include <algorithm>

#include "base/base.h"
#include "effects/effects.h"

int roto;

namespace
{

// The picture coordinates times 256, less the picture centre: u is inside
// the picture for -160 <= uu >> 8 <= 159, v for -120 <= vv >> 8 <= 119.
bool inside(int uu, int vv)
{
    return uu >= -160 * 256 && uu < 160 * 256 && vv >= -120 * 256 && vv < 120 * 256;
}

} // namespace

void drawrotozoomer()
{
    const Uint16* pic = static_cast<const Uint16*>(mirv->pixels);
    Uint16* scr = static_cast<Uint16*>(screen->pixels);
    const int sn = rotosin[roto], cs = rotocos[roto];
    for (int y = 20; y < 220; y++) {
        const int dy = y - 120;
        // The sums step by (sn, cs) along a row; the shift floors them
        // exactly as a product formed per pixel would.
        int uu = -160 * sn + dy * cs;
        int vv = -160 * cs - dy * sn;
        Uint16* row = scr + ymult[y];
        // Both sums are linear in x, so the columns inside the picture form
        // one run: black up to it and after it, found from either end.
        int x = 0, end = SCREEN_W;
        for (; x < end && !inside(uu, vv); x++, uu += sn, vv += cs)
            row[x] = 0;
        while (end > x && !inside(uu + (end - 1 - x) * sn, vv + (end - 1 - x) * cs))
            row[--end] = 0;
        // Index v * 320 - u reads row v - 1 from its right end; at v = 0 it
        // would fall before the picture, so those stay black. Only a run
        // that reaches v = 0 needs the test.
        const Uint16* centre = pic + 120 * 320 - 160;
        int last = vv + (end - 1 - x) * cs;
        if (x < end && std::min(vv, last) < -119 * 256) {
            for (; x < end; x++, uu += sn, vv += cs) {
                const int at = (vv >> 8) * 320 - (uu >> 8);
                row[x] = at >= -120 * 320 + 160 ? centre[at] : 0;
            }
        }
        for (; x < end; x++, uu += sn, vv += cs)
            row[x] = centre[(vv >> 8) * 320 - (uu >> 8)];
    }
}
