// Software rasteriser: primitives that take screen coordinates and a target
// surface, 320 pixels wide, and write 16-bit pixels into it. They know no
// scene.
#pragma once

#include <SDL.h>

#include <cstdint>

// A corner on the screen, in whole pixels, with the texture coordinates it
// carries (8 fractional bits; unused by the fillers).
struct Corner2 {
    int x, y;
    long u = 0, v = 0;
};

namespace raster
{

// The sign of a product of two factors of up to 33 bits, and its magnitude,
// which fits in 64 bits.
struct Product {
    bool negative;
    uint64_t magnitude;
};

inline uint64_t magnitude(int64_t a) { return a < 0 ? 0 - uint64_t(a) : uint64_t(a); }

inline Product multiply(int64_t a, int64_t b)
{
    uint64_t m = magnitude(a) * magnitude(b);
    return {m != 0 && (a < 0) != (b < 0), m};
}

inline bool less(Product p, Product q)
{
    if (p.negative != q.negative)
        return p.negative;
    return p.negative ? p.magnitude > q.magnitude : p.magnitude < q.magnitude;
}

// Faces whose corners run counter-clockwise on the screen (rows grow
// downwards) look away: the triangles draw nothing of them, and a scene may
// drop them before it gathers their texture corners. The cross product of
// two coordinate differences needs 66 bits, so its sign comes from comparing
// its two products.
inline bool facesaway(const Corner2& c1, const Corner2& c2, const Corner2& c3)
{
    int64_t x1 = c1.x, y1 = c1.y;
    // Corners within 2^30 of the origin, as on and around the screen, give
    // differences below 2^31 and a cross product that fits in 64 bits.
    auto near = [](const Corner2& c) {
        return uint64_t(int64_t(c.x) + (1 << 30)) < (uint64_t(1) << 31) &&
               uint64_t(int64_t(c.y) + (1 << 30)) < (uint64_t(1) << 31);
    };
    if (near(c1) && near(c2) && near(c3))
        return (c2.x - x1) * (c3.y - y1) < (c3.x - x1) * (c2.y - y1);
    Product p = multiply(c2.x - x1, c3.y - y1);
    Product q = multiply(c3.x - x1, c2.y - y1);
    return less(p, q);
}

// How a textured triangle near the screen draws its rows: a texel at a
// time, or, on x86-64 with AVX-512 (F, BW, VL and DQ), set up eight or
// sixteen rows at once and queued, then drawn eight texels at a time,
// gathered and stored under a mask. The pixels are the same. `texturespans`
// starts as the fastest this processor runs; the tests set each that `runs`
// in turn.
enum class Spanpath { plain, queued, queuedwide };
extern Spanpath texturespans;
bool runs(Spanpath path);

// Whether this processor has AVX-512BW, for the runs of 16-bit pixels
// thirty-two lanes at a time (processor.cpp); never on other than x86-64.
bool hasavx512bw();

// The n pixels from `from` that are not `key` copied over those from `to`
// (keyedrun.cpp): eight at a time, or, on x86-64 with AVX-512BW, thirty-two
// under a mask. `keyedruns` starts as the fastest this processor runs; the
// tests set each that `runs` in turn.
enum class Keyedpath { blocks, lanes };
extern Keyedpath keyedruns;
bool runs(Keyedpath path);
void keyedblocks(Uint16* to, const Uint16* from, int n, Uint16 key);
void keyedlanes(Uint16* to, const Uint16* from, int n, Uint16 key);
inline void keyedrun(Uint16* to, const Uint16* from, int n, Uint16 key)
{
#if defined(__x86_64__)
    if (keyedruns == Keyedpath::lanes) {
        keyedlanes(to, from, n, key);
        return;
    }
#endif
    keyedblocks(to, from, n, key);
}

} // namespace raster

// Texture-mapped triangle: affine mapping of a 256 x 256 texture; corners
// running counter-clockwise on the screen face away (textured.cpp).
void drawtextrvect(Corner2 c1, Corner2 c2, Corner2 c3, const SDL_Surface* texture,
                   SDL_Surface* target);
// Triangles drawn in turn, each as drawtextrvect draws it: `count` triples
// of corners from `corners` on. One call for a whole mesh saves a call and
// the set-up of the row walk per face.
void drawtextrvects(const Corner2* corners, int count, const SDL_Surface* texture,
                    SDL_Surface* target);
void drawtextrline(int x1, int y, long u1, long v1, int x2, long u2, long v2,
                   const SDL_Surface* texture, SDL_Surface* target);

// Proportional bitmap text; font 1 is the back font (font.cpp).
void drawstring(int x, int y, int mask, int xorflag, const char* text, int font,
                SDL_Surface* target);

// Additive flare centred on (x, y); it flickers with `tick`, the count of
// clock ticks modulo 21 (flare.cpp).
void drawflare(int x, int y, int size, unsigned char kind, int tick, SDL_Surface* target);

// Untextured fillers (fillers.cpp). A colour's green and blue make the
// pixel's upper and lower byte; red would fall outside the 16 bits, so there
// is none.
void drawhorizline(int x1, int x2, int y, int g, int b, SDL_Surface* target);
void drawfillvect(Corner2 c1, Corner2 c2, Corner2 c3, int g, int b, SDL_Surface* target);
void drawgourline(int x1, int y, long g1, long b1, int x2, long g2, long b2, SDL_Surface* target);
void drawgouraudvect(Corner2 c1, Corner2 c2, Corner2 c3, int g1, int b1, int g2, int b2, int g3,
                     int b3, SDL_Surface* target);
