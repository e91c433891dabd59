// Interference circles: two windows into the ring bitmap, one colour where
// exactly one of them shows a ring, another elsewhere.
#include "base/base.h"
#include "effects/effects.h"

int ang1, ang2, ix1, iy1, ix2, iy2;

void drawinterference()
{
    Uint16* dst = static_cast<Uint16*>(screen->pixels);
    for (int y = 0; y < SCREEN_H; y++) {
        const int* a = interf + yintf[iy1 + y] + ix1;
        const int* b = interf + yintf[iy2 + y] + ix2;
        Uint16* row = dst + ymult[y];
        // Both windows stay inside the bitmap for every offset the paths
        // reach, so a row is two plain reads and a select per pixel.
        for (int x = 0; x < SCREEN_W; x++)
            row[x] = (a[x] ^ b[x]) == 1 ? 0xF300 : 0xFF65;
    }
}
