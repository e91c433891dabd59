// Full-screen 2D effects: start-up tables and the per-pixel scenes.
#pragma once

#include <cstdint>

// Integer square root (fsqrt.cpp). The int overload keeps every call on our
// integer root: with _GNU_SOURCE glibc's math.h declares a float fsqrt(double).
unsigned fsqrt(unsigned n);
inline unsigned fsqrt(int n) { return fsqrt(static_cast<unsigned>(n)); }

// Tables (lenstable.cpp, interftable.cpp, twisttable.cpp).
extern int lens[16384];
extern int interf[262144];
extern int px0[157], py0[157], px1[105];
extern int twmult[321];
extern uint16_t textr[64];
extern int ty1[256], ty2[256], ty3[256];
extern double d1[256], d2[256];
extern int txd1[16640], txd2[16640];
extern int tws1[126], tws2[91];
extern int twdd;
extern double twclr;
void init_lens();
void init_interference();
void init_twist();

// Scenes, each drawn when the pass selects it.
extern int sinuss;
void drawscrollers();    // ao -5 (scrollers.cpp)
void copymirv();         // ao -20 and -21 share it (mirvcopy.cpp)
void drawinterference(); // ao -120 (interference.cpp)
void drawrotozoomer();   // ao -21 (rotozoomer.cpp)
void drawtwister();      // ao -150 (twister.cpp)
void drawlens();         // ao -20 (lens.cpp)

// Working values of the scenes, left where the last pixel put them.
extern int c0, c1;                       // interference.cpp
extern int twt3, twd, twt2, txoffs, asd; // twister.cpp
