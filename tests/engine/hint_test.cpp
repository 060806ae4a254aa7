#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "engine/hint_request.h"
#include "platform/random_source.h"
#include "players/analysis_state.h"
#include "support/game_driver.h"
#include "support/game_snapshot.h"

namespace {

// The questions the hint answers; a right click there leaves the question standing.
const std::set<int32_t> kQuestions = {1811, 1813, 1985, 2070, 2112, 2715, 2720,
                                      2740, 2915, 2960, 2975, 5025, 10050};

enum class HintWay { None, RightClick, LearnMode };

// One game of a seeded deal with a human answering from its own picker, asking for a
// hint at every question the way given.
struct PlayedGame {
    std::vector<int32_t> steps;
    HandState lastHand;
    int32_t score = 0;
    int hints = 0;
    size_t windows = 0;
    size_t boxes = 0;
};

PlayedGame Play(uint32_t seed, HintWay way) {
    GameDriver game;
    SeededRandom random(seed);
    InstallRandomSource(&random);
    analysis = {};
    std::mt19937 picker(seed);
    PlayedGame played;
    if (way == HintWay::LearnMode) SetBit(flags.Stat1, Stat1Bits::LearnMode);
    flow.Ptrg = 1;
    flow.InputOpen = true;
    for (int calls = 0; calls < 20000 && flow.Ptrg != 14100 && !flow.QuitNow; ++calls) {
        if (way != HintWay::None && kQuestions.count(flow.Ptrg) != 0) {
            ++played.hints;
            if (way == HintWay::RightClick) {
                game.Door(2, 0);
            } else {
                GameSnapshot before = Snapshot();
                PlayHelp::GiveHint(0);
                GameSnapshot after = Snapshot();
                after.analysis.ReasonCode = before.analysis.ReasonCode;
                after.analysis.HintTarget = before.analysis.HintTarget;
                after.analysis.AdviceText = before.analysis.AdviceText;
                EXPECT_TRUE(after == before) << "the hint changed the game at " << flow.Ptrg;
            }
        }
        game.AnyInput(static_cast<int>(picker() % 11));
        played.steps.push_back(flow.Ptrg);
    }
    played.lastHand = hand;
    played.score = hand.Score;
    played.windows = game.table.hintTexts.size();
    played.boxes = game.boxes.shown().size();
    InstallRandomSource(nullptr);
    return played;
}

TEST(HintTest, TheSameSeedPlaysTheSameGameWithAndWithoutHints) {
    for (uint32_t seed : {3u, 41u}) {
        const PlayedGame plain = Play(seed, HintWay::None);
        ASSERT_EQ(plain.steps.back(), 14100) << "seed " << seed;
        for (HintWay way : {HintWay::RightClick, HintWay::LearnMode}) {
            const PlayedGame hinted = Play(seed, way);
            EXPECT_GT(hinted.hints, 10);
            EXPECT_EQ(hinted.steps, plain.steps) << "seed " << seed;
            EXPECT_EQ(hinted.lastHand, plain.lastHand);
            EXPECT_EQ(hinted.score, plain.score);
            EXPECT_EQ(hinted.boxes, 0u) << "the hint failed";
            // Only Learn Mode opens the window, once for each hint.
            EXPECT_EQ(hinted.windows,
                      way == HintWay::LearnMode ? static_cast<size_t>(hinted.hints) : 0u);
        }
    }
}

}  // namespace
