// Texture-mapped triangles: affine mapping of a 256 x 256 texture, no
// lighting, no depth, every texel hit copied as it is.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/base.h"
#include "raster/quotient.h"
#include "raster/raster.h"
#include "raster/triangle.h"

#if defined(__x86_64__)
#include <immintrin.h>

// GCC 12 warns of the undefined vector that its AVX-512 conversions start
// from, once they are inlined here.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#endif

namespace
{

// One row of texels from column x1 to x2 of the row that starts at `dst`.
// Texture coordinates are taken as 32-bit words whatever the width of long,
// so both builds draw the same pixels. A triangle's rows are drawn here
// directly, so that its few pixels a row cost no call. Columns are counted
// in I: 64 bits take any ends, 32 bits those of a walk near the origin.
template <class I>
[[gnu::always_inline]] inline void texturespan(Uint16* dst, const Uint16* tex, int x1, int32_t u1,
                                               int32_t v1, int x2, int32_t u2, int32_t v2)
{
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(u1, u2);
        std::swap(v1, v2);
    }
    // The ends are interpolated values: as 32-bit signed numbers they are
    // exact, and so is their difference in 64 bits. Dividing by the width
    // gives the same quotient as the texel x 256 over pixel x 256 ratio.
    I width = I(x2) - x1;
    uint32_t u = uint32_t(u1), v = uint32_t(v1), du = 0, dv = 0;
    if (width > 0) {
        du = uint32_t(raster::spanquotient(int64_t(u2) - u1, width));
        dv = uint32_t(raster::spanquotient(int64_t(v2) - v1, width));
    }
    // Equal ends still draw their one pixel. Columns left of the screen are
    // stepped over in one jump; the span stops at the right edge.
    I end = std::min<I>(std::max<I>(x2, I(x1) + 1), SCREEN_W);
    I x = x1;
    if (x < 0) {
        uint32_t k = uint32_t(-x);
        u += k * du;
        v += k * dv;
        x = 0;
    }
    // The texel of (u, v) is ((u >> 8) - (v >> 8) * 256) mod 65536, that is
    // bits 8 to 23 of u less bits 8 to 15 of v where they stand. Only those
    // low bits take part, so both go in one word that one addition steps:
    // v's low 16 bits at the bottom, u from bit 25 up. A span has at most
    // 320 pixels, so the carries out of v, one a step at most, stay in the
    // nine bits between and never reach u.
    uint64_t uv = uint64_t(u) << 25 | (v & 0xFFFF), step = uint64_t(du) << 25 | (dv & 0xFFFF);
    for (Uint16 *p = dst + x, *stop = dst + end; p < stop; p++) {
        *p = tex[((uv >> 33) - (uv & 0xFF00)) & 0xFFFF];
        uv += step;
    }
}

// One side of a triangle on the screen, walked down its rows: where it is,
// x in 24.8, and its texture coordinates, with their steps per row. The
// coordinates share one 64-bit word, u above v, v lifted by 2^31: a side
// only ever walks from one corner towards the next, so its v stays between
// the two corners' 32-bit values, the lifted v in the low 32 bits, and the
// word is exactly u * 2^32 + v + 2^31 (modulo 2^64, where the steps wrap).
// Two registers a side instead of four keep the walk in registers.
struct Side {
    int32_t x, dx;
    uint64_t uv, duv;

    void step(int32_t k)
    {
        x += k * dx;
        uv += uint64_t(uint32_t(k)) * duv;
    }
    int32_t u() const { return int32_t(uint32_t(uv >> 32)); }
    int32_t v() const { return int32_t(uint32_t(uv) ^ 0x80000000u); }
};

// The steps per row of the side from corner j down to corner k: x in 24.8,
// u and v in their own unit. A flat side has none. Corners on whole pixels
// are a whole number of rows apart.
struct Sidesteps {
    int32_t dx = 0;
    int64_t du = 0, dv = 0;
};

