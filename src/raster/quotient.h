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

#if defined(__SIZEOF_INT128__) && (defined(__x86_64__) || defined(__aarch64__))
// 2^63 / d rounded up, for d from 1 to 1023: the divisors of nearly every
// span, whose two steps then cost a multiplication each instead of a
// division, where the machine multiplies 64 bits by 64 at once.
struct Reciprocals {
    uint64_t of[1024] = {};
    constexpr Reciprocals()
    {
        for (uint64_t d = 1; d < 1024; d++)
            of[d] = ((uint64_t(1) << 63) + d - 1) / d;
    }
};
inline constexpr Reciprocals reciprocals;

// n / d truncated towards zero, for |n| < 2^33 and 1 <= d: |n| times the
// reciprocal, over 2^63. That reciprocal is 2^63 / d plus e / d with e < d,
// so the product over 2^63 lies above |n| / d by less than |n| / 2^63, less
// than the 1 / d that separates it from the next whole number.
inline int64_t spanquotient(int64_t n, int64_t d)
{
    if (d >= 1024)
        return quotient(n, d);
    uint64_t sign = uint64_t(n >> 63), magnitude = (uint64_t(n) ^ sign) - sign;
    uint64_t q = uint64_t((unsigned __int128)magnitude * reciprocals.of[d] >> 63);
    return int64_t((q ^ sign) - sign);
}
#else
inline int64_t spanquotient(int64_t n, int64_t d) { return quotient(n, d); }
#endif

} // namespace raster
