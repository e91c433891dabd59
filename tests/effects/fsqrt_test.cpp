// The integer square root, against a wide reference.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <type_traits>

#include "effects/effects.h"

namespace
{

uint64_t widesqrt(uint64_t n)
{
    uint64_t r = static_cast<uint64_t>(std::sqrt(static_cast<long double>(n)));
    while (r * r > n)
        r--;
    while ((r + 1) * (r + 1) <= n)
        r++;
    return r;
}

// glibc declares a float fsqrt(double) when _GNU_SOURCE is on; a call that
// lands there would change the type and round near large squares.
static_assert(std::is_same_v<decltype(fsqrt(1u)), unsigned>);
static_assert(std::is_same_v<decltype(fsqrt(1)), unsigned>);

TEST(Fsqrt, KnownValues)
{
    EXPECT_EQ(fsqrt(0u), 0u);
    EXPECT_EQ(fsqrt(3520), 59u);
    EXPECT_EQ(fsqrt(3481), 59u);
    EXPECT_EQ(fsqrt(3480), 58u);
    EXPECT_EQ(fsqrt(4096), 64u);
    EXPECT_EQ(fsqrt(4294967295u), 65535u);
    EXPECT_EQ(fsqrt(1u << 30), 32768u);
    EXPECT_EQ(fsqrt((1u << 30) - 1), 32767u);
}

TEST(Fsqrt, EverySquareAndItsNeighbours)
{
    for (unsigned k = 1; k <= 65535; k++) {
        unsigned sq = k * k;
        ASSERT_EQ(fsqrt(sq), k) << sq;
        ASSERT_EQ(fsqrt(sq - 1), k - 1) << sq - 1;
        ASSERT_EQ(fsqrt(sq + 2 * k), k) << sq + 2 * k; // (k + 1)^2 - 1
    }
}

TEST(Fsqrt, MatchesWideReferenceAtBothEnds)
{
    for (uint64_t n = 0; n < (1u << 20); n++)
        ASSERT_EQ(fsqrt(static_cast<unsigned>(n)), widesqrt(n)) << n;
    for (uint64_t n = (1ull << 32) - (1u << 20); n < (1ull << 32); n++)
        ASSERT_EQ(fsqrt(static_cast<unsigned>(n)), widesqrt(n)) << n;
}

} // namespace
