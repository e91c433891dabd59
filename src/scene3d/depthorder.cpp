// The painter's order of the faces: a permutation sorted far to near.
#include "scene3d/scene3d.h"

int order[2500];

void resetorder()
{
    for (int i = 0; i < 2500; i++)
        order[i] = i;
}

void quicksort(const unsigned*, int, int) {}

int partition(const unsigned*, int lo, int) { return lo; }
