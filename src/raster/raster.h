// Software rasteriser: primitives writing 16-bit pixels into 320-wide surfaces.
#pragma once

#include <SDL.h>

// Texture-mapped triangle over projected vertices kx/ky (textured.cpp).
void drawtextrvect(int i1, int i2, int i3, long u1, long v1, long u2, long v2, long u3, long v3,
                   SDL_Surface* texture);
void drawtextrline(int x1, int y, long u1, long v1, int x2, long u2, long v2, SDL_Surface* texture);

// Proportional bitmap text; font 1 is the back font (font.cpp).
void drawstring(int x, int y, int mask, int xorflag, const char* text, int font,
                SDL_Surface* target);

// Additive, flickering flare centred on (x, y) of the screen (flare.cpp).
void drawflare(int x, int y, int size, unsigned char kind);

// Untextured fillers (fillers.cpp).
void drawhorizline(int x1, int x2, int y, int r, int g, int b);
void drawfillvect(int i1, int i2, int i3, int r, int g, int b);
void drawgourline(int x1, int y, long r1, long g1, long b1, int x2, long r2, long g2, long b2);
void drawgouraudvect(int i1, int i2, int i3, int r1, int g1, int b1, int r2, int g2, int b2, int r3,
                     int g3, int b3);
