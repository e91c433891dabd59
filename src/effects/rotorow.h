// One row of the rotozoomer's band and the ways of drawing it.
#pragma once

#include <SDL.h>

// Draws the 320 pixels of `row`. Column x shows pic[V * 320 - U] with
// U = ((uu + x * sn) >> 8) + 160 and V = ((vv + x * cs) >> 8) + 120, or
// black where U is outside 0..319, V outside 0..239 or the index falls
// before the picture. The picture is 320 x 240 texels in rows of 320.
using Rotorow = void (*)(Uint16* row, const Uint16* pic, int uu, int vv, int sn, int cs);

// The loop every target can run.
void rotorowplain(Uint16* row, const Uint16* pic, int uu, int vv, int sn, int cs);

#if defined(__x86_64__)
// Gathers of 16 and of 8 lanes; only for a processor that has them.
void rotorowavx512(Uint16* row, const Uint16* pic, int uu, int vv, int sn, int cs);
void rotorowavx2(Uint16* row, const Uint16* pic, int uu, int vv, int sn, int cs);
#endif

// The fastest of them this processor runs, chosen once.
Rotorow rotorowbest();
