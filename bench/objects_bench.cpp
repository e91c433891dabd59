// Milliseconds per drawn frame of the object scenes (the whole drawing pass,
// backgrounds and texts included), with the object turning from frame to
// frame as the timeline turns it, and the rings' transform and sort alone.
#include <benchmark/benchmark.h>

#include "scene3d/scene3d.h"
#include "sequencer/sequencer.h"
#include "support.h"

namespace
{

bool ready(benchmark::State& state)
{
    setupscreen();
    resetclock();
    std::string err = loadrunpictures();
    if (!err.empty())
        state.SkipWithError(err.c_str());
    return err.empty();
}

void wrap() { xr %= 627, yr %= 627; }

void BM_frame_rings(benchmark::State& state)
{
    if (!ready(state))
        return;
    demotime = 2600, ao = Scene::rings, clearr = 1;
    offsetx = 160, offsety = 120, offsetz = -300;
    for (auto _ : state) {
        xr += 20, yr += 15, wrap();
        drawframe();
    }
}

void BM_frame_car_flyin(benchmark::State& state)
{
    if (!ready(state))
        return;
    demotime = 300, ao = Scene::flyin;
    xr = 180, yr = 70, offsetx = 160, offsety = 160, offsetz = -100;
    for (auto _ : state) {
        xr += 15, yr += 5, wrap();
        drawframe();
    }
}

void BM_frame_car_warp(benchmark::State& state)
{
    if (!ready(state))
        return;
    demotime = 420, ao = Scene::warp;
    yr = 314, offsetx = 160, offsety = 180, offsetz = -100;
    for (auto _ : state) {
        framepierr++, framedelay = framepierr % 21;
        xr = (deloreanwarp[framepierr & 255] + 627) % 627;
        drawframe();
    }
}

void BM_rings_transform_and_sort(benchmark::State& state)
{
    if (!ready(state))
        return;
    offsetx = 160, offsety = 120, offsetz = -300;
    for (auto _ : state) {
        xr += 20, yr += 15, wrap();
        calcpoints(vert2torus, 385);
        sortfaces(face2torus, 769);
    }
}

} // namespace

BENCHMARK(BM_frame_rings)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_frame_car_flyin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_frame_car_warp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rings_transform_and_sort)->Unit(benchmark::kMicrosecond);
