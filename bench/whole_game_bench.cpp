#include <benchmark/benchmark.h>

#include <cstdio>

#include "players/call_trump.h"
#include "players/main_logic.h"
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

// One card decision of the computer on the first trick where seat 1 leads (or
// follows), timed where the trick step asks for it.
void TimeTrickDecision(benchmark::State& state, bool leads) {
    bool timed = false;
    for (uint32_t seed = 1; !timed && seed < 100; ++seed) {
        WholeGame whole(seed);
        GamePlay::InstallTrickCardChooser([&](int32_t seat) -> int32_t {
            const bool leading = (hand.Tricks & (1 << 28)) != 0;
            if (timed || seat != 1 || leading != leads || Misc::GenInfField8() > 4) return -1;
            timed = true;
            for (auto _ : state) {
                int32_t answer = 5;
                LogicMain::MainLogic(answer);
                benchmark::DoNotOptimize(answer);
            }
            flow.QuitNow = true;
            return -1;
        });
        whole.PlayGame();
    }
    if (!timed) state.SkipWithError("no trick card of seat 1 to time");
}
void BM_LeadDecision(benchmark::State& state) {
    TimeTrickDecision(state, true);
}
BENCHMARK(BM_LeadDecision);
void BM_FollowDecision(benchmark::State& state) {
    TimeTrickDecision(state, false);
}
BENCHMARK(BM_FollowDecision);

// The computer team (seats 0 and 2) against a partnership that plays random legal cards.
void BM_WinRateAgainstRandomPlay(benchmark::State& state) {
    for (auto _ : state) {
        int computerWins = 0;
        int unfinished = 0;
        constexpr int kGames = 2000;
        for (int i = 1; i <= kGames; ++i) {
            WholeGame whole(static_cast<uint32_t>(i));
            whole.PlayRandomCardsFor(1);
            unfinished += whole.PlayGame() ? 0 : 1;
            computerWins += APIs::Nib(hand.Score, 0) >= 10 ? 1 : 0;
        }
        std::printf("computer team win rate over %d games: %.3f (%d unfinished)\n", kGames,
                    static_cast<double>(computerWins) / kGames, unfinished);
    }
}
BENCHMARK(BM_WinRateAgainstRandomPlay)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
