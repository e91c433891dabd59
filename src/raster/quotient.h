// Quotients of the rasteriser's steps: a difference over a span's width or
// over an edge's rows.
#pragma once

#include <cstdint>

namespace raster
{

// n / d truncated towards zero, for d >= 1. The steps are taken in 64 bits,
// but nearly always both fit in 32, and a 32-bit division, which truncates
// alike, costs less on either target.
inline int64_t quotient(int64_t n, int64_t d)
{
    if (n == int32_t(n) && d == int32_t(d))
        return int32_t(n) / int32_t(d);
    return n / d;
}

} // namespace raster
