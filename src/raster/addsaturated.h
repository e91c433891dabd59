// Additive blending of RGB565 pixels, each channel held at its top.
#pragma once

#include <cstdint>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace raster
{

// All three channels in one sum. Half of each channel's sum, formed without
// the channels' low bits so nothing crosses into a neighbour, has its top bit
// set exactly when that channel overflows (bits 15, 10 and 4). The carries
// it sent into the next channel (bits 16, 11 and 5) are taken back and the
// overflowed channels filled with ones: bits 11-15 and 0-4 are the carry bit
// less the one five places down, the green bits 5-10 need the one six down.
// Only the low 16 bits of the result count, and the right shifts see no
// higher bits, so the words may be wider than the pixel or 16-bit lanes.
// The sum is taken into `a`, by reference, so that words of any width pass
// through no call as values (512-bit ones may only where the caller and the
// callee are both compiled for AVX-512).
template <class W> [[gnu::always_inline]] inline void addsaturatedinto(W& a, const W& b)
{
    W over = ((a & b) + (((a ^ b) & 0xF7DE) >> 1)) & 0x8410;
    W full = ((over << 1) - (over >> 4)) | ((over >> 5) & 0x20);
    a = (a + b - (over << 1)) | full;
}

template <class W> inline W addsaturatedwords(W a, W b)
{
    addsaturatedinto(a, b);
    return a;
}

inline uint16_t addsaturated(uint16_t d, uint16_t f)
{
    return uint16_t(addsaturatedwords<uint32_t>(d, f));
}

// Vectors of eight 16-bit lanes, where the machine has them.
#if defined(__SSE2__) || defined(__ARM_NEON) || defined(__wasm_simd128__)
#define RASTER_LANES 1
typedef uint16_t Lanes __attribute__((vector_size(16)));

// Adds eight texels onto the eight pixels from `out` on.
inline void addlanes(uint16_t* out, Lanes f)
{
    Lanes d;
    memcpy(&d, out, sizeof d);
    d = addsaturatedwords<Lanes>(d, f);
    memcpy(out, &d, sizeof d);
}
#endif

// Adds one texel onto one pixel; black adds nothing and is skipped.
inline void addtexel(uint16_t* out, uint16_t f)
{
    if (f)
        *out = addsaturated(*out, f);
}

// Adds n consecutive texels onto `out`: eight at a time where the machine
// has vectors, otherwise one by one.
inline void addsaturatedrun(uint16_t* out, const uint16_t* texels, int64_t n)
{
    int64_t i = 0;
#if RASTER_LANES
    for (; i + 8 <= n; i += 8) {
        Lanes f;
        memcpy(&f, texels + i, sizeof f);
        addlanes(out + i, f);
    }
#endif
    for (; i < n; i++)
        addtexel(out + i, texels[i]);
}

#if defined(__x86_64__)
// The same thirty-two at a time, for a processor with AVX-512BW: the last
// few under a mask, whose lanes past the run neither read nor write.
[[gnu::target("avx512bw")]] inline void addsaturatedrunwide(uint16_t* out, const uint16_t* texels,
                                                            int64_t n)
{
    typedef uint16_t Wide __attribute__((vector_size(64)));
    for (int64_t i = 0; i < n; i += 32) {
        __mmask32 in = n - i >= 32 ? ~__mmask32(0) : (__mmask32(1) << (n - i)) - 1;
        Wide d = Wide(_mm512_maskz_loadu_epi16(in, out + i));
        Wide f = Wide(_mm512_maskz_loadu_epi16(in, texels + i));
        addsaturatedinto(d, f);
        _mm512_mask_storeu_epi16(out + i, in, __m512i(d));
    }
}
#endif

// Adds n texels of one row of a picture onto `out`, the k-th pixel taking
// the texel in column columns[k]: eight at a time in one vector where the
// machine has them (the texels go straight into its lanes), otherwise one
// by one.
inline void addsaturatedrow(uint16_t* out, const uint16_t* line, const uint8_t* columns, int64_t n)
{
    int64_t i = 0;
#if RASTER_LANES
    for (; i + 8 <= n; i += 8) {
        const uint8_t* c = columns + i;
        addlanes(out + i, Lanes{line[c[0]], line[c[1]], line[c[2]], line[c[3]], line[c[4]],
                                line[c[5]], line[c[6]], line[c[7]]});
    }
#endif
    for (; i < n; i++)
        addtexel(out + i, line[columns[i]]);
}

} // namespace raster
