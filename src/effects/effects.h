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
extern int txd1[16640], txd2[16640];
extern int tws1[126], tws2[91];
void init_lens();
void init_interference();
void init_twist();

// Each scene draws into the screen from the parameters the timeline sets.

// Sine scrollers (scrollers.cpp): the pen of each of the three lines.
extern int scrlpos1, scrlpos2, scrlpos3;
void drawscrollers();

// The picture that the lens and the rotozoomer start from (mirvcopy.cpp).
void copymirv();

// Interference (interference.cpp): the steps along the two motion paths and
// the windows' corners in the ring bitmap they give.
extern int ang1, ang2, ix1, iy1, ix2, iy2;
void drawinterference();

// Rotozoomer (rotozoomer.cpp): the angle index of the turn.
extern int roto;
void drawrotozoomer();

// Twister (twister.cpp): the twist angles at the right and the left end
// (8.8 fixed point) and the row of the bar's top.
extern int tw1, tw2, efxc;
void drawtwister();

// Lens (lens.cpp): the top-left corner of its square on the screen.
extern int lensx, lensy;
void drawlens();