Sidesteps sidesteps(const Corner2& j, const Corner2& k)
{
    Sidesteps d;
    int32_t rows = k.y - j.y;
    if (rows > 0) {
        d.dx = (k.x - j.x) * 256 / rows;
        d.du = raster::quotient(int64_t(int32_t(k.u)) - int32_t(j.u), rows);
        d.dv = raster::quotient(int64_t(int32_t(k.v)) - int32_t(j.v), rows);
    }
    return d;
}

// The side from corner j down to corner k, starting at j.
Side side(const Corner2& j, const Corner2& k)
{
    Sidesteps d = sidesteps(j, k);
    return {j.x * 256, d.dx, uint64_t(uint32_t(j.u)) << 32 | (uint32_t(j.v) ^ 0x80000000u),
            (uint64_t(d.du) << 32) + uint64_t(d.dv)};
}

// Rows row up to end - 1 between sides a and b, as the general walk takes
// them: rows above the screen stepped over in one jump, none past the
// bottom.
[[gnu::always_inline]] inline void siderows(int32_t& row, int32_t end, Side& a, Side& b,
                                            Uint16* dst, const Uint16* tex)
{
    if (row < 0) {
        int32_t k = std::min(-row, end - row);
        a.step(k);
        b.step(k);
        row += k;
    }
    for (int32_t last = std::min<int32_t>(end, SCREEN_H); row < last; row++) {
        texturespan<int32_t>(dst + ymult[row], tex, a.x >> 8, a.u(), a.v(), b.x >> 8, b.u(), b.v());
        a.step(1);
        b.step(1);
    }
}

// Within 2^22 pixels of the origin, as every corner on and around the
// screen is, a position in 24.8 fits in 32 bits, and so does every place and
// step of the walk, which stays between the corners.
bool nearorigin(const Corner2& c)
{
    return uint32_t(c.x) + (1u << 22) < (1u << 23) && uint32_t(c.y) + (1u << 22) < (1u << 23);
}

// The walk of the general rasteriser, in 32-bit numbers, for corners near
// the origin: the same corner sort (of pointers here, cheaper to swap) and
// edges, the same rows.
[[gnu::always_inline]] inline void scannear(const Corner2* c1, const Corner2* c2, const Corner2* c3,
                                            Uint16* dst, const Uint16* tex)
{
    raster::sortcorners(c1, c2, c3);
    // Side a is the long edge 1->3 when corner 2 lies to its right; the
    // other side takes 1->2, then 2->3.
    Side a = side(*c1, *c2), b = side(*c1, *c3);
    bool longa = a.dx > b.dx;
    if (longa)
        std::swap(a, b);
    int32_t row = c1->y;
    siderows(row, c2->y, a, b, dst, tex);
    (longa ? b : a) = side(*c2, *c3);
    siderows(row, c3->y, a, b, dst, tex);
}

#if defined(__x86_64__)
// The same walk a block of rows at a time, for a processor with AVX-512:
// eight rows in 256-bit vectors, or sixteen in 512-bit ones. The places and
// steps of a block's rows are worked out side by side: stepping a side k
// rows adds k times its step, so each row's place follows from the corner
// the side starts at with one multiplication, and a block needs no branch
// where the short side turns nor where a row's ends swap. The rows then
// wait in a queue, and the rows of many triangles are drawn in one loop,
// eight texels at a time, which spares each block a mispredicted loop end.
#define AVX512 gnu::target("avx2,avx512f,avx512bw,avx512vl,avx512dq")

