// The painter's order of the faces: a permutation of face numbers, sorted
// far to near every frame, starting from the order the last frame left.
#include <utility>

#include "scene3d/scene3d.h"

int order[2500];

void resetorder()
{
    for (int i = 0; i < 2500; i++)
        order[i] = i;
}

// The sum of the depths of a face's corners: larger is farther.
static int key(const unsigned* face, int f)
{
    return rz[face[3 * f]] + rz[face[3 * f + 1]] + rz[face[3 * f + 2]];
}

// Hoare's scheme with the first entry as pivot, descending, on the key of
// each face. Both scans stop on keys equal to the pivot, so neither can
// leave the range.
static int partition(const int* keys, int lo, int hi)
{
    int pivot = keys[order[lo]];
    int i = lo - 1, j = hi + 1;
    for (;;) {
        do
            i++;
        while (keys[order[i]] > pivot);
        do
            j--;
        while (keys[order[j]] < pivot);
        if (i >= j)
            return j;
        std::swap(order[i], order[j]);
    }
}

static void sortbykey(const int* keys, int lo, int hi)
{
    // An order already sorted splits off one face per step, so plain
    // recursion would nest as deep as the mesh has faces. Recursing into the
    // smaller part and looping on the larger keeps the depth logarithmic; the
    // parts are disjoint, so the order comes out as with two recursive calls.
    while (lo < hi) {
        int p = partition(keys, lo, hi);
        if (p - lo < hi - p) {
            sortbykey(keys, lo, p);
            lo = p + 1;
        } else {
            sortbykey(keys, p + 1, hi);
            hi = p;
        }
    }
}

void quicksort(const unsigned* face, int lo, int hi)
{
    // A range of one face or none is sorted already, and reads nothing.
    if (lo >= hi)
        return;
    // The comparisons read each face's key many times over: it is summed
    // once, for the faces in the range.
    static int keys[2500];
    for (int j = lo; j <= hi; j++)
        keys[order[j]] = key(face, order[j]);
    sortbykey(keys, lo, hi);
}

void sortfaces(const unsigned* face, int count)
{
    // Skipping back from the rings to a car scene meets an order that still
    // names ring faces the car does not have: start that mesh afresh.
    for (int j = 0; j < count; j++)
        if (order[j] >= count) {
            resetorder();
            break;
        }
    quicksort(face, 0, count - 1);
}
