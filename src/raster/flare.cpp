// Additive flare sprites: a 64 x 64 glow scaled to a square and added to the
// screen channel by channel, saturating.
#include <algorithm>
#include <cstdint>

#include "base/base.h"
#include "raster/addsaturated.h"
#include "raster/raster.h"

// Positions are taken in 64 bits: a flare may be asked for anywhere.
void drawflare(int x, int y, int size, unsigned char kind, int tick, SDL_Surface* target)
{
    // The flare flickers: whenever its row plus the tick count is odd, it
    // is drawn 13 pixels smaller.
    int64_t s = int64_t(size) + 10;
    if ((int64_t(y) + tick) & 1)
        s -= 13;
    if (s <= 0)
        return;
    int64_t left = x - s / 2, top = y - s / 2;
    int64_t step = 16384 / s; // texel x 256 per pixel: 64 texels over s pixels

    // Kind 1 blinks between green and yellow with the tick and the column.
    SDL_Surface* image = flare1;
    if (kind == 1 && ((int64_t(x) + tick) & 3) == 3)
        image = flare2;
    if (kind == 2)
        image = flare3;
    const Uint16* src = static_cast<const Uint16*>(image->pixels);
    Uint16* dst = static_cast<Uint16*>(target->pixels);

    // Only the visible part is visited; a pixel's texel is its distance
    // from the sprite's corner times the step, as if all were drawn. The
    // visible columns' texel columns are found once for all rows.
    int64_t x0 = std::max<int64_t>(left, 0), x1 = std::min<int64_t>(left + s, SCREEN_W);
    int64_t y0 = std::max<int64_t>(top, 0), y1 = std::min<int64_t>(top + s, SCREEN_H);
    uint8_t columns[SCREEN_W];
    for (int64_t k = 0, tu = (x0 - left) * step; k < x1 - x0; k++, tu += step)
        columns[k] = uint8_t(tu >> 8);
    for (int64_t row = y0; row < y1; row++) {
        const Uint16* line = src + ((row - top) * step >> 8) * 64;
        raster::addsaturatedrow(dst + ymult[row] + x0, line, columns, x1 - x0);
    }
}
