// One tick: the clock counters, then every window of the timeline in its
// order. The timeline is the only writer of the scene code and the scene
// parameters.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "effects/effects.h"
#include "scene3d/scene3d.h"
#include "sequencer/sequencer.h"

int last_tick, demotime, clearr, framepierr, framedelay, quit;
Scene ao;

namespace
{

// The timeline's own motion state, which no scene reads.
int lensxx;      // the lens's step across, turned at the edges
double lensyy;   // the phase of its bounce
unsigned twsin1; // where the twister reads its two waves
unsigned twsin2;

// The steps: what a window does at each tick while demotime lies in it.

// The car flies in from far away, turning, in steps of 38 units until it is
// 100 units off; entered at its first demotimes it starts from its reset.
void flyin(int d)
{
    if (d <= 240) {
        xr = 180;
        yr = 70;
        offsetx = 160;
        offsety = 160;
        offsetz = -1080;
        resetorder();
    }
    if (offsetz < -100) {
        ao = Scene::flyin;
        xr += 15;
        yr += 5;
        offsetz += 38;
    }
}

void carrests(int) { offsetz = -100; }

// The car wobbles over the warp; the scene and its place are set only at the
// window's first demotimes, so a skip into its middle keeps what it finds.
void wobble(int d)
{
    if (d <= 386) {
        ao = Scene::warp;
        offsetz = -100;
        offsetx = 160;
        offsety = 180;
        yr = 314;
    }
    xr = deloreanwarp[framepierr % 256];
}

void scroll(int)
{
    scrlpos1 -= 2;
    scrlpos2 -= 2;
    scrlpos3 -= 2;
}

// The two windows into the ring bitmap follow their paths.
void circles(int)
{
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

// The lens turns back after it has moved, so it overshoots by one step.
void turnlens()
{
    if (lensx > 192)
        lensxx = -lensxx;
    if (lensx < 0)
        lensxx = -lensxx;
}

void bounce(int)
{
    lensx += lensxx;
    lensy = 128 - std::abs(static_cast<int>(100 * sin(lensyy)));
    lensyy += 0.1;
    turnlens();
}

// ... and drops off the bottom.
void drop(int)
{
    lensy += 10;
    lensx += lensxx;
    turnlens();
}

void turnroto(int)
{
    roto += 5;
    if (roto > 628)
        roto = 1;
}

// The twist angles follow their waves; the bar's top sits on row 80.
void twist(int)
{
    efxc = 80;
    tw1 = tws1[twsin1];
    tw2 = tws2[twsin2];
    twsin1 += 1;
    twsin2 += 1;
    if (twsin1 > 125)
        twsin1 = 0;
    if (twsin2 > 89)
        twsin2 = 0;
}

void spin(int)
{
    offsetz = -300;
    offsetx = 160;
    offsety = 120;
    xr += 20;
    yr += 15;
}

void end(int) { quit = 1; }

// While from < demotime <= to: the scene code (if the window sets one
// whatever happens), whether the screen is cleared first, and the step.
struct Window {
    int64_t from, to; // wide enough that every int lies above the first window's start
    std::optional<Scene> scene;
    bool clears;
    void (*step)(int d);
};

// Tested in this order at every tick; a later window overrides an earlier
// one where both match.
const Window timeline[] = {
    {INT64_MIN, 128, Scene::blank, true, nullptr}, // also every negative demotime of the ARM build
    {128, 196, Scene::logo, false, nullptr},
    {196, 238, Scene::logo, false, nullptr},
    {238, 256, {}, false, flyin},
    {256, 640, {}, false, carrests},
    {384, 640, {}, false, wobble},
    {624, 640, Scene::blank, true, nullptr},
    {640, 896, Scene::logo1988, false, nullptr},
    {896, 1408, Scene::scrollers, true, scroll},
    {1408, 1920, Scene::interference, true, circles},
    {1920, 2000, Scene::lens, false, bounce},
    {2000, 2048, Scene::lens, false, drop},
    {2048, 2432, Scene::rotozoomer, false, turnroto},
    {2944, 3200, Scene::twister, true, twist},
    {2432, 2944, Scene::rings, true, spin},
    {3200, 3499, Scene::closing, false, nullptr},
    {3500, INT64_MAX, {}, false, end},
};

} // namespace

void resettimeline()
{
    last_tick = -1;
    demotime = 0;
    ao = Scene::none;
    clearr = framepierr = framedelay = quit = 0;
    xr = 1, yr = 400, offsetx = 160, offsety = 320, offsetz = -170;
    resetorder();
    scrlpos1 = 350, scrlpos2 = 450, scrlpos3 = 500;
    ang1 = ang2 = ix1 = iy1 = ix2 = iy2 = 0;
    lensx = lensy = 0, lensxx = 5, lensyy = 0.0;
    roto = 157;
    tw1 = tw2 = 1, twsin1 = 0, twsin2 = 3, efxc = 0;
}

void tick()
{
    last_tick += 50;
    framepierr += 1;
    framedelay += 1;
    if (framedelay > 20)
        framedelay = 0;
    clearr = 0;
    const int d = demotime;
    for (const Window& w : timeline) {
        if (int64_t(d) <= w.from || int64_t(d) > w.to)
            continue;
        if (w.scene)
            ao = *w.scene;
        if (w.clears)
            clearr = 1;
        if (w.step)
            w.step(d);
    }
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
