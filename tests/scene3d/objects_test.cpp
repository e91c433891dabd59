// The object scenes: which mesh and texture each scene code draws, the
// flares' sizes, kinds, facing test and order against the car, and the
// rings drawn from inside after a skip back.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "base/base.h"
#include "raster/raster.h"
#include "scene3d/scene3d.h"
#include "sequencer/sequencer.h"
#include "support.h"

namespace
{

// Swaps the scenes' pictures for flat markers, one channel each, so that a
// frame tells what drew every pixel: faces of the car red 1, green lamps
// green 1, red lamps blue 1; the rings' texture and psyke their own values.
constexpr Uint16 carpaint = 0x0800, lamp1 = 0x0020, lamp2 = 0x0001;
constexpr Uint16 ringpaint = 0x7BEF, psykepaint = 0x1082;

SDL_Surface* flat(int w, int h, Uint16 value)
{
    SDL_Surface* s = makesurface(w, h);
    std::fill(pixels(s), pixels(s) + w * h, value);
    return s;
}

struct Markers {
    SDL_Surface* saved[6] = {flare1, flare2, flare3, delorean, torus, psyke};
    Markers()
    {
        setupscreen();
        resetclock(); // as at start-up: the face order is the identity
        flare1 = flat(64, 64, lamp1), flare2 = flat(64, 64, lamp1), flare3 = flat(64, 64, lamp2);
        delorean = flat(256, 256, carpaint), torus = flat(256, 256, ringpaint);
        psyke = flat(320, 240, psykepaint);
    }
    ~Markers()
    {
        for (SDL_Surface* s : {flare1, flare2, flare3, delorean, torus, psyke})
            SDL_FreeSurface(s);
        flare1 = saved[0], flare2 = saved[1], flare3 = saved[2];
        delorean = saved[3], torus = saved[4], psyke = saved[5];
    }
};

bool realcar() { return vertdelorean[3 * 121] == -11012; }

// How many lamps of each kind cover each pixel, for the lamps at the given
// vertices: the sprite's square after its flicker, clipped to the screen.
struct Cover {
    std::vector<int> kind1 = std::vector<int>(76800), kind2 = std::vector<int>(76800);
};
Cover lamps(const std::vector<int>& lit)
{
    Cover c;
    for (int v : lit) {
        bool red = v >= 125;
        int s = 64 - (-offsetz) / (red ? 20 : 10) + 10 - (ky[v] & 1 ? 13 : 0); // tick 0
        for (int y = ky[v] - s / 2; s > 0 && y < ky[v] - s / 2 + s; y++)
            for (int x = kx[v] - s / 2; x < kx[v] - s / 2 + s; x++)
                if (x >= 0 && x < 320 && y >= 0 && y < 240)
                    (red ? c.kind2 : c.kind1)[y * 320 + x]++;
    }
    return c;
}

// Compares the frame with the lamps expected: where the car covers a pixel
// (red 1) in the warp, the lamps under it are hidden.
void expectlamps(const std::vector<int>& lit, bool under)
{
    Cover c = lamps(lit);
    int wrong = 0, hidden = 0;
    for (int p = 0; p < 76800; p++) {
        Uint16 d = pixels(screen)[p];
        bool car = d >> 11 == 1;
        bool shown = !(under && car);
        hidden += !shown && (c.kind1[p] || c.kind2[p]);
        wrong +=
            ((d >> 5) & 63) != (shown ? c.kind1[p] : 0) || (d & 31) != (shown ? c.kind2[p] : 0);
    }
    EXPECT_EQ(wrong, 0) << "pixels whose lamp light is not that of the lamps expected";
    if (!under && realcar()) {
        EXPECT_EQ(hidden, 0);
    }
}

// A pose (xr, yr) at which light point v has depth rz, if there is one.
bool findpose(int v, int depth)
{
    int light[3];
    std::copy(vertdelorean + 3 * v, vertdelorean + 3 * v + 3, light);
    for (xr = 0; xr < 628; xr++)
        for (yr = 0; yr < 628; yr++) {
            calcpoints(light, 1);
            if (rz[0] == depth)
                return true;
        }
    return false;
}

// The car scene drawn next: the warp or the fly-in, at tick 0.
bool inwarp;

void scene(bool warp, int oz)
{
    inwarp = warp, offsetx = 160, offsety = warp ? 180 : 160, offsetz = oz;
}

void drawcar() { inwarp ? drawcarwarp(0) : drawcarflyin(0); }

} // namespace

TEST(Carscenes, WarpDrawsAllSixLampsUnderTheCar)
{
    Markers m;
    scene(true, -100);
    xr = 40, yr = 314;
    drawcar();
    expectlamps({121, 122, 123, 124, 125, 126}, true);
}

