#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <ctime>

#include "platform/settings/player_settings.h"
#include "platform/waits.h"

namespace {

double ProcessCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// A two-second game pause must leave the processor idle.
void BM_PauseCpuShare(benchmark::State& state) {
    settings.Delay = 1.0f;
    for (auto _ : state) {
        const double cpuBefore = ProcessCpuSeconds();
        APIs::Pause(2);
        state.counters["cpu_share_percent"] = (ProcessCpuSeconds() - cpuBefore) / 2.0 * 100.0;
    }
}
BENCHMARK(BM_PauseCpuShare)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
