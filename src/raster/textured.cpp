// Texture-mapped triangles.
#include "raster/raster.h"

void drawtextrvect(int, int, int, long, long, long, long, long, long, SDL_Surface*) {}

void drawtextrline(int, int, long, long, int, long, long, SDL_Surface*) {}
