// The object scenes: the rings, and the car with its flares.
#include "scene3d/scene3d.h"

int numvert, numface, numtvert;

void drawrings() {}

void drawcar() {}
