// Proportional bitmap-font strings. The glyphs are cut from a font image, 16
// cells to a row, and set side by side, each advancing the pen by its width.
#include <algorithm>

#include "base/base.h"
#include "raster/raster.h"

namespace
{

// Where a font's glyphs lie in its image.
struct Font {
    const Uint16* pixels;
    const int* widths;
    int cellh;  // rows from one cell row to the next
    int rowlen; // pixels in a row of the image
    int first;  // columns and rows of a cell that are never drawn
};

// The part of a glyph that falls on the surface: `cols` x `rows` pixels
// from `src` in the font image to column tx, row ty of the surface.
struct Piece {
    const Uint16* src;
    int tx, ty, cols, rows;
};

// Back font: font pixel 0 is transparent, anything else replaces the target.
void blitback(const Font& f, const Piece& p, Uint16* dst)
{
    // Rows outside, columns inside: both the font image and the surface are
    // stored row by row.
    for (int r = 0; r < p.rows; r++)
        raster::keyedrun(dst + ymult[p.ty + r] + p.tx, p.src + r * f.rowlen, p.cols, 0);
}

// Big font: optionally XOR the glyph in, then OR in its masked bits; a font
// pixel 0 leaves the target as it was either way.
void blitbig(const Font& f, const Piece& p, Uint16* dst, int mask, int xorflag)
{
    for (int r = 0; r < p.rows; r++) {
        const Uint16* from = p.src + r * f.rowlen;
        Uint16* to = dst + ymult[p.ty + r] + p.tx;
        for (int i = 0; i < p.cols; i++) {
            Uint16 t = to[i];
            if (xorflag > 0)
                t ^= from[i];
            to[i] = Uint16(t | (from[i] & mask));
        }
    }
}

} // namespace

void drawstring(int x, int y, int mask, int xorflag, const char* text, int font,
                SDL_Surface* target)
{
    const Font f =
        font == 1 ? Font{static_cast<const Uint16*>(backfont->pixels), backfontwidth, 32, 514, 2}
                  : Font{static_cast<const Uint16*>(fontti->pixels), bigfontwidth, 45, 512, 1};
    Uint16* surface = static_cast<Uint16*>(target->pixels);
    // Every pixel outside columns 0..319 and rows 0..239 is skipped, whatever
    // the target; the bounds are worked out once per glyph rather than per
    // pixel. 64-bit, because x and y may lie anywhere.
    long long top = y;
    int gy0 = int(std::clamp<long long>(-top, f.first, f.cellh));
    int gy1 = int(std::clamp<long long>(SCREEN_H - top, gy0, f.cellh));
    long long pen = x;
    for (const char* c = text; *c; c++) {
        // Signed whatever char is, so bytes 128..255 become spaces everywhere.
        int g = static_cast<signed char>(*c) - 32;
        if (g < 0 || g > 90)
            g = 0;
        int w = f.widths[g];
        int gx0 = int(std::clamp<long long>(-pen, f.first, std::max(w, f.first)));
        int gx1 = int(std::clamp<long long>(SCREEN_W - pen, gx0, std::max(w, gx0)));
        if (gx0 < gx1 && gy0 < gy1) {
            const Uint16* cell = f.pixels + (g / 16) * f.cellh * f.rowlen + (g % 16) * 32;
            Piece p{cell + gy0 * f.rowlen + gx0, int(pen + gx0), int(top + gy0), gx1 - gx0,
                    gy1 - gy0};
            if (font == 1)
                blitback(f, p, surface);
            else
                blitbig(f, p, surface, mask, xorflag);
        }
        pen += w;
    }
}
