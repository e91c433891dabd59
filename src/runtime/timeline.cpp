// One tick: the clock counters, then every window of the timeline in its
// order. The timeline is the only writer of the scene parameters.
#include <cmath>
#include <cstdlib>

#include "effects/effects.h"
#include "runtime/runtime.h"
#include "scene3d/scene3d.h"

int xr = 1, yr = 400;
int offsetx = 160, offsety = 320, offsetz = -170;
int scrlpos1 = 350, scrlpos2 = 450, scrlpos3 = 500;
int ang1, ang2, ix1, iy1, ix2, iy2;
int lensx, lensy, lensxx = 5;
double lensyy = 0.0;
int roto = 157;
int tw1 = 1, tw2 = 1;
unsigned twsin1 = 0, twsin2 = 3;
int efxc;

namespace
{

// The lens turns back after it has moved, so it overshoots by one step.
void bouncelens()
{
    if (lensx > 192)
        lensxx = -lensxx;
    if (lensx < 0)
        lensxx = -lensxx;
}

void timeline(int d)
{
    if (d <= 128) { // blank; also every negative demotime of the ARM build
        ao = -100;
        clearr = 1;
    }
    if (d > 128 && d <= 196)
        ao = -101;
    if (d > 196 && d <= 238)
        ao = -101;
    if (d > 238 && d <= 256) { // the car flies in
        if (d <= 240) {
            xr = 180;
            yr = 70;
            offsetx = 160;
            offsety = 160;
            offsetz = -1080;
            resetorder();
        }
        if (offsetz < -100) {
            ao = -104;
            xr += 15;
            yr += 5;
            offsetz += 38;
        }
    }
    if (d > 256 && d <= 640)
        offsetz = -100;
    if (d > 384 && d <= 640) { // the car wobbles over the warp
        if (d <= 386) {
            ao = -105;
            offsetz = -100;
            offsetx = 160;
            offsety = 180;
            yr = 314;
        }
        xr = deloreanwarp[framepierr & 255];
    }
    if (d > 624 && d <= 640) {
        clearr = 1;
        ao = -100;
    }
    if (d > 640 && d <= 896)
        ao = -106;
    if (d > 896 && d <= 1408) {
        clearr = 1;
        ao = -5;
        scrlpos1 = wrapadd(scrlpos1, -2);
        scrlpos2 = wrapadd(scrlpos2, -2);
        scrlpos3 = wrapadd(scrlpos3, -2);
    }
    if (d > 1408 && d <= 1920) {
        clearr = 1;
        ao = -120;
        ang1 += 1;
        ang2 += 1;
        if (ang1 > 156)
            ang1 = 0;
        if (ang2 > 104)
            ang2 = 0;
        ix1 = px0[ang1] - px1[ang2] + 90;
        iy1 = px0[ang1] - py0[ang1] + 130;
        ix2 = px0[ang1] + px1[ang2] + 100;
        iy2 = 2 * py0[ang1] + 122;
    }
    if (d > 1920 && d <= 2000) { // the lens bounces
        clearr = 0;
        ao = -20;
        lensx += lensxx;
        lensy = 128 - std::abs(static_cast<int>(100 * sin(lensyy)));
        lensyy += 0.1;
        bouncelens();
    }
    if (d > 2000 && d <= 2048) { // and drops off the bottom
        ao = -20;
        lensy = wrapadd(lensy, 10);
        lensx += lensxx;
        bouncelens();
    }
    if (d > 2048 && d <= 2432) {
        ao = -21;
        roto += 5;
        if (roto > 628)
            roto = 1;
    }
    if (d > 2944 && d <= 3200) {
        efxc = 80;
        clearr = 1;
        ao = -150;
        tw1 = tws1[twsin1];
        tw2 = tws2[twsin2];
        twsin1 += 1;
        twsin2 += 1;
        if (twsin1 > 125)
            twsin1 = 0;
        if (twsin2 > 89)
            twsin2 = 0;
    }
    if (d > 2432 && d <= 2944) {
        offsetz = -300;
        offsetx = 160;
        offsety = 120;
        clearr = 1;
        ao = -160;
        xr += 20;
        yr += 15;
    }
    if (d > 3200 && d <= 3499)
        ao = -180;
    if (d > 3500)
        quit = 1;
}

} // namespace

void tick()
{
    // These count on for as long as the clock runs, so they wrap rather
    // than overflow; their readers take them modulo a power of two.
    last_tick = wrapadd(last_tick, 50);
    framepierr = wrapadd(framepierr, 1);
    framedelay += 1;
    if (framedelay > 20)
        framedelay = 0;
    clearr = 0;
    timeline(demotime);
    // By 627, not 628: the angles have always wrapped so.
    if (xr > 627)
        xr -= 627;
    if (yr > 627)
        yr -= 627;
    if (xr < 0)
        xr += 627;
    if (yr < 0)
        yr += 627;
}
