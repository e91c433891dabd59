// Additive flare sprites: a 64 x 64 glow scaled to a square and added to the
// screen channel by channel, saturating.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "base/base.h"
#include "raster/addsaturated.h"
#include "raster/raster.h"

namespace
{

// Glows scaled to a size, kept from one call to the next: flares come back at
// the same few sizes frame after frame, and a scaled glow is added row by row
// from consecutive texels, with no texel to look up. A glow is scaled the
// second time its picture and size are asked for, so that sizes that change
// every frame cost no more than before. It is found again by its size and the
// address of its picture, and only used if it was scaled from the same texels
// as the picture holds now.
const int64_t KEPTSIZE = 80; // the largest side kept
const int KEPT = 8;

struct Scaled {
    int64_t s = 0; // 0: a free place
    const Uint16* picture = nullptr;
    bool ready = false; // scaled, not only asked for once
    Uint16 source[64 * 64];
    Uint16 texels[KEPTSIZE * KEPTSIZE];
};

// Taken from the heap at the first flare: placed among the static tables,
// these 164 KiB moved them and slowed scenes that draw no flare by up to 15 %.
std::vector<Scaled> kept;
int nextkept;

// The glow of `src` scaled to s x s with `step`, if it has been asked for
// before; nullptr the first time.
const Uint16* scaled(const Uint16* src, int64_t s, int64_t step)
{
    if (s > KEPTSIZE)
        return nullptr;
    if (kept.empty())
        kept.resize(KEPT);
    Scaled* e = nullptr;
    for (Scaled& k : kept)
        if (k.s == s && k.picture == src && memcmp(k.source, src, sizeof k.source) == 0) {
            e = &k;
            break;
        }
    if (!e) {
        e = &kept[nextkept];
        nextkept = (nextkept + 1) % KEPT;
        e->s = s, e->picture = src, e->ready = false;
        memcpy(e->source, src, sizeof e->source);
        return nullptr;
    }
    if (!e->ready) {
        for (int64_t r = 0; r < s; r++)
            for (int64_t c = 0; c < s; c++)
                e->texels[r * s + c] = src[(r * step >> 8) * 64 + (c * step >> 8)];
        e->ready = true;
    }
    return e->texels;
}

#if defined(__x86_64__)
// Whether the kept glows are added thirty-two pixels at a time.
const bool wide = raster::hasavx512bw();
#endif

} // namespace

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
    if (x0 >= x1 || y0 >= y1)
        return;
    if (const Uint16* glow = scaled(src, s, step)) {
        for (int64_t row = y0; row < y1; row++) {
            Uint16* out = dst + ymult[row] + x0;
            const Uint16* texels = glow + (row - top) * s + (x0 - left);
#if defined(__x86_64__)
            if (wide) {
                raster::addsaturatedrunwide(out, texels, x1 - x0);
                continue;
            }
#endif
            raster::addsaturatedrun(out, texels, x1 - x0);
        }
        return;
    }
    uint8_t columns[SCREEN_W];
    for (int64_t k = 0, tu = (x0 - left) * step; k < x1 - x0; k++, tu += step)
        columns[k] = uint8_t(tu >> 8);
    for (int64_t row = y0; row < y1; row++) {
        const Uint16* line = src + ((row - top) * step >> 8) * 64;
        raster::addsaturatedrow(dst + ymult[row] + x0, line, columns, x1 - x0);
    }
}