// Up to eight texels of a row at once: lane k takes u + k du and v + k dv,
// whose bits 8 to 23 and 8 to 15, all that the texel's place uses, are
// those of the one-by-one steps. Each lane gathers the aligned pair of
// texels that holds its own (so no read leaves the texture) and shifts it
// out; the first n lanes are stored.
[[AVX512]] inline void eighttexels(Uint16* dst, unsigned n, uint32_t u, uint32_t v, uint32_t du,
                                   uint32_t dv, const Uint16* tex)
{
    const __m256i k = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
    __m256i us = _mm256_add_epi32(_mm256_set1_epi32(int(u)),
                                  _mm256_mullo_epi32(k, _mm256_set1_epi32(int(du))));
    __m256i vs = _mm256_add_epi32(_mm256_set1_epi32(int(v)),
                                  _mm256_mullo_epi32(k, _mm256_set1_epi32(int(dv))));
    __m256i at = _mm256_and_si256(
        _mm256_sub_epi32(_mm256_srli_epi32(us, 8), _mm256_and_si256(vs, _mm256_set1_epi32(0xFF00))),
        _mm256_set1_epi32(0xFFFF));
    __m256i pair =
        _mm256_i32gather_epi32(reinterpret_cast<const int*>(tex), _mm256_srli_epi32(at, 1), 4);
    __m256i odd = _mm256_slli_epi32(_mm256_and_si256(at, _mm256_set1_epi32(1)), 4);
    __m128i texels = _mm256_cvtepi32_epi16(_mm256_srlv_epi32(pair, odd));
    _mm_mask_storeu_epi16(dst, __mmask8((1u << n) - 1), texels);
}

// A side in 32-bit words from corner j down to corner k: x in 24.8 and u, v
// at row y, with their steps per row. Only the low 32 bits of the texture
// steps count: u wraps as the shared word's upper half does, and v, which
// stays between the corners, comes out exact.
struct Rowside {
    int32_t y, x, dx;
    uint32_t u, du, v, dv;
};

Rowside rowside(const Corner2& j, const Corner2& k)
{
    Sidesteps d = sidesteps(j, k);
    return {j.y, j.x * 256, d.dx, uint32_t(j.u), uint32_t(d.du), uint32_t(j.v), uint32_t(d.dv)};
}

// N lanes of 32-bit words, signed and not, and of doubles and 64-bit
// words to divide them in.
template <int N> struct Lanes {
    typedef int32_t I __attribute__((vector_size(4 * N)));
    typedef uint32_t U __attribute__((vector_size(4 * N)));
    typedef double D __attribute__((vector_size(8 * N)));
    typedef int64_t L __attribute__((vector_size(8 * N)));
};

// Where a side stands on N rows.
template <int N> struct Rowplaces {
    typename Lanes<N>::U x, u, v;
};

template <int N>
[[AVX512, gnu::always_inline]] inline Rowplaces<N> places(const Rowside& s,
                                                          typename Lanes<N>::U rows)
{
    typename Lanes<N>::U k = rows - uint32_t(s.y);
    return {uint32_t(s.x) + k * uint32_t(s.dx), s.u + k * s.du, s.v + k * s.dv};
}

// (b - a) / width truncated, in 32-bit words, for 32-bit signed numbers and
// widths of at least 1. The difference, below 2^33, is exact as a double,
// and so is the truncated quotient: it lies at least 1 / width from the next
// whole number unless it is one, and the rounding of the division moves it
// by less than |b - a| / 2^53 / width.
template <int N>
[[AVX512, gnu::always_inline]] inline typename Lanes<N>::U
spansteps(typename Lanes<N>::I a, typename Lanes<N>::I b, typename Lanes<N>::I width)
{
    using D = typename Lanes<N>::D;
    D n = __builtin_convertvector(b, D) - __builtin_convertvector(a, D);
    auto q = __builtin_convertvector(n / __builtin_convertvector(width, D), typename Lanes<N>::L);
    return __builtin_convertvector(q, typename Lanes<N>::U);
}

// Rows set up and waiting to be drawn, in the walk's order: where each
// starts on the screen, its number of pixels, its texture place there and
// its steps. A few kilobytes, so they are read back from the first cache.
struct Rowqueue {
    static constexpr int capacity = 256;
    int n = 0;
    int32_t start[capacity], count[capacity];
    uint32_t u[capacity], v[capacity], du[capacity], dv[capacity];
};
Rowqueue queue;

