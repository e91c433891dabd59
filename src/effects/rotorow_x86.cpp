// The rotozoomer's row with gathers, for x86-64 processors that have them.
// Every lane tests its own point: the points inside the picture, whose
// index is not before it, read their texel; the rest are black. Columns
// that are all black skip the gather, which costs the most by far.
#include "effects/rotorow.h"

#if defined(__x86_64__)

#include <immintrin.h>

// GCC 12 warns of the undefined vector that its AVX-512 shifts and
// narrowing start from, once they are inlined here.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

// A 32-bit gather at texel i reads texels i and i + 1 and keeps the low
// half. The largest index inside the picture is 239 * 320 (V = 239, U = 0),
// so the texel after it is still inside the picture's 320 * 240.
static_assert(239 * 320 + 1 < 320 * 240);

__attribute__((target("avx512f"))) void
rotorowavx512(Uint16* __restrict row, const Uint16* __restrict pic, int uu, int vv, int sn, int cs)
{
    const __m512i lane = _mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    // U and V times 256: inside the picture when below 320 * 256 and
    // 240 * 256 as unsigned numbers.
    __m512i u = _mm512_add_epi32(_mm512_set1_epi32(uu + 160 * 256),
                                 _mm512_mullo_epi32(lane, _mm512_set1_epi32(sn)));
    __m512i v = _mm512_add_epi32(_mm512_set1_epi32(vv + 120 * 256),
                                 _mm512_mullo_epi32(lane, _mm512_set1_epi32(cs)));
    const __m512i du = _mm512_set1_epi32(16 * sn), dv = _mm512_set1_epi32(16 * cs);
    const __m512i uend = _mm512_set1_epi32(320 * 256), vend = _mm512_set1_epi32(240 * 256);
    const __m512i zero = _mm512_setzero_si512();
    for (int x = 0; x < 320; x += 16) {
        __mmask16 in = _mm512_cmplt_epu32_mask(u, uend) & _mm512_cmplt_epu32_mask(v, vend);
        const __m512i vrow = _mm512_srai_epi32(v, 8);
        const __m512i at = _mm512_sub_epi32(
            _mm512_add_epi32(_mm512_slli_epi32(vrow, 8), _mm512_slli_epi32(vrow, 6)),
            _mm512_srai_epi32(u, 8));
        in &= _mm512_cmpge_epi32_mask(at, zero);
        u = _mm512_add_epi32(u, du);
        v = _mm512_add_epi32(v, dv);
        __m256i* to = reinterpret_cast<__m256i*>(row + x);
        if (!in) {
            _mm256_storeu_si256(to, _mm256_setzero_si256());
            continue;
        }
        const __m512i texels = _mm512_mask_i32gather_epi32(zero, in, at, pic, 2);
        _mm256_storeu_si256(to, _mm512_cvtepi32_epi16(texels));
    }
}

namespace
{

// Eight columns' texels, in the low halves of the 32-bit lanes.
__attribute__((target("avx2"))) __m256i gather8(__m256i& u, __m256i& v, const __m256i du,
                                                const __m256i dv, const int* pic)
{
    const __m256i below = _mm256_set1_epi32(-1);
    const __m256i in =
        _mm256_and_si256(_mm256_and_si256(_mm256_cmpgt_epi32(u, below),
                                          _mm256_cmpgt_epi32(_mm256_set1_epi32(320 * 256), u)),
                         _mm256_and_si256(_mm256_cmpgt_epi32(v, below),
                                          _mm256_cmpgt_epi32(_mm256_set1_epi32(240 * 256), v)));
    const __m256i vrow = _mm256_srai_epi32(v, 8);
    const __m256i at =
        _mm256_sub_epi32(_mm256_add_epi32(_mm256_slli_epi32(vrow, 8), _mm256_slli_epi32(vrow, 6)),
                         _mm256_srai_epi32(u, 8));
    const __m256i use = _mm256_and_si256(in, _mm256_cmpgt_epi32(at, below));
    u = _mm256_add_epi32(u, du);
    v = _mm256_add_epi32(v, dv);
    if (_mm256_testz_si256(use, use))
        return _mm256_setzero_si256();
    const __m256i texels = _mm256_mask_i32gather_epi32(_mm256_setzero_si256(), pic, at, use, 2);
    return _mm256_and_si256(texels, _mm256_set1_epi32(0xffff));
}

} // namespace

__attribute__((target("avx2"))) void
rotorowavx2(Uint16* __restrict row, const Uint16* __restrict pic, int uu, int vv, int sn, int cs)
{
    const __m256i lane = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
    __m256i u = _mm256_add_epi32(_mm256_set1_epi32(uu + 160 * 256),
                                 _mm256_mullo_epi32(lane, _mm256_set1_epi32(sn)));
    __m256i v = _mm256_add_epi32(_mm256_set1_epi32(vv + 120 * 256),
                                 _mm256_mullo_epi32(lane, _mm256_set1_epi32(cs)));
    const __m256i du = _mm256_set1_epi32(8 * sn), dv = _mm256_set1_epi32(8 * cs);
    const int* texels = reinterpret_cast<const int*>(pic);
    for (int x = 0; x < 320; x += 16) {
        const __m256i a = gather8(u, v, du, dv, texels);
        const __m256i b = gather8(u, v, du, dv, texels);
        // The pack interleaves the two halves by 128-bit lane.
        const __m256i packed = _mm256_permute4x64_epi64(_mm256_packus_epi32(a, b), 0xd8);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(row + x), packed);
    }
}

#endif
