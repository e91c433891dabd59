// Proportional bitmap-font strings.
#include "raster/raster.h"

void drawstring(int, int, int, int, const char*, int, SDL_Surface*) {}
