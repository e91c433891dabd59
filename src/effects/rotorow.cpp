// The rotozoomer's row in plain C++, and the choice of the row routine.
#include "effects/rotorow.h"

#include <algorithm>

namespace
{

// n / d rounded down, for d > 0.
int floordiv(int n, int d) { return n >= 0 ? n / d : -((d - 1 - n) / d); }

// Narrows the columns from..to - 1 to those where lo <= a + x * s < hi, a
// sum that starts at a and steps by s a column; none left is 0..-1.
void narrow(int a, int s, int lo, int hi, int& from, int& to)
{
    int first = 0, last = -1;
    if (s > 0) {
        first = floordiv(lo - a + s - 1, s);
        last = floordiv(hi - 1 - a, s);
    } else if (s < 0) {
        first = floordiv(a - hi, -s) + 1;
        last = floordiv(a - lo, -s);
    } else if (a >= lo && a < hi) {
        first = from;
        last = to - 1;
    }
    from = std::max(from, first);
    to = std::min(to, last + 1);
    if (to <= from)
        from = to = 0;
}

Rotorow pick()
{
#if defined(__x86_64__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f"))
        return rotorowavx512;
    if (__builtin_cpu_supports("avx2"))
        return rotorowavx2;
#endif
    return rotorowplain;
}

} // namespace

void rotorowplain(Uint16* __restrict row, const Uint16* __restrict pic, int uu, int vv, int sn,
                  int cs)
{
    // The sums are picture coordinates times 256, less the picture centre:
    // u is inside the picture for -160 <= uu >> 8 <= 159, v for -120 <=
    // vv >> 8 <= 119. Both are linear in x, so the columns inside the
    // picture form one run: black before it and after it.
    int x = 0, end = 320;
    narrow(uu, sn, -160 * 256, 160 * 256, x, end);
    narrow(vv, cs, -120 * 256, 120 * 256, x, end);
    std::fill(row, row + x, 0);
    std::fill(row + end, row + 320, 0);
    uu += x * sn;
    vv += x * cs;
    // Index v * 320 - u reads row v - 1 from its right end; at v = 0 it
    // would fall before the picture, so those stay black. Only a run that
    // reaches v = 0 needs the test.
    const Uint16* centre = pic + 120 * 320 - 160;
    int last = vv + (end - 1 - x) * cs;
    if (x < end && std::min(vv, last) < -119 * 256) {
        for (; x < end; x++, uu += sn, vv += cs) {
            const int at = (vv >> 8) * 320 - (uu >> 8);
            row[x] = at >= -120 * 320 + 160 ? centre[at] : 0;
        }
    }
    for (; x < end; x++, uu += sn, vv += cs)
        row[x] = centre[(vv >> 8) * 320 - (uu >> 8)];
}

Rotorow rotorowbest()
{
    static const Rotorow best = pick();
    return best;
}
