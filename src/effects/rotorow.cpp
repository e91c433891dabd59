// The rotozoomer's row in plain C++, and the choice of the row routine.
#include "effects/rotorow.h"

#include <algorithm>

namespace
{

// The sums are picture coordinates times 256, less the picture centre: u is
// inside the picture for -160 <= uu >> 8 <= 159, v for -120 <= vv >> 8 <= 119.
bool inside(int uu, int vv)
{
    return uu >= -160 * 256 && uu < 160 * 256 && vv >= -120 * 256 && vv < 120 * 256;
}

Rotorow pick()
{
#if defined(__x86_64__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw"))
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
    // Both sums are linear in x, so the columns inside the picture form one
    // run: black up to it and after it, found from either end.
    int x = 0, end = 320;
    for (; x < end && !inside(uu, vv); x++, uu += sn, vv += cs)
        row[x] = 0;
    while (end > x && !inside(uu + (end - 1 - x) * sn, vv + (end - 1 - x) * cs))
        row[--end] = 0;
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
