#include "engine/score_hand.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/end_early_check.h"
#include "engine/end_game.h"
#include "engine/model/end_early.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/statistics.h"
#include "engine/steps/discard_steps.h"
#include "platform/packed_fields.h"
#include "support/game_driver.h"
#include "support/hand_text.h"

namespace {

class ScoreHandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        stats = {};
        settings.SoundOn = true;
        for (int n = 100; n <= 118; ++n)
            tables.MessageTable[static_cast<size_t>(n)] = "M" + std::to_string(n);
    }
    void TearDown() override { stats = {}; }
    void Hand(int32_t maker, int32_t lone, int32_t ours, int32_t theirs) {
        hand.GenInf = Misc::Set3Bits(hand.GenInf, maker, 2);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, lone, 3);
        hand.Tricks = Misc::NibSet(Misc::NibSet(hand.Tricks, ours, 0), theirs, 1);
    }
    void SetScore(int32_t s0, int32_t s1) { hand.Score = s0 | s1 << 4; }
    int32_t Points(int team) const { return APIs::Nib(hand.Score, team); }
    GameDriver game;
};

TEST_F(ScoreHandTest, MarchesLonersAndSetsScoreAndCount) {
    Hand(0, 7, 5, 0);
    GamePlaySubs::ScoreHand();
    EXPECT_EQ(Points(0), 2);
    EXPECT_EQ(stats.SessionStats[10], 1);
    EXPECT_EQ(stats.AllSessionStats[9], 1);
    EXPECT_EQ(game.sounds.back(), 19);

    Hand(1, 1, 0, 5);
    GamePlaySubs::ScoreHand();
    EXPECT_EQ(Points(1), 4);
    EXPECT_EQ(stats.SessionStats[7 + 13], 1);
    EXPECT_EQ(game.sounds.back(), 18);

    Hand(3, 3, 3, 2);
    GamePlaySubs::ScoreHand();
    EXPECT_EQ(Points(0), 4);
    EXPECT_EQ(stats.SessionStats[7 * 3 + 11], 1);
    EXPECT_EQ(stats.SessionStats[36 + 3], 1);
    EXPECT_EQ(game.sounds.back(), 10);
    EXPECT_EQ(APIs::Nib(hand.Score, 2), 2);
}

TEST_F(ScoreHandTest, ALonerTakingFourScoresOneAndCountsAHandWonOnly) {
    Hand(2, 2, 4, 1);
    GamePlaySubs::ScoreHand();
    EXPECT_EQ(Points(0), 1);
    EXPECT_EQ(stats.SessionStats[7 * 2 + 9], 1);
    EXPECT_EQ(stats.SessionStats[7 * 2 + 13], 0);
    EXPECT_TRUE(game.sounds.empty());
}

TEST_F(ScoreHandTest, PointsStopAtTenAndTheLeadsAreKept) {
    SetScore(9, 8);
    Hand(0, 7, 5, 0);
    GamePlaySubs::ScoreHand();
    EXPECT_EQ(Points(0), 10);
    EXPECT_EQ(Points(1), 8);
    SetScore(0, 6);
    hand.Score = Misc::NibSet(hand.Score, 6, 2);
    Hand(1, 7, 2, 3);
    GamePlaySubs::ScoreHand();
    EXPECT_EQ(APIs::Nib(hand.Score, 2), 7);
}

TEST_F(ScoreHandTest, AReplayShowsTheResultButScoresAndCountsNothing) {
    SetBit(flags.Stat0, Stat0Bits::ReplayNoScore);
    SetScore(3, 4);
    Hand(0, 7, 5, 0);
    GamePlaySubs::ScoreHand();
    EXPECT_EQ(Points(0), 3);
    EXPECT_EQ(stats.SessionStats, decltype(stats.SessionStats){});
    EXPECT_EQ(game.sounds.back(), 19);
}

// The call is counted as play starts: forced calls too, a replayed hand's never.
TEST_F(ScoreHandTest, CallsAreCountedOnceAsPlayStarts) {
    struct Case {
        int32_t flags0;
        int32_t flags2;
        int32_t lone;
        std::vector<size_t> counted;
    };
    const Case cases[] = {
        {0, 0, 7, {1 * 7 + 8}},
        {0, Stat2Bits::MustCall, 7, {1 * 7 + 8, 1 * 7 + 14}},
        {0, Stat2Bits::MustCall | Stat2Bits::MustGoAlone, 1, {1 * 7 + 8, 1 * 7 + 12, 1 * 7 + 14}},
        {Stat0Bits::ReplayNoScore, Stat2Bits::MustCall, 1, {}},
    };
    for (const Case& each : cases) {
        stats = {};
        flags.Stat0 = each.flags0;
        flags.Stat2 = each.flags2;
        Hand(1, each.lone, 0, 0);
        int16_t button = 0;
        int16_t shift = 0;
        float x = 0;
        float y = 0;
        StepCall call{button, shift, x, y};
        GamePlay::Step7000(call);
        decltype(stats.SessionStats) expected{};
        for (size_t index : each.counted) expected[index] = 1;
        EXPECT_EQ(stats.SessionStats, expected) << each.flags0 << " " << each.flags2;
        EXPECT_EQ(stats.AllSessionStats, expected);
    }
}

