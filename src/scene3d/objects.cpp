// The object scenes: the interlinked rings over psyke, and the car with the
// flares on its six light points.
#include <cstring>
#include <iterator>

#include "base/base.h"
#include "raster/raster.h"
#include "scene3d/scene3d.h"

namespace
{

// Far to near, each face that looks at the eye with its projected corners
// and the (u, v) of its texture corners as stored. About half the faces look
// away: they are dropped first, in one pass without a branch, so that the
// drawing loop mispredicts none of them. The corners of the others are
// gathered, then drawn in one call.
void drawfaces(int count, const unsigned* face, const unsigned* tface, const int* tvert,
               const SDL_Surface* texture)
{
    int front[std::size(order)];
    int n = 0;
    for (int j = 0; j < count; j++) {
        int f = order[j];
        const unsigned* v = &face[3 * f];
        Corner2 a{kx[v[0]], ky[v[0]]}, b{kx[v[1]], ky[v[1]]}, c{kx[v[2]], ky[v[2]]};
        front[n] = f;
        n += !raster::facesaway(a, b, c);
    }
    static Corner2 corners[3 * std::size(order)];
    for (int j = 0; j < n; j++) {
        int f = front[j];
        for (int k = 0; k < 3; k++) {
            int v = face[3 * f + k];
            const int* t = &tvert[3 * tface[3 * f + k]];
            corners[3 * j + k] = {kx[v], ky[v], t[0], t[1]};
        }
    }
    drawtextrvects(corners, n, texture, screen);
}

// The car's light points: vertices 121 to 124 carry the green and yellow
// lamps, 125 and 126 the red ones, which stay larger as the car recedes.
// With the facing test only the lamps well in front of the car's middle
// glow.
void drawflares(bool facing, int tick)
{
    int nearsize = 64 - (-offsetz) / 10, farsize = 64 - (-offsetz) / 20;
    for (int v = 121; v <= 126; v++) {
        bool red = v >= 125;
        if (facing && rz[v] >= (red ? -20 : -10))
            continue;
        drawflare(kx[v], ky[v], red ? farsize : nearsize, red ? 2 : 1, tick, screen);
    }
}

// The car's 127 vertices projected and its 238 faces sorted.
void placecar()
{
    calcpoints(vertdelorean, 127);
    sortfaces(facedelorean, 238);
}

} // namespace

void drawrings()
{
    memcpy(screen->pixels, psyke->pixels, size * sizeof(Uint16));
    calcpoints(vert2torus, 385);
    sortfaces(face2torus, 769);
    drawfaces(769, face2torus, tface2torus, tvert2torus, torus);
}

void drawcarflyin(int tick)
{
    placecar();
    drawfaces(238, facedelorean, tfacedelorean, tvertdelorean, delorean);
    drawflares(true, tick);
}

void drawcarwarp(int tick)
{
    placecar();
    drawflares(false, tick);
    drawfaces(238, facedelorean, tfacedelorean, tvertdelorean, delorean);
}
