// Painting a fitted glyph as demo lettering: a vertical colour gradient
// shared by every glyph, a one-pixel dark outline and a solid drop shadow.
// Every painted pixel stays at least one RGB565 step above black, because
// black is the transparent key once the picture is converted.
#include <algorithm>

#include "fonts.h"

namespace
{

Rgb mix(Rgb a, Rgb b, int t) // t in 0..255, from a to b
{
    return {uint8_t(a.r + (b.r - a.r) * t / 255), uint8_t(a.g + (b.g - a.g) * t / 255),
            uint8_t(a.b + (b.b - a.b) * t / 255)};
}

Rgb shade(const std::vector<Stop>& grad, double t)
{
    if (t <= grad.front().t)
        return grad.front().c;
    for (size_t i = 1; i < grad.size(); i++)
        if (t <= grad[i].t) {
            double f = (t - grad[i - 1].t) / (grad[i].t - grad[i - 1].t);
            return mix(grad[i - 1].c, grad[i].c, int(f * 255 + 0.5));
        }
    return grad.back().c;
}

// The key is 0 after conversion to RGB565, which keeps the top 5, 6 and 5
// bits: a colour below that becomes the darkest blue instead.
Rgb visible(Rgb c)
{
    if ((c.r >> 3) == 0 && (c.g >> 2) == 0 && (c.b >> 3) == 0)
        c.b = 8;
    return c;
}

} // namespace

void paintglyph(Image& img, int x, int y, const Coverage& glyph, const Look& look, const Metrics& m)
{
    // A canvas with room for the outline on every side and the shadow below
    // and to the right; canvas (1, 1) is glyph (0, 0).
    int d = look.shadowdepth;
    int cw = glyph.w + 2 + d, ch = glyph.h + 2 + d;
    auto body = [&](int cx, int cy) { return glyph.at(cx - 1, cy - 1) > 0; };
    auto solid = [&](int cx, int cy) {
        for (int j = -1; j <= 1; j++)
            for (int i = -1; i <= 1; i++)
                if (body(cx + i, cy + j))
                    return true;
        return false;
    };
    int captop = m.baseline - m.capheight;
    for (int cy = 0; cy < ch; cy++)
        for (int cx = 0; cx < cw; cx++) {
            Rgb c;
            if (body(cx, cy)) {
                Rgb g = shade(look.gradient, double(cy - 1 - captop) / m.capheight);
                c = mix(look.outline, g, glyph.at(cx - 1, cy - 1));
            } else if (solid(cx, cy)) {
                c = look.outline;
            } else {
                bool cast = false;
                for (int k = 1; k <= d && !cast; k++)
                    cast = solid(cx - k, cy - k);
                if (!cast)
                    continue;
                c = look.shadow;
            }
            img.set(x - 1 + cx, y - 1 + cy, visible(c));
        }
}

Image makefont(const Face& face, const FontSheet& s, const Metrics& m, const Look& look)
{
    Image img(s.rowlen, s.rows);
    // Glyph g = code - 32 sits in cell (g mod 16, g div 16); it may paint
    // columns first..width-1 and rows first..cellh-1 of its cell.
    for (int g = 1; g <= 90; g++) {
        int w = s.widths[g] - s.first - 2 - look.shadowdepth;
        int h = s.cellh - s.first - 2 - look.shadowdepth;
        Coverage c = fitglyph(face, g + 32, m, w, h);
        // Small capitals carry the whole gradient over their own height.
        Metrics shaded = m;
        if (m.smallcaps && g + 32 >= 'a')
            shaded.capheight = m.capheight * 4 / 5;
        paintglyph(img, (g % 16) * 32 + s.first + 1, (g / 16) * s.cellh + s.first + 1, c, look,
                   shaded);
    }
    return img;
}
