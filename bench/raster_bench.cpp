// Cost of the rasteriser's primitives, in time per call and pixels per second:
// a textured triangle filling the screen, a car-sized one, giant ones whose
// corners lie millions of pixels away, a flare, and the fillers.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "base/base.h"
#include "raster/raster.h"
#include "support.h"

namespace
{

SDL_Surface* texture()
{
    static SDL_Surface* t;
    if (!t) {
        t = makesurface(256, 256);
        for (int i = 0; i < 65536; i++)
            static_cast<Uint16*>(t->pixels)[i] = Uint16(i * 2654435761u >> 16);
    }
    return t;
}

// The corners of the triangle, with the texture once across it.
Corner2 corner[3];

void corners(int x1, int y1, int x2, int y2, int x3, int y3)
{
    corner[0] = {x1, y1, 0, 0};
    corner[1] = {x2, y2, 65535, 0};
    corner[2] = {x3, y3, 0, 65535};
}

// Draws the textured triangle; pixels is how many it writes.
void textured(benchmark::State& state, int64_t pixels)
{
    setupscreen();
    for (auto _ : state) {
        drawtextrvect(corner[0], corner[1], corner[2], texture(), screen);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * pixels);
}

// Corners (0,0), (640,0), (0,480): the screen is its upper left half.
void BM_textured_screen(benchmark::State& state)
{
    corners(0, 0, 640, 0, 0, 480);
    textured(state, 76800);
}

// About the size of a face of the car seen close: 40 x 30 pixels.
void BM_textured_car_face(benchmark::State& state)
{
    corners(150, 100, 190, 110, 160, 130);
    textured(state, 40 * 30 / 2);
}

// An eye inside the mesh: corners millions of pixels out, covering the screen.
void BM_textured_giant(benchmark::State& state)
{
    corners(-3000000, -3000000, 3000000, -3000000, 0, 3000000);
    textured(state, 76800);
}

// Millions of rows tall but wholly off to the right.
void BM_textured_far_off(benchmark::State& state)
{
    corners(5000000, -4000000, 9000000, 0, 5000000, 4000000);
    textured(state, 0);
}

void BM_flare(benchmark::State& state)
{
    setupscreen();
    SDL_Surface* picture = flare1;
    flare1 = makesurface(64, 64);
    for (auto _ : state) {
        drawflare(160, 120, 54, 0, 0, screen);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 64 * 64);
    SDL_FreeSurface(flare1);
    flare1 = picture;
}

void BM_gouraud_screen(benchmark::State& state)
{
    setupscreen();
    corners(0, 0, 640, 0, 0, 480);
    for (auto _ : state) {
        drawgouraudvect(corner[0], corner[1], corner[2], 0, 0, 255, 0, 0, 255, screen);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 76800);
}

void BM_fill_screen(benchmark::State& state)
{
    setupscreen();
    corners(0, 0, 640, 0, 0, 480);
    for (auto _ : state) {
        drawfillvect(corner[0], corner[1], corner[2], 12, 34, screen);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 76800);
}

} // namespace

BENCHMARK(BM_textured_screen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_textured_car_face)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_textured_giant)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_textured_far_off)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_flare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_gouraud_screen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_fill_screen)->Unit(benchmark::kMicrosecond);
