// What the textured and the Gouraud triangles share: the corner sort, the
// edge set-up and the two walkers that scan the rows (the back-face test,
// which scenes use too, is in raster.h).
//
// Screen positions are 24.8 fixed point held in 64 bits, so that corners
// millions of pixels away neither overflow nor cost more than visible ones.
// The interpolated values (texture u, v or colour r, g, b, each with 8
// fractional bits) are 32-bit words: an interpolation never leaves the
// interval between its two ends, so their true values always fit in 32 bits
// and only a step may need wrapping arithmetic to get there.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>

#include "base/base.h"
#include "raster/quotient.h"

namespace raster
{

// A corner's row, whether the corners or pointers to them are sorted.
template <class C> auto rowof(const C& c) { return c.y; }
template <class C> auto rowof(const C* c) { return c->y; }

// Sorts three corners top first by two rounds of fixed exchanges. The
// comparisons are strict, so corners on one row keep their order.
template <class C> void sortcorners(C& c1, C& c2, C& c3)
{
    for (int round = 0; round < 2; round++) {
        if (rowof(c2) < rowof(c1))
            std::swap(c1, c2);
        if (rowof(c3) < rowof(c2))
            std::swap(c2, c3);
        if (rowof(c3) < rowof(c1))
            std::swap(c1, c3);
    }
}

// A corner in 24.8 screen position with N interpolated values.
template <int N> struct Corner {
    int64_t x, y;
    uint32_t t[N];
};

// The steps along one edge per row: x in 24.8, the values in their own unit.
// A flat edge has no steps.
template <int N> struct Edge {
    int64_t dx = 0;
    uint32_t dt[N] = {};

    Edge(const Corner<N>& j, const Corner<N>& k)
    {
        int64_t d = k.y - j.y;
        if (d <= 0)
            return;
        // Corners on whole pixels are a whole number of rows apart: then
        // n * 256 / d is n over the rows, a division of small numbers.
        auto perrow = [d](int64_t n) { return d % 256 ? n * 256 / d : quotient(n, d / 256); };
        dx = perrow(k.x - j.x);
        for (int i = 0; i < N; i++)
            dt[i] = uint32_t(perrow(int64_t(int32_t(k.t[i])) - int32_t(j.t[i])));
    }
};

// A point that runs down one edge. k rows are stepped as one multiplication:
// x stays exact in 64 bits and the values wrap as k additions would.
template <int N> struct Walker {
    int64_t x;
    uint32_t t[N];
    const Edge<N>* e;

    void step(int64_t k)
    {
        x += k * e->dx;
        for (int i = 0; i < N; i++)
            t[i] += uint32_t(k) * e->dt[i];
    }
};

// Walks rows row up to end - 1 (whole pixels) and hands the visible ones to
// span(row, column of a, values of a, column of b, values of b). Rows above
// the screen are stepped over in one jump; past the bottom the walk stops,
// since nothing below can show.
template <int N, class Span>
void scanrows(int64_t& row, int64_t end, Walker<N>& a, Walker<N>& b, Span& span)
{
    if (row < 0) {
        int64_t k = std::min(-row, end - row);
        a.step(k);
        b.step(k);
        row += k;
    }
    for (int64_t last = std::min<int64_t>(end, SCREEN_H); row < last; row++) {
        span(int(row), int(a.x >> 8), a.t, int(b.x >> 8), b.t);
        a.step(1);
        b.step(1);
    }
}

// Scans the triangle of three corners, in argument order, as two halves
// split at the middle corner's row: rows y1 to y3 - 1.
template <int N, class Span> void scantriangle(Corner<N> c1, Corner<N> c2, Corner<N> c3, Span span)
{
    sortcorners(c1, c2, c3);
    Edge<N> e12(c1, c2), e13(c1, c3), e23(c2, c3);

    // The walker on the long edge 1->3 goes the whole height; the other one
    // takes 1->2, then restarts exactly at corner 2 and takes 2->3. Walker a
    // is on the long edge when corner 2 lies to its right.
    Walker<N> a{c1.x, {}, &e12}, b{c1.x, {}, &e13};
    std::copy(c1.t, c1.t + N, a.t);
    std::copy(c1.t, c1.t + N, b.t);
    if (e12.dx > e13.dx)
        std::swap(a.e, b.e);
    Walker<N>& side = a.e == &e12 ? a : b;

    int64_t row = c1.y >> 8;
    scanrows(row, c2.y >> 8, a, b, span);
    side.x = c2.x;
    std::copy(c2.t, c2.t + N, side.t);
    side.e = &e23;
    scanrows(row, c3.y >> 8, a, b, span);
}

} // namespace raster
