// Fitting glyphs into their cells: every glyph advances by the same width,
// so letters are stretched towards the box and centred in it, which makes
// words read evenly spaced.
#include <algorithm>
#include <cctype>

#include "fonts.h"

namespace
{

// Columns and rows that hold any ink.
struct Ink {
    int x0, x1, y0, y1; // x1, y1 excluded
};

Ink inkof(const Coverage& c)
{
    Ink k{c.w, 0, c.h, 0};
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++)
            if (c.at(x, y)) {
                k.x0 = std::min(k.x0, x);
                k.x1 = std::max(k.x1, x + 1);
                k.y0 = std::min(k.y0, y);
                k.y1 = std::max(k.y1, y + 1);
            }
    return k;
}

} // namespace

Coverage fitglyph(const Face& face, int code, const Metrics& m, int w, int h)
{
    Coverage box(w, h);
    int px = m.px;
    if (m.smallcaps && islower(code)) {
        code = toupper(code);
        px = px * 4 / 5;
    }
    Glyph g = face.render(code, px, 1.0);
    Ink k = inkof(g.cov);
    if (k.x1 <= k.x0)
        return box; // the space
    // Letters and digits grow towards the box width; other marks keep their
    // design width. Anything too wide, or too tall, is narrowed or shrunk.
    int inkw = k.x1 - k.x0, inkh = k.y1 - k.y0;
    double grow = isalnum(code) ? m.maxstretch : 1.0;
    double sx = std::min(grow, double(w) / inkw);
    if (inkh > h) {
        px = px * h / inkh;
        sx = sx * inkh / h;
    }
    if (sx != 1.0 || px != m.px) {
        g = face.render(code, px, sx);
        k = inkof(g.cov);
        // Rounding of the stretched outline can add a column.
        while (k.x1 - k.x0 > w || k.y1 - k.y0 > h) {
            sx *= 0.97;
            g = face.render(code, px, sx);
            k = inkof(g.cov);
        }
    }
    int dx = (w - (k.x1 - k.x0)) / 2 - k.x0;
    // Sit on the baseline, unless that leaves the box: then slide in.
    int dy = m.baseline - g.top;
    dy = std::clamp(dy + k.y0, 0, h - (k.y1 - k.y0)) - k.y0;
    for (int y = k.y0; y < k.y1; y++)
        for (int x = k.x0; x < k.x1; x++)
            box.a[size_t(y + dy) * w + x + dx] = g.cov.at(x, y);
    return box;
}
