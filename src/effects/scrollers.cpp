// Sine scrollers: three lines of text slide right to left, each drawn flat
// into its own band of tempbuff and then copied onto the screen column by
// column, every column lowered by its own entry of a wave table.
#include <cstring>

#include "base/base.h"
#include "effects/effects.h"
#include "raster/raster.h"

int scrlpos1, scrlpos2, scrlpos3;

void drawscrollers()
{
    Uint16* band = static_cast<Uint16*>(tempbuff->pixels);
    Uint16* dst = static_cast<Uint16*>(screen->pixels);
    // Rows 0..95: three bands of 32 rows, one line of the back font each.
    memset(band, 0, 30720 * sizeof(Uint16));
    drawstring(scrlpos1, 0, 0xFFFF, 0, "REMEMBER KIDS... ", 1, tempbuff);
    drawstring(scrlpos2 + 100, 32, 0xFFFF, 0, "RELEASING UNFINISHED CRAP", 1, tempbuff);
    drawstring(scrlpos3 + 700, 64, 0xFFFF, 0, "IS BAD !", 1, tempbuff);
    int s = 0; // every frame bends the lines from the waves' first entry
    // Column by column, since each column has its own offset. Where bent
    // lines overlap, a screen row takes the upper line from a later source
    // row than the lower one, so the upper line wins.
    for (int x = 0; x < SCREEN_W; x++) {
        Uint16* to1 = dst + ymult[scrl1[s]] + x;
        Uint16* to2 = dst + ymult[scrl2[s]] + x;
        Uint16* to3 = dst + ymult[scrl3[s]] + x;
        for (int r = 0; r < 32; r++) {
            Uint16 c = band[ymult[r] + x];
            if (c)
                to1[ymult[r]] = c;
            c = band[ymult[r + 32] + x];
            if (c)
                to2[ymult[r]] = c;
            c = band[ymult[r + 64] + x];
            if (c)
                to3[ymult[r]] = c;
        }
        if (++s > 418)
            s = 0;
    }
}
