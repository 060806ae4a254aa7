#include "support/whole_game.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <utility>

namespace {

// A spread of house rules chosen by the seed: ending early, the joker, stick the
// dealer, loner leads, trading three of a kind, the partner's best card, the kitty
// swap, "No First Blood" and the like.
void HouseRules(uint32_t seed) {
    const uint32_t pick = seed * 2654435761u >> 8;
    const std::array<std::pair<int32_t*, int>, 12> rules{{
        {&settings.Opts1, 16},
        {&settings.Opts1, 17},
        {&settings.Opts2, 19},
        {&settings.Opts2, 22},
        {&settings.Opts2, 25},
        {&settings.Opts3, 14},
        {&settings.Opts2, 1},
        {&settings.Opts2, 2},
        {&settings.Opts2, 16},
        {&settings.Opts2, 20},
        {&settings.Opts2, 21},
        {&settings.Opts3, 13},
    }};
    for (size_t i = 0; i < rules.size(); ++i) {
        if ((pick >> i & 1) != 0) *rules[i].first |= 1 << rules[i].second;
    }
}

int GamesToPlay(int byDefault) {
    const char* count = std::getenv("KAVLOR_WHOLE_GAMES");
    return count ? std::atoi(count) : byDefault;
}

int FailedGames(WholeGame::Mode mode, int games) {
    int failed = 0;
    for (int i = 1; i <= games; ++i) {
        const auto seed = static_cast<uint32_t>(i);
        WholeGame whole(seed);
        HouseRules(seed);
        if (!whole.PlayGame(mode)) {
            if (++failed <= 5) ADD_FAILURE() << "seed " << seed << ": " << whole.failures.front();
        }
    }
    return failed;
}

TEST(WholeGameTest, DemoGamesEndWithATeamAtTenAndNoInvariantBroken) {
    EXPECT_EQ(FailedGames(WholeGame::Mode::Demo, GamesToPlay(500)), 0);
}

TEST(WholeGameTest, GamesWithAScriptedHumanEndWithNoInvariantBroken) {
    EXPECT_EQ(FailedGames(WholeGame::Mode::Human, GamesToPlay(500)), 0);
}

TEST(WholeGameTest, RefusedInputsOfAFuzzingHumanChangeNothing) {
    EXPECT_EQ(FailedGames(WholeGame::Mode::Fuzz, GamesToPlay(500)), 0);
}

// Without waits, sounds or the play-again question, a finished game hands over to the
// next one at once.
TEST(WholeGameTest, FastDemoGamesEndAndTheNextGameStartsAtOnce) {
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        WholeGame whole(seed);
        HouseRules(seed);
        SetBit(flags.Stat2, Stat2Bits::FastMode);
        EXPECT_TRUE(whole.PlayGame()) << seed << ": " << whole.failures.front();
        EXPECT_EQ(flow.Ptrg, 25);
    }
}

TEST(WholeGameTest, TheSameSeedPlaysTheSameGameMoveForMove) {
    const auto play = [](uint32_t seed) {
        WholeGame whole(seed);
        HouseRules(seed);
        whole.PlayGame();
        return std::make_pair(whole.moves, whole.game.trace);
    };
    const auto first = play(77);
    EXPECT_EQ(first, play(77));
    EXPECT_NE(first.first, play(78).first);
}

}  // namespace
