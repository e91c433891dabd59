// Milliseconds per drawn frame of the four per-pixel effect scenes: one
// timeline tick to move the scene, then the whole drawing pass.
#include <benchmark/benchmark.h>

#include <string>

#include "sequencer/sequencer.h"
#include "support.h"

namespace
{

// d is a moment of the scene without timed texts over it.
void sceneframes(benchmark::State& state, int d)
{
    setupscreen();
    std::string why = loadrunpictures();
    if (!why.empty()) {
        state.SkipWithError(why.c_str());
        return;
    }
    resetclock();
    demotime = d;
    for (auto _ : state) {
        tick();
        drawframe();
        benchmark::ClobberMemory();
    }
    state.SetLabel("ao " + std::to_string(static_cast<int>(ao)));
}

void BM_interference(benchmark::State& state) { sceneframes(state, 1480); }
void BM_lens(benchmark::State& state) { sceneframes(state, 1960); }
void BM_rotozoomer(benchmark::State& state) { sceneframes(state, 2180); }
void BM_twister(benchmark::State& state) { sceneframes(state, 3150); }

} // namespace

BENCHMARK(BM_interference)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_lens)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rotozoomer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_twister)->Unit(benchmark::kMillisecond);
