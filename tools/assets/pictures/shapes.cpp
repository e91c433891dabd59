#include "shapes.h"

#include <algorithm>
#include <limits>

namespace
{

// Turns p into the frame of a shape centred at c and turned by angle.
Vec local(Vec p, Vec c, double cs, double sn)
{
    Vec q = p - c;
    return {q.x * cs + q.y * sn, -q.x * sn + q.y * cs};
}

double segdist(Vec p, Vec a, Vec b)
{
    Vec pa = p - a, ba = b - a;
    double t = std::clamp(dot(pa, ba) / std::max(dot(ba, ba), 1e-12), 0.0, 1.0);
    return len(pa - ba * t);
}

} // namespace

Shape circle(Vec c, double r)
{
    return {[=](Vec p) { return len(p - c) - r; }, c.x - r, c.y - r, c.x + r, c.y + r};
}

Shape ellipse(Vec c, double rx, double ry, double angle)
{
    double cs = std::cos(angle), sn = std::sin(angle), m = std::max(rx, ry);
    return {[=](Vec p) {
                Vec q = local(p, c, cs, sn);
                double k0 = len({q.x / rx, q.y / ry});
                double k1 = len({q.x / (rx * rx), q.y / (ry * ry)});
                return k1 > 0 ? k0 * (k0 - 1) / k1 : -std::min(rx, ry);
            },
            c.x - m, c.y - m, c.x + m, c.y + m};
}

Shape rbox(Vec c, double hx, double hy, double r, double angle)
{
    double cs = std::cos(angle), sn = std::sin(angle), m = len({hx, hy});
    return {[=](Vec p) {
                Vec q = local(p, c, cs, sn);
                double dx = std::abs(q.x) - hx + r, dy = std::abs(q.y) - hy + r;
                double out = len({std::max(dx, 0.0), std::max(dy, 0.0)});
                return out + std::min(std::max(dx, dy), 0.0) - r;
            },
            c.x - m, c.y - m, c.x + m, c.y + m};
}

Shape capsule(Vec a, Vec b, double r)
{
    return {[=](Vec p) { return segdist(p, a, b) - r; }, std::min(a.x, b.x) - r,
            std::min(a.y, b.y) - r, std::max(a.x, b.x) + r, std::max(a.y, b.y) + r};
}

Shape polygon(const std::vector<Vec>& pts)
{
    double x0 = pts[0].x, y0 = pts[0].y, x1 = x0, y1 = y0;
    for (Vec v : pts) {
        x0 = std::min(x0, v.x), y0 = std::min(y0, v.y);
        x1 = std::max(x1, v.x), y1 = std::max(y1, v.y);
    }
    return {[pts](Vec p) {
                double d = std::numeric_limits<double>::max();
                bool inside = false;
                for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
                    Vec a = pts[j], b = pts[i];
                    d = std::min(d, segdist(p, a, b));
                    // Even-odd crossing test along +x.
                    if ((a.y > p.y) != (b.y > p.y) &&
                        p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
                        inside = !inside;
                }
                return inside ? -d : d;
            },
            x0, y0, x1, y1};
}

Shape blob(const std::vector<Vec>& pts)
{
    std::vector<Vec> curve;
    size_t n = pts.size();
    for (size_t i = 0; i < n; i++) {
        Vec a = (pts[i] + pts[(i + 1) % n]) * 0.5, b = pts[(i + 1) % n];
        Vec c = (pts[(i + 1) % n] + pts[(i + 2) % n]) * 0.5;
        for (int k = 0; k < 12; k++) {
            double t = k / 12.0;
            curve.push_back(a * ((1 - t) * (1 - t)) + b * (2 * t * (1 - t)) + c * (t * t));
        }
    }
    return polygon(curve);
}

std::vector<Vec> bezier(Vec a, Vec b, Vec c, Vec d, int n)
{
    std::vector<Vec> out;
    for (int k = 0; k <= n; k++) {
        double t = double(k) / n, u = 1 - t;
        out.push_back(a * (u * u * u) + b * (3 * u * u * t) + c * (3 * u * t * t) +
                      d * (t * t * t));
    }
    return out;
}

Shape stroke(Vec a, Vec b, Vec c, Vec d, double r0, double r1)
{
    std::vector<Vec> pts = bezier(a, b, c, d, 24);
    double m = std::max(r0, r1);
    double x0 = pts[0].x, y0 = pts[0].y, x1 = x0, y1 = y0;
    for (Vec v : pts) {
        x0 = std::min(x0, v.x), y0 = std::min(y0, v.y);
        x1 = std::max(x1, v.x), y1 = std::max(y1, v.y);
    }
    return {[=](Vec p) {
                double best = std::numeric_limits<double>::max();
                int n = int(pts.size()) - 1;
                for (int k = 0; k < n; k++) {
                    Vec pa = p - pts[k], ba = pts[k + 1] - pts[k];
                    double t = std::clamp(dot(pa, ba) / std::max(dot(ba, ba), 1e-12), 0.0, 1.0);
                    double r = r0 + (r1 - r0) * (k + t) / n;
                    best = std::min(best, len(pa - ba * t) - r);
                }
                return best;
            },
            x0 - m, y0 - m, x1 + m, y1 + m};
}

Shape unite(const Shape& a, const Shape& b)
{
    return {[=](Vec p) { return std::min(a.d(p), b.d(p)); }, std::min(a.x0, b.x0),
            std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Shape intersect(const Shape& a, const Shape& b)
{
    return {[=](Vec p) { return std::max(a.d(p), b.d(p)); }, std::max(a.x0, b.x0),
            std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

Shape subtract(const Shape& a, const Shape& b)
{
    return {[=](Vec p) { return std::max(a.d(p), -b.d(p)); }, a.x0, a.y0, a.x1, a.y1};
}

Shape grow(const Shape& a, double r)
{
    return {[=](Vec p) { return a.d(p) - r; }, a.x0 - r, a.y0 - r, a.x1 + r, a.y1 + r};
}
