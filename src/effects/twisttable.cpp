// The twister's row table, colour ramp, face and wave tables.
#include "effects/effects.h"

int twmult[321];
uint16_t textr[64];
int ty1[256], ty2[256], ty3[256];
double d1[256], d2[256];
int txd1[16640], txd2[16640];
int tws1[126], tws2[91];
int twdd;
double twclr;

void init_twist() {}
