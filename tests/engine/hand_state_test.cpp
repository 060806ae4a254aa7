#include "engine/model/state/hand_state.h"

#include <gtest/gtest.h>

#include "engine/game_play.h"
#include "engine/model/state/run_flags.h"
#include "platform/packed_fields.h"
#include "render/headless_table.h"

TEST(HandState, NewHandWordsHoldTheirNoneValues) {
    const HandState fresh;
    EXPECT_EQ(fresh.GenInf, 0x381FFFFF);
    for (int field = 0; field <= 6; ++field) EXPECT_EQ(Misc::Get3Bits(fresh.GenInf, field), 7);
    EXPECT_EQ(Misc::Get3Bits(fresh.GenInf, 9), 7);
    EXPECT_EQ(APIs::Nib(fresh.CardUp, 6), 9);
    EXPECT_EQ(APIs::Nib(fresh.Tricks, 3), 7);
    EXPECT_EQ(Misc::Get3Bits(fresh.SutLedInf, 9), 1);
    EXPECT_EQ(fresh.CardsPlayed[33], 61695);
    EXPECT_EQ(fresh.Trk[4], 247);
    // A deal by north changes only the dealer field.
    EXPECT_EQ(Misc::Set3Bits(fresh.GenInf, 2, 4), 0x381FFFFF - (5 << 12));
}

TEST(RunFlagsFields, SwapMarksLiveBesideTheGameBit) {
    RunFlags word;
    SetBit(word.Stat2, Stat2Bits::GameInProgress);
    SetField(word.Stat2, Stat2Bits::SwapMarkCount, 3);
    EXPECT_EQ(word.Stat2 & 0x6, 0x6);
    EXPECT_EQ(GetField(word.Stat2, Stat2Bits::SwapMarkCount), 3);
    SetField(word.Stat0, Stat0Bits::OptionsPage, 2);
    EXPECT_EQ(word.Stat0, 64);
    word.Stat2 &= ~0xFE;
    EXPECT_EQ(word.Stat2, Stat2Bits::GameInProgress);
}

TEST(ResetHandFlags, ClearsThePerHandRequestsAndTheButtonTags) {
    HeadlessTable table;
    ChoiceButton replay = table.Choice(4);
    replay.Tag = "R";
    table.SetChoice(4, replay);
    flags.Stat0 =
        Stat0Bits::ReplayRequested | Stat0Bits::ReplayRunning | Stat0Bits::MainGameRunning;
    flags.Stat1 = Stat1Bits::ReviewRequested | Stat1Bits::LearnMode;
    hand.TradedBest = {{{1, 2}, {3, 4}}};
    GamePlay::ResetHandFlags();
    EXPECT_EQ(flags.Stat0, Stat0Bits::MainGameRunning);
    EXPECT_EQ(flags.Stat1, Stat1Bits::LearnMode);
    EXPECT_EQ(table.Choice(4).Tag, "");
    EXPECT_EQ(hand.TradedBest[1][0], -1);
    flags = {};
    hand = {};
}
