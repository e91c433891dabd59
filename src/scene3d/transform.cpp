// Vertex rotation and perspective projection: two table rotations, then a
// pinhole camera with a focal length of 256 pixels, all in integers.
#include <cstdint>

#include "base/base.h"
#include "scene3d/scene3d.h"

int xr, yr, offsetx, offsety, offsetz;
int rz[700], kx[400], ky[400];

void calcpoints(const int* vert, int count)
{
    const int sinx = sini[xr], cosx = kosi[xr], siny = sini[yr], cosy = kosi[yr];
    // Every product is shifted on its own before it is summed: the floors of
    // the shifts are part of the pixels.
    for (int i = 0; i < count; i++) {
        int x = vert[3 * i], y = vert[3 * i + 1], z = vert[3 * i + 2];
        int a = ((cosx * z) >> 8) + ((sinx * y) >> 8);
        int b = ((cosx * y) >> 8) - ((sinx * z) >> 8);
        int p = ((cosy * x) >> 8) + ((siny * b) >> 8);
        int q = ((cosy * b) >> 8) - ((siny * x) >> 8);
        rz[i] = q >> 8;
        // Skipping back into the car's windows keeps the rings on screen with
        // the eye at -100, inside them: a depth of 0 is taken as 1, a
        // negative one mirrors the point, and the sums are widened because a
        // tiny depth blows the quotient past 32 bits (the >> 8 brings it back).
        int d = q - 256 * offsetz;
        if (d == 0)
            d = 1;
        kx[i] = int((int64_t(p * 65536 / d) + 256 * offsetx) >> 8);
        ky[i] = int((int64_t(a * 65536 / d) + 256 * offsety) >> 8);
    }
}
