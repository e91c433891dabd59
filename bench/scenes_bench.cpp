// Time per drawn frame of every scene, as a multiple of one memcpy of the
// screen measured in the same run (the x_memcpy column). A scene is played
// through its whole window of the song at the song's pace, a frame every
// 50 ms tick and a row every 60 ms (80 ms as the car lands), through
// render() with its timed words, so the figure is the mean over every moment
// of the scene.
//
//   demo-bench --benchmark_filter='memcpy|scene'
#include <benchmark/benchmark.h>

#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "sequencer/sequencer.h"
#include "support.h"

namespace
{

// CPU seconds of one copy of the screen, from the last run of BM_memcpy; 0
// until it has run. Process CPU time, as the benchmarks report by default.
double memcpyseconds = 0;

double cpuseconds()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// The CPU time per iteration, timed here too, divided by one memcpy.
void ratiotomemcpy(benchmark::State& state, double seconds)
{
    if (memcpyseconds > 0)
        state.counters["x_memcpy"] = seconds / double(state.iterations()) / memcpyseconds;
}

// The baseline: the screen's 153,600 bytes copied once.
void BM_memcpy(benchmark::State& state)
{
    std::vector<Uint16> from(320 * 240, 0x1234), to(320 * 240);
    double start = cpuseconds();
    for (auto _ : state) {
        memcpy(to.data(), from.data(), to.size() * sizeof(Uint16));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    double seconds = cpuseconds() - start;
    memcpyseconds = seconds / double(state.iterations());
    ratiotomemcpy(state, seconds);
}

// A scene's window: the demotimes it is drawn at.
struct Window {
    const char* name;
    int lo, hi;
};

const Window windows[] = {
    {"blank", 0, 128},
    {"logo", 129, 238},
    {"car_flyin", 239, 385},
    {"car_warp", 386, 624},
    {"1988", 641, 896},
    {"scrollers", 897, 1408},
    {"interference", 1409, 1920},
    {"lens", 1921, 2048},
    {"rotozoomer", 2049, 2432},
    {"rings", 2433, 2944},
    {"twister", 2945, 3200},
    {"closing", 3201, 3499},
};

const unsigned tickms = 50;

// The song's row at clock `now`: 60 ms a row, 80 ms for rows 240 to 256.
int rowat(unsigned now)
{
    if (now < 240 * 60)
        return int(now / 60);
    if (now < 240 * 60 + 17 * 80)
        return 240 + int((now - 240 * 60) / 80);
    return 257 + int((now - 240 * 60 - 17 * 80) / 60);
}

// The song from its start up to the window, ticks only: the scene starts
// from the state the song leaves it. Returns the clock of its first frame.
unsigned enter(const Window& w)
{
    resetclock();
    unsigned now = 0;
    for (; rowat(now) < w.lo; now += tickms) {
        demotime = rowat(now);
        tick();
    }
    return now;
}

int framesin(const Window& w)
{
    int n = 0;
    for (unsigned now = 0; rowat(now) <= w.hi; now += tickms)
        n += rowat(now) >= w.lo;
    return n;
}

void playscene(benchmark::State& state, const Window& w)
{
    setupscreen();
    std::string why = loadrunpictures();
    if (!why.empty()) {
        state.SkipWithError(why.c_str());
        return;
    }
    unsigned now = enter(w);
    double start = cpuseconds(), paused = 0;
    for (auto _ : state) {
        if (rowat(now) > w.hi) {
            state.PauseTiming();
            double t = cpuseconds();
            now = enter(w);
            paused += cpuseconds() - t;
            state.ResumeTiming();
        }
        fakenow = now;
        fakepos = rowat(now) / 128, fakerow = rowat(now) % 128;
        render();
        benchmark::ClobberMemory();
        now += tickms;
    }
    ratiotomemcpy(state, cpuseconds() - start - paused);
}

// Whole passes through the window, at least 2,000 frames in all.
int registered = [] {
    benchmark::RegisterBenchmark("BM_memcpy", BM_memcpy)->Unit(benchmark::kMicrosecond);
    for (const Window& w : windows) {
        int frames = framesin(w);
        int passes = (2000 + frames - 1) / frames;
        benchmark::RegisterBenchmark((std::string("BM_scene/") + w.name).c_str(), playscene, w)
            ->Iterations(passes * frames)
            ->Unit(benchmark::kMillisecond);
    }
    return 0;
}();

} // namespace