// The fly-in lights a green lamp only more than 10 units in front of the
// car's middle, a red one only more than 20: the boundaries and -15.
TEST(Carscenes, FlyInLightsOnlyTheNearLamps)
{
    if (!realcar())
        GTEST_SKIP() << "the car's light points are not in the mesh yet";
    Markers m;
    for (int v : {121, 125})
        for (int depth : {-10, -11, -15, -20, -21}) {
            scene(false, -100);
            ASSERT_TRUE(findpose(v, depth));
            std::fill(pixels(screen), pixels(screen) + 76800, 0);
            drawcar();
            ASSERT_EQ(rz[v], depth);
            std::vector<int> lit;
            for (int w = 121; w <= 126; w++)
                if (rz[w] < (w >= 125 ? -20 : -10))
                    lit.push_back(w);
            bool expected = depth < (v >= 125 ? -20 : -10);
            EXPECT_EQ(std::count(lit.begin(), lit.end(), v), expected);
            SCOPED_TRACE(testing::Message() << "vertex " << v << " at depth " << depth);
            expectlamps(lit, false);
        }
}

// At the start of the fly-in the green lamps are too small to draw (size
// -40) and the red ones small (size 12).
TEST(Carscenes, FirstFlyInFrameShowsOnlySmallRedLamps)
{
    if (!realcar())
        GTEST_SKIP() << "the car's light points are not in the mesh yet";
    Markers m;
    scene(false, -1042);
    ASSERT_TRUE(findpose(125, -30));
    std::fill(pixels(screen), pixels(screen) + 76800, 0);
    drawcar();
    std::vector<int> lit;
    for (int w = 125; w <= 126; w++)
        if (rz[w] < -20)
            lit.push_back(w);
    expectlamps(lit, false);
    EXPECT_EQ(std::count_if(pixels(screen), pixels(screen) + 76800,
                            [](Uint16 d) { return (d >> 5) & 63; }),
              0);
}

TEST(Objectscenes, EachSceneDrawsItsOwnMesh)
{
    Markers m;
    for (bool warp : {false, true}) {
        scene(warp, -100);
        xr = 100, yr = 314;
        std::fill(pixels(screen), pixels(screen) + 76800, 0);
        drawcar();
        if (realcar()) {
            EXPECT_GT(std::count(pixels(screen), pixels(screen) + 76800, carpaint), 2000);
        }
    }
    // The rings follow the car in the same process, as after a skip.
    xr = 300, yr = 200, offsetx = 160, offsety = 120, offsetz = -300;
    drawrings();
    int rings = std::count(pixels(screen), pixels(screen) + 76800, ringpaint);
    int back = std::count(pixels(screen), pixels(screen) + 76800, psykepaint);
    EXPECT_GT(rings, 4000);
    EXPECT_EQ(rings + back, 76800);
    for (int j = 1; j < 769; j++) {
        auto key = [](int f) {
            return rz[face2torus[3 * f]] + rz[face2torus[3 * f + 1]] + rz[face2torus[3 * f + 2]];
        };
        ASSERT_GE(key(order[j - 1]), key(order[j])) << "position " << j;
    }
}

// The faces turned away are dropped before the drawing: the rings are the
// same as every face handed in the painter's order to the rasteriser, which
// drops them itself. The texels name their place, so faces drawn in another
// order, or one face too many or too few, show.
TEST(Objectscenes, RingsAsEveryFaceInOrder)
{
    Markers m;
    SDL_Surface* flatring = torus;
    torus = makesurface(256, 256);
    for (int i = 0; i < 65536; i++)
        pixels(torus)[i] = Uint16(unsigned(i) * 40503u + 1);
    for (int pose = 0; pose < 16; pose++) {
        xr = pose * 53 % 628, yr = pose * 97 % 628;
        offsetx = 160 + pose % 5 * 20, offsety = 120, offsetz = pose % 3 ? -300 : -100;
        int before[769];
        std::copy(order, order + 769, before);
        drawrings();
        std::vector<Uint16> drawn(pixels(screen), pixels(screen) + 76800);

        std::copy(before, before + 769, order);
        std::copy(pixels(psyke), pixels(psyke) + 76800, pixels(screen));
        calcpoints(vert2torus, 385);
        sortfaces(face2torus, 769);
        for (int j = 0; j < 769; j++) {
            int f = order[j];
            Corner2 c[3];
            for (int k = 0; k < 3; k++) {
                int v = int(face2torus[3 * f + k]);
                const int* t = &tvert2torus[3 * tface2torus[3 * f + k]];
                c[k] = {kx[v], ky[v], t[0], t[1]};
            }
            drawtextrvect(c[0], c[1], c[2], torus, screen);
        }
        ASSERT_TRUE(std::equal(drawn.begin(), drawn.end(), pixels(screen))) << "pose " << pose;
    }
    SDL_FreeSurface(torus);
    torus = flatring;
}

// From the rings, a skip back into 256 < d <= 384 keeps the rings scene
// while the timeline puts the eye at -100, inside the rings.
TEST(Objectscenes, RingsFromInsideAfterASkipBack)
{
    Markers m;
    resetclock();
    demotime = 2500;
    tick();
    demotime = 300;
    for (int i = 0; i < 40; i++) {
        tick();
        ASSERT_EQ(ao, Scene::rings);
        ASSERT_EQ(offsetz, -100);
        drawrings();
    }
    EXPECT_GT(std::count(pixels(screen), pixels(screen) + 76800, ringpaint), 0);
    resetclock();
}
