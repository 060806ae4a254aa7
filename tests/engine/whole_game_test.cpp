#include "support/whole_game.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A spread of house rules chosen by the seed: ending early, the joker, stick the
// dealer, loner leads and the like.
void HouseRules(uint32_t seed) {
    const int32_t pick = static_cast<int32_t>(seed * 2654435761u >> 8);
    settings.Opts1 |= (pick & 1) << 16 | (pick & 2) << 16;
    settings.Opts2 |= (pick & 4) << 17 | (pick & 8) << 19 | (pick & 16) << 21;
    settings.Opts3 |= (pick & 32) << 9;
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
