// Software rasteriser: primitives that take screen coordinates and a target
// surface, 320 pixels wide, and write 16-bit pixels into it. They know no
// scene.
#pragma once

#include <SDL.h>

// A corner on the screen, in whole pixels, with the texture coordinates it
// carries (8 fractional bits; unused by the fillers).
struct Corner2 {
    int x, y;
    long u = 0, v = 0;
};

// Texture-mapped triangle: affine mapping of a 256 x 256 texture; corners
// running counter-clockwise on the screen face away (textured.cpp).
void drawtextrvect(Corner2 c1, Corner2 c2, Corner2 c3, const SDL_Surface* texture,
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
