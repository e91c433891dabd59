// The screen and the two work surfaces.
#include "base/base.h"

SDL_Surface* screen;
int size = SCREEN_W * SCREEN_H;

// Made during static initialisation, before main and before SDL_Init: a
// software surface needs no video subsystem. The masks play no part; only
// the 16-bit pixel arrays are used.
SDL_Surface* distlens = SDL_CreateRGBSurface(0, 128, 128, 16, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
SDL_Surface* tempbuff =
    SDL_CreateRGBSurface(0, SCREEN_W, SCREEN_H, 16, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