TEST_F(ScoreHandTest, TheFirstPointsOfAGameSayWhichTeamScoredFirst) {
    SetBit(flags.Stat1, Stat1Bits::FirstPointsToThem);
    Hand(1, 7, 3, 2);
    GamePlaySubs::ScoreHand();
    EXPECT_FALSE(IsSet(flags.Stat1, Stat1Bits::FirstPointsToThem));
    Hand(0, 7, 0, 5);
    GamePlaySubs::ScoreHand();
    EXPECT_FALSE(IsSet(flags.Stat1, Stat1Bits::FirstPointsToThem));
}

TEST_F(ScoreHandTest, GameOverLinesForEachResult) {
    SetScore(10, 3);
    auto result = GamePlaySubs::GameOverResult(-1);
    EXPECT_EQ(result.Lines[2], "M106");
    EXPECT_EQ(result.Lines[3], "M10810");
    EXPECT_EQ(result.Lines[5], "M111M102");
    EXPECT_EQ(result.Sound, 32);
    EXPECT_EQ(stats.SessionStats[0], 1);
    EXPECT_EQ(stats.SessionStats[2], 1);

    SetScore(10, 9);
    hand.Score = Misc::NibSet(hand.Score, 6, 2);
    SetBit(flags.Stat1, Stat1Bits::FirstPointsToThem);
    result = GamePlaySubs::GameOverResult(-1);
    EXPECT_EQ(result.Lines[5], "M112");
    EXPECT_EQ(result.Sound, 31);
    EXPECT_EQ(stats.SessionStats[3], 1);
    EXPECT_EQ(stats.SessionStats[1], 1);

    SetScore(8, 10);
    result = GamePlaySubs::GameOverResult(0);
    EXPECT_EQ(result.Lines[2], "M107");
    EXPECT_EQ(result.Lines[5], "M113");
    EXPECT_EQ(result.Sound, 15);
    EXPECT_EQ(stats.SessionStats[4], 0);

    settings.Opts1 |= 3 << 27;
    SetScore(1, 10);
    result = GamePlaySubs::GameOverResult(-1);
    EXPECT_EQ(result.Lines[5], "M110M105");
    EXPECT_EQ(result.Sound, 16);
    EXPECT_EQ(stats.SessionStats[7], 1);
    EXPECT_EQ(stats.SessionStats[4], 1);
}

class EndEarlyTest : public ScoreHandTest {
  protected:
    // Hearts trump, seat 0 the maker.
    void Deal(std::vector<std::string_view> hands, int32_t ours, int32_t theirs) {
        hand.GenInf = Misc::Set3Bits(hand.GenInf, 0, 0);
        Hand(0, 7, ours, theirs);
        hand.Tricks = Misc::NibSet(hand.Tricks, ours + theirs, 2);
        for (int seat = 0; seat < 4; ++seat)
            HandText::SetHand(seat, hands[static_cast<size_t>(seat)]);
    }
};

TEST_F(EndEarlyTest, SettledHandsEndWithTheirCodes) {
    Deal({"RH 9C", "9S TS", "QC KC", "AD KD"}, 2, 1);
    EXPECT_EQ(GamePlaySubs::CheckEndEarly(), 3);
    EXPECT_EQ(Misc::Get3Bits(hand.Leader, 3), 7);
    Deal({"9C", "9S", "QC", "AD"}, 3, 1);
    EXPECT_EQ(GamePlaySubs::EndEarlyCode(), 1);
    Deal({"9C TC", "9S TS", "QC KC", "AD KD"}, 0, 3);
    EXPECT_EQ(GamePlaySubs::EndEarlyCode(), 2);
    Deal({"9C TC", "9S TS", "QC KC", "AD KD"}, 1, 1);
    EXPECT_EQ(GamePlaySubs::EndEarlyCode(), 0);
}

TEST_F(EndEarlyTest, WithTheJokerTheRightBowerIsNoLongerTheTopTrump) {
    settings.Opts2 |= 1 << 19;
    Deal({"RH 9C", "9S TS", "QC KC", "AD KD"}, 2, 1);
    EXPECT_EQ(GamePlaySubs::EndEarlyCode(), 0);
}

TEST_F(EndEarlyTest, MakersAtNineWithNoDefenderTrickPlayOnUnderTheHouseRule) {
    settings.Opts3 |= 1 << 14;
    SetScore(9, 0);
    Deal({"RH LH 9C", "9S TS QS", "QC KC AC", "AD KD QD"}, 2, 0);
    EXPECT_EQ(GamePlaySubs::EndEarlyCode(), 0);
}

}  // namespace
