// Vertex rotation and perspective projection.
#include "scene3d/scene3d.h"

int rz[700], kx[400], ky[400];
int sinx, cosx, siny, cosy;

void calcpoints(const int*, int) {}
