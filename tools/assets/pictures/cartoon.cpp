#include "cartoon.h"

Fill lit(Col base, Vec c, double r)
{
    return [=](Vec p, double d) {
        Vec q = (p - c) * (1 / r);
        double t = clamp01(0.5 + 0.5 * (q.x * 0.6 + q.y * 0.8));
        // Shade hugs the lower right edge; a little rim of bounce light.
        double edge = smooth(3.0, 0.0, -d) * smooth(0.45, 0.8, t);
        return base * (1.12 - 0.3 * t - 0.18 * edge);
    };
}

void part(Canvas& cv, const Shape& sh, const Fill& fill, double line)
{
    cv.paint(sh, fill, line, ink);
}
