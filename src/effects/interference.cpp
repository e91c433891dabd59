// Interference circles: two windows into the ring bitmap, one colour where
// exactly one of them shows a ring, another elsewhere.
#include "effects/effects.h"
#include "runtime/runtime.h"

int c0, c1;

void drawinterference()
{
    Uint16* dst = static_cast<Uint16*>(screen->pixels);
    for (int y = 0; y < 240; y++) {
        const int* a = interf + yintf[iy1 + y] + ix1;
        const int* b = interf + yintf[iy2 + y] + ix2;
        Uint16* row = dst + ymult[y];
        // Both windows stay inside the bitmap for every offset the paths
        // reach, so a row is two plain reads and a select per pixel.
        for (int x = 0; x < 320; x++) {
            c0 = a[x] ^ b[x];
            c1 = c0 == 1 ? 0xF300 : 0xFF65;
            row[x] = static_cast<Uint16>(c1);
        }
    }
}