// Draws the queued rows, eight pixels at a time; a row is rarely longer, so
// the inner loop's end is rarely mispredicted. An empty row stores nothing.
[[AVX512]] inline void drawqueued(Uint16* dst, const Uint16* tex)
{
    for (int k = 0; k < queue.n; k++) {
        Uint16* p = dst + queue.start[k];
        uint32_t u = queue.u[k], v = queue.v[k], du = queue.du[k], dv = queue.dv[k];
        unsigned left = unsigned(queue.count[k]);
        for (; left > 8; left -= 8, p += 8, u += 8 * du, v += 8 * dv)
            eighttexels(p, 8, u, v, du, dv, tex);
        eighttexels(p, left, u, v, du, dv, tex);
    }
    queue.n = 0;
}

// Queues the rows of a triangle near the origin, N at a time, drawing the
// queue first when it has no room for a block.
template <int N>
[[AVX512]] inline void queuerows(const Corner2* c1, const Corner2* c2, const Corner2* c3,
                                 Uint16* dst, const Uint16* tex)
{
    using I = typename Lanes<N>::I;
    using U = typename Lanes<N>::U;
    raster::sortcorners(c1, c2, c3);
    Rowside s12 = rowside(*c1, *c2), s13 = rowside(*c1, *c3), s23 = rowside(*c2, *c3);
    bool longa = s12.dx > s13.dx;
    U lanes;
    for (int k = 0; k < N; k++)
        lanes[k] = uint32_t(k);
    for (int32_t top = std::max(c1->y, 0), end = std::min(c3->y, SCREEN_H); top < end; top += N) {
        U rows = uint32_t(top) + lanes;
        // The long side from corner 1 to 3 and the short one, 1 to 2 above
        // corner 2's row and 2 to 3 from it on; a is the left one.
        I lower = I(rows) >= c2->y;
        Rowplaces<N> full = places<N>(s13, rows), upper = places<N>(s12, rows),
                     below = places<N>(s23, rows);
        Rowplaces<N> part{lower ? below.x : upper.x, lower ? below.u : upper.u,
                          lower ? below.v : upper.v};
        const Rowplaces<N>& a = longa ? full : part;
        const Rowplaces<N>& b = longa ? part : full;
        // Each row's span as texturespan takes it: the ends in order, the
        // steps over the width, the columns left of the screen stepped over.
        I xa = I(a.x) >> 8, xb = I(b.x) >> 8;
        I swap = xa > xb;
        I u1 = I(swap ? b.u : a.u), u2 = I(swap ? a.u : b.u);
        I v1 = I(swap ? b.v : a.v), v2 = I(swap ? a.v : b.v);
        I x1 = swap ? xb : xa, x2 = swap ? xa : xb;
        I wide = x2 > x1, width = wide ? x2 - x1 : 1;
        U du = wide ? spansteps<N>(u1, u2, width) : 0;
        U dv = wide ? spansteps<N>(v1, v2, width) : 0;
        I last = wide ? x2 : x1 + 1;
        last = last < SCREEN_W ? last : SCREEN_W;
        I x = x1 > 0 ? x1 : 0, count = last - x;
        U skipped = U(x - x1), u = U(u1) + skipped * du, v = U(v1) + skipped * dv;
        I start = I(rows * uint32_t(SCREEN_W)) + x;
        count = count > 0 ? count : 0;
        // The block's lanes are stored whole; those past the triangle's
        // last row are overwritten by the next block queued.
        if (queue.n > Rowqueue::capacity - N)
            drawqueued(dst, tex);
        int at = queue.n;
        memcpy(queue.start + at, &start, sizeof start);
        memcpy(queue.count + at, &count, sizeof count);
        memcpy(queue.u + at, &u, sizeof u);
        memcpy(queue.v + at, &v, sizeof v);
        memcpy(queue.du + at, &du, sizeof du);
        memcpy(queue.dv + at, &dv, sizeof dv);
        queue.n += std::min(end - top, N);
    }
}
#endif

