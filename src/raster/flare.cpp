// Additive flare sprites.
#include "raster/raster.h"

void drawflare(int, int, int, unsigned char) {}
