#include <benchmark/benchmark.h>

#include "render/cards/card_images.h"

// Loading the whole card-image store at the largest resolution, as the main window does.
static void LoadCardStoreResolution4(benchmark::State& state) {
    for (auto _ : state) {
        ClCards store;
        store.SetResolution(4);
        store.LoadAll();
        benchmark::DoNotOptimize(store.CardWidth());
    }
}
BENCHMARK(LoadCardStoreResolution4)->Unit(benchmark::kMillisecond);
