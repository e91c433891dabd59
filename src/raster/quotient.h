// Exact quotients of the rasteriser's steps without a division where the
// divisor is a span's width.
#pragma once

#include <array>
#include <cstdint>

namespace raster
{

// 2^34 / d rounded up, for d from 1 to 1024. For 0 <= n < 2^24 and such d,
// n * m / 2^34 = n / d + n * e / (d * 2^34) with e = m * d - 2^34 < d, and
// n * e < 2^34 keeps the extra below the quotient's next whole number: the
// product's top bits are exactly the quotient, and it fits in 64 bits.
inline constexpr std::array<uint64_t, 1025> reciprocals = [] {
    std::array<uint64_t, 1025> m{};
    for (uint64_t d = 1; d <= 1024; d++)
        m[d] = ((uint64_t(1) << 34) + d - 1) / d;
    return m;
}();

// n / d truncated towards zero, as the division gives it, for d >= 1.
inline int64_t quotient(int64_t n, int64_t d)
{
    uint64_t m = n < 0 ? 0 - uint64_t(n) : uint64_t(n);
    if (m < (uint64_t(1) << 24) && d <= 1024) {
        int64_t q = int64_t(m * reciprocals[d] >> 34);
        return n < 0 ? -q : q;
    }
    return n / d;
}

} // namespace raster