// Any triangle, through the general rasteriser's walk in 64 bits.
[[gnu::noinline]] void scanfar(const Corner2* c, Uint16* dst, const Uint16* tex)
{
    auto corner = [](const Corner2& c) {
        return raster::Corner<2>{
            int64_t(c.x) * 256, int64_t(c.y) * 256, {uint32_t(c.u), uint32_t(c.v)}};
    };
    auto span = [tex, dst](int row, int xa, const uint32_t* a, int xb, const uint32_t* b) {
        texturespan<int64_t>(dst + ymult[row], tex, xa, int32_t(a[0]), int32_t(a[1]), xb,
                             int32_t(b[0]), int32_t(b[1]));
    };
    raster::scantriangle(corner(c[0]), corner(c[1]), corner(c[2]), span);
}

// The triangles of `count` corner triples in turn, in one loop: a mesh's
// faces cost no call each, and the walk's constants are set up once.
void scanallplain(const Corner2* c, int count, Uint16* dst, const Uint16* tex)
{
    for (; count > 0; count--, c += 3) {
        if (raster::facesaway(c[0], c[1], c[2]))
            continue;
        if (nearorigin(c[0]) && nearorigin(c[1]) && nearorigin(c[2]))
            scannear(&c[0], &c[1], &c[2], dst, tex);
        else
            scanfar(c, dst, tex);
    }
}

#if defined(__x86_64__)
// The same through the queue of rows, N at a time, with every step of it
// inlined here; a far triangle is drawn after the rows queued before it.
template <int N>
[[AVX512, gnu::flatten]] void scanallqueued(const Corner2* c, int count, Uint16* dst,
                                            const Uint16* tex)
{
    for (; count > 0; count--, c += 3) {
        if (raster::facesaway(c[0], c[1], c[2]))
            continue;
        if (nearorigin(c[0]) && nearorigin(c[1]) && nearorigin(c[2])) {
            queuerows<N>(&c[0], &c[1], &c[2], dst, tex);
        } else {
            drawqueued(dst, tex);
            scanfar(c, dst, tex);
        }
    }
    drawqueued(dst, tex);
}
#endif

// Sixteen rows at a time, but for Intel processors, whose clock drops for
// 512-bit work and which drew the rings slower in 512-bit vectors.
raster::Spanpath fastest()
{
    using raster::Spanpath;
#if defined(__x86_64__)
    if (raster::runs(Spanpath::queued)) {
        __builtin_cpu_init();
        return __builtin_cpu_is("intel") ? Spanpath::queued : Spanpath::queuedwide;
    }
#endif
    return Spanpath::plain;
}

} // namespace

namespace raster
{

Spanpath texturespans = fastest();

bool runs(Spanpath path)
{
#if defined(__x86_64__)
    if (path == Spanpath::queued || path == Spanpath::queuedwide) {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("avx512f") &&
               __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl") &&
               __builtin_cpu_supports("avx512dq");
    }
#endif
    return path == Spanpath::plain;
}

} // namespace raster

void drawtextrvect(Corner2 c1, Corner2 c2, Corner2 c3, const SDL_Surface* texture,
                   SDL_Surface* target)
{
    const Corner2 c[3] = {c1, c2, c3};
    drawtextrvects(c, 1, texture, target);
}

void drawtextrvects(const Corner2* corners, int count, const SDL_Surface* texture,
                    SDL_Surface* target)
{
    const Uint16* tex = static_cast<const Uint16*>(texture->pixels);
    Uint16* dst = static_cast<Uint16*>(target->pixels);
#if defined(__x86_64__)
    if (raster::texturespans == raster::Spanpath::queued) {
        scanallqueued<8>(corners, count, dst, tex);
        return;
    }
    if (raster::texturespans == raster::Spanpath::queuedwide) {
        scanallqueued<16>(corners, count, dst, tex);
        return;
    }
#endif
    scanallplain(corners, count, dst, tex);
}

void drawtextrline(int x1, int y, long u1, long v1, int x2, long u2, long v2,
                   const SDL_Surface* texture, SDL_Surface* target)
{
    texturespan<int64_t>(static_cast<Uint16*>(target->pixels) + ymult[y],
                         static_cast<const Uint16*>(texture->pixels), x1, int32_t(u1), int32_t(v1),
                         x2, int32_t(u2), int32_t(v2));
}
