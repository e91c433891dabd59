#include "canvas.h"

#include <algorithm>

Col Ramp::operator()(double t) const
{
    if (t <= stops.front().at)
        return stops.front().c;
    for (size_t i = 1; i < stops.size(); i++)
        if (t < stops[i].at) {
            const Stop &a = stops[i - 1], &b = stops[i];
            return mix(a.c, b.c, (t - a.at) / (b.at - a.at));
        }
    return stops.back().c;
}

Canvas::Canvas(int width, int height, int samples)
    : w(width), h(height), s(samples), c(size_t(width) * height * samples * samples, Col{0, 0, 0}),
      cover(c.size(), 0.0f)
{
}

void Canvas::each(const std::function<Col(Vec)>& f)
{
    int sw = w * s, sh = h * s;
    for (int j = 0; j < sh; j++)
        for (int i = 0; i < sw; i++) {
            c[size_t(j) * sw + i] = f(at(i, j));
            cover[size_t(j) * sw + i] = 1;
        }
}

void Canvas::tint(const std::function<Col(Vec, Col)>& f)
{
    int sw = w * s, sh = h * s;
    for (int j = 0; j < sh; j++)
        for (int i = 0; i < sw; i++) {
            Col& p = c[size_t(j) * sw + i];
            p = f(at(i, j), p);
        }
}

namespace
{

// The sample rows and columns that may lie within `grow` of the shape.
struct Span {
    int i0, i1, j0, j1;
};

Span span(const Canvas& cv, const Shape& sh, double grow)
{
    int sw = cv.w * cv.s, shh = cv.h * cv.s;
    Span r;
    r.i0 = std::max(0, int(std::floor((sh.x0 - grow) * cv.s)));
    r.i1 = std::min(sw, int(std::ceil((sh.x1 + grow) * cv.s)) + 1);
    r.j0 = std::max(0, int(std::floor((sh.y0 - grow) * cv.s)));
    r.j1 = std::min(shh, int(std::ceil((sh.y1 + grow) * cv.s)) + 1);
    return r;
}

} // namespace

void Canvas::paint(const Shape& sh, const Fill& fill, double line, Col ink)
{
    int sw = w * s;
    Span r = span(*this, sh, line + 1);
    for (int j = r.j0; j < r.j1; j++)
        for (int i = r.i0; i < r.i1; i++) {
            Vec p = at(i, j);
            double d = sh.d(p);
            if (d >= line)
                continue;
            size_t k = size_t(j) * sw + i;
            c[k] = d < 0 ? fill(p, d) : ink;
            cover[k] = 1;
        }
}

void Canvas::glaze(const Shape& sh, const Fill& fill,
                   const std::function<double(Vec, double)>& alpha)
{
    int sw = w * s;
    Span r = span(*this, sh, 1);
    for (int j = r.j0; j < r.j1; j++)
        for (int i = r.i0; i < r.i1; i++) {
            Vec p = at(i, j);
            double d = sh.d(p);
            if (d >= 0)
                continue;
            size_t k = size_t(j) * sw + i;
            c[k] = mix(c[k], fill(p, d), clamp01(alpha(p, d)));
        }
}

Canvas Canvas::resolve() const
{
    Canvas out(w, h, 1);
    int sw = w * s;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            Col all{0, 0, 0}, painted{0, 0, 0};
            int n = 0;
            for (int j = 0; j < s; j++)
                for (int i = 0; i < s; i++) {
                    size_t k = size_t(y * s + j) * sw + x * s + i;
                    all = all + c[k];
                    if (cover[k] > 0) {
                        painted = painted + c[k];
                        n++;
                    }
                }
            size_t o = size_t(y) * w + x;
            out.c[o] = n ? painted * (1.0 / n) : all * (1.0 / (s * s));
            out.cover[o] = float(n) / float(s * s);
        }
    return out;
}
