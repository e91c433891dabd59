// The object scenes: the interlinked rings over psyke, and the car with the
// flares on its six light points.
#include <cstring>

#include "raster/raster.h"
#include "runtime/runtime.h"
#include "scene3d/scene3d.h"

int numvert, numface, numtvert;

// Far to near, each face with the (u, v) of its texture corners as stored;
// the rasteriser drops the faces turned away.
static void drawfaces(const unsigned* face, const unsigned* tface, const int* tvert,
                      SDL_Surface* texture)
{
    for (int j = 0; j < numface; j++) {
        int f = order[j];
        const int* a = &tvert[3 * tface[3 * f]];
        const int* b = &tvert[3 * tface[3 * f + 1]];
        const int* c = &tvert[3 * tface[3 * f + 2]];
        drawtextrvect(face[3 * f], face[3 * f + 1], face[3 * f + 2], a[0], a[1], b[0], b[1], c[0],
                      c[1], texture);
    }
}

void drawrings()
{
    numvert = 385, numface = 769, numtvert = 778;
    memcpy(screen->pixels, psyke->pixels, size * sizeof(Uint16));
    calcpoints(vert2torus, numvert);
    sortfaces(face2torus, numface);
    drawfaces(face2torus, tface2torus, tvert2torus, torus);
}

// The car's light points: vertices 121 to 124 carry the green and yellow
// lamps, 125 and 126 the red ones, which stay larger as the car recedes.
// With the facing test only the lamps well in front of the car's middle
// glow.
static void drawflares(bool facing)
{
    int nearsize = 64 - (-offsetz) / 10, farsize = 64 - (-offsetz) / 20;
    for (int v = 121; v <= 126; v++) {
        bool red = v >= 125;
        if (facing && rz[v] >= (red ? -20 : -10))
            continue;
        drawflare(kx[v], ky[v], red ? farsize : nearsize, red ? 2 : 1);
    }
}

void drawcar()
{
    numvert = 127, numface = 238, numtvert = 288;
    calcpoints(vertdelorean, numvert);
    sortfaces(facedelorean, numface);
    // In the warp the lamps shine from under the car; in the fly-in they sit
    // on it.
    if (ao == -105)
        drawflares(false);
    drawfaces(facedelorean, tfacedelorean, tvertdelorean, delorean);
    if (ao == -104)
        drawflares(true);
}
