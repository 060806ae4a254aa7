#include <benchmark/benchmark.h>

#include <cstdio>

#include "players/call_trump.h"
#include "support/whole_game.h"

namespace {

// Complete hands per second with the computer on every seat and no drawing.
void BM_DemoHands(benchmark::State& state) {
    uint32_t seed = 1;
    int64_t hands = 0;
    for (auto _ : state) {
        WholeGame whole(seed++);
        whole.PlayGame();
        for (const auto& line : whole.game.trace) hands += line.starts_with("Score H:") ? 1 : 0;
    }
    state.counters["hands/s"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DemoHands)->Unit(benchmark::kMillisecond);

// One calling decision on a dealt hand.
void BM_CallDecision(benchmark::State& state) {
    WholeGame whole(5);
    whole.game.stopAtLine = "Starting Loop for Calling Trump";
    whole.PlayGame(WholeGame::Mode::Demo, 1);
    for (auto _ : state) {
        int32_t total = 0;
        benchmark::DoNotOptimize(Logics::CallTrump(1, 0, 3, total));
    }
}
BENCHMARK(BM_CallDecision);

// The computer team against a seat 0 that answers with random legal inputs.
void BM_WinRateAgainstRandomPlay(benchmark::State& state) {
    for (auto _ : state) {
        int computerWins = 0;
        constexpr int kGames = 2000;
        for (int i = 1; i <= kGames; ++i) {
            WholeGame whole(static_cast<uint32_t>(i));
            whole.PlayGame(WholeGame::Mode::Human);
            computerWins += APIs::Nib(hand.Score, 1) >= 10 ? 1 : 0;
        }
        std::printf("computer team win rate over %d games: %.3f\n", kGames,
                    static_cast<double>(computerWins) / kGames);
    }
}
BENCHMARK(BM_WinRateAgainstRandomPlay)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
