// The ring bitmap and the two motion paths of the interference scene.
#include <cmath>

#include "base/base.h"
#include "effects/effects.h"

int interf[262144];
int px0[157], py0[157], px1[105];

void init_interference()
{
    // Rings 8 cells wide around (256, 256), gaps between them of the same
    // width; the innermost disc is a gap. Every cell is taken from the rule,
    // row 0 and column 0 included.
    for (int y = 0; y < 512; y++)
        for (int x = 0; x < 512; x++) {
            int dx = x - 256, dy = y - 256;
            interf[yintf[y] + x] = fsqrt(dx * dx + dy * dy) % 16 >= 8;
        }

    // The angles start at -3.14 and step before each entry.
    double a = -3.14;
    for (int i = 0; i < 157; i++) {
        a += 0.04;
        px0[i] = static_cast<int>(sin(a) * cos(a) * 60);
        py0[i] = static_cast<int>(sin(a) * sin(a) * 60);
    }
    double b = -3.14;
    for (int i = 0; i < 105; i++) {
        b += 0.06;
        px1[i] = static_cast<int>(cos(b) * 60);
    }
}
