// Rotozoomer: the band of rows 20..219 shows the picture turned and zoomed
// about the screen centre; the rows above and below keep the plain copy.
#include "base/base.h"
#include "effects/effects.h"

int roto;

void drawrotozoomer()
{
    const Uint16* pic = static_cast<const Uint16*>(mirv->pixels);
    Uint16* scr = static_cast<Uint16*>(screen->pixels);
    const int sn = rotosin[roto], cs = rotocos[roto];
    for (int y = 20; y < 220; y++) {
        const int dy = y - 120;
        // The picture coordinates, times 256, step by (sn, cs) along a row;
        // the shift floors them exactly as a product formed per pixel would.
        int uu = -160 * sn + dy * cs;
        int vv = -160 * cs - dy * sn;
        Uint16* row = scr + ymult[y];
        for (int x = 0; x < SCREEN_W; x++, uu += sn, vv += cs) {
            const int u = (uu >> 8) + 160, v = (vv >> 8) + 120;
            Uint16 c = 0;
            // Index v*320 - u reads row v - 1 from its right end; at v = 0
            // it would fall before the picture, so those stay black like
            // every other point that maps outside it.
            if (u >= 0 && u < SCREEN_W && v >= 0 && v < SCREEN_H && tmult[v] >= u)
                c = pic[tmult[v] - u];
            row[x] = c;
        }
    }
}
