// Flat and Gouraud triangle fillers.
#include "raster/raster.h"

void drawhorizline(int, int, int, int, int, int) {}
void drawfillvect(int, int, int, int, int, int) {}
void drawgourline(int, int, long, long, long, int, long, long, long) {}
void drawgouraudvect(int, int, int, int, int, int, int, int, int, int, int, int) {}
