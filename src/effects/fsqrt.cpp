// Integer square root, one binary digit of the root per step.
#include <utility>

#include "effects/effects.h"

namespace
{

// `root` holds twice the root found so far. Digit N fits when the remainder
// still covers (2 root + 2^N) 2^N, the growth of the square from adding it.
template <unsigned N> inline void rootdigit(unsigned& n, unsigned& root)
{
    unsigned trial = (root + (1u << N)) << N;
    if (n >= trial) {
        n -= trial;
        root |= 2u << N;
    }
}

template <unsigned... K> inline unsigned unrolled(unsigned n, std::integer_sequence<unsigned, K...>)
{
    unsigned root = 0;
    (rootdigit<15 - K>(n, root), ...);
    return root >> 1;
}

} // namespace

// Sixteen fixed steps of shifts, adds and compares, from digit 15 down.
unsigned fsqrt(unsigned n) { return unrolled(n, std::make_integer_sequence<unsigned, 16>{}); }
