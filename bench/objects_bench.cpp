// The transform and depth sort of a mesh alone, the object turning from
// frame to frame as the timeline turns the rings.
#include <benchmark/benchmark.h>

#include "scene3d/scene3d.h"
#include "sequencer/sequencer.h"
#include "support.h"

namespace
{

void BM_rings_transform_and_sort(benchmark::State& state)
{
    setupscreen();
    resetclock();
    offsetx = 160, offsety = 120, offsetz = -300;
    for (auto _ : state) {
        xr = (xr + 20) % 627, yr = (yr + 15) % 627;
        calcpoints(vert2torus, 385);
        sortfaces(face2torus, 769);
    }
}

void BM_car_transform_and_sort(benchmark::State& state)
{
    setupscreen();
    resetclock();
    offsetx = offsety = 160, offsetz = -1042;
    for (auto _ : state) {
        xr = (xr + 20) % 627, yr = (yr + 15) % 627;
        calcpoints(vertdelorean, 127);
        sortfaces(facedelorean, 238);
    }
}

} // namespace

BENCHMARK(BM_rings_transform_and_sort)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_car_transform_and_sort)->Unit(benchmark::kMicrosecond);
