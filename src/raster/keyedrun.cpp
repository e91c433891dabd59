// Runs of a picture laid over the target where they are not a key colour:
// the words' pictures (key white) and the back font's glyphs (key black).
#include "base/base.h"
#include "raster/raster.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace raster
{

// Every pixel of the run is written, the target's own value where the
// picture shows the key: a select by mask, with no branch, which the
// compiler does eight pixels at a time, where a branch on the picture's
// shape would be mispredicted at its every edge.
void keyedblocks(Uint16* __restrict to, const Uint16* __restrict from, int n, Uint16 key)
{
    auto select = [key](Uint16* __restrict t, const Uint16* __restrict f, int count) {
        for (int k = 0; k < count; k++) {
            const Uint16 keep = f[k] == key ? 0xFFFF : 0;
            t[k] = Uint16((f[k] & ~keep) | (t[k] & keep));
        }
    };
    int i = 0;
    for (; i + 8 <= n; i += 8)
        select(to + i, from + i, 8);
    select(to + i, from + i, n - i);
}

#if defined(__x86_64__)
// Thirty-two pixels at a time: the pixels that are not the key are stored
// under a mask, which also leaves out the lanes past the run.
[[gnu::target("avx512bw")]] void keyedlanes(Uint16* to, const Uint16* from, int n, Uint16 key)
{
    const __m512i keys = _mm512_set1_epi16(short(key));
    for (int i = 0; i < n; i += 32) {
        __mmask32 in = n - i >= 32 ? ~__mmask32(0) : (__mmask32(1) << (n - i)) - 1;
        __m512i s = _mm512_maskz_loadu_epi16(in, from + i);
        _mm512_mask_storeu_epi16(to + i, in & ~_mm512_cmpeq_epi16_mask(s, keys), s);
    }
}
#endif

bool runs(Keyedpath path) { return path == Keyedpath::blocks || hasavx512bw(); }

Keyedpath keyedruns = runs(Keyedpath::lanes) ? Keyedpath::lanes : Keyedpath::blocks;

} // namespace raster
