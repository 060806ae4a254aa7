#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/settings/player_settings.h"
#include "players/analysis_state.h"
#include "players/call_trump.h"
#include "players/discard.h"
#include "players/hand_dump_hook.h"
#include "players/kitty_decisions.h"
#include "players/loner_rating.h"
#include "players/main_logic.h"
#include "players/partners_best.h"
#include "players/play_help.h"
#include "players/redeal_test.h"
#include "support/game_snapshot.h"
#include "support/scripted_message_boxes.h"
#include "support/trick_table.h"

namespace {

void Reset() {
    hand = {};
    flags = {};
    flow = {};
    settings = {};
    analysis = {};
    tables = {};
    HandText::SetHand(1, "9D TD QD KS 9C");
    HandText::SetHand(2, "AD KD 9H TS JS");
    HandText::SetHand(3, "QS AS QC KC AC");
}

// The turned-up card, the dealer and the round; trump, maker and lone player when made.
void Table(const char* up, int dealer, int round, int trump = 7, int maker = 7, int lone = 7) {
    const auto [suit, rank] = HandText::ParseCard(up);
    hand.CardUp = Misc::NibSet(Misc::NibSet(Misc::NibSet(hand.CardUp, suit, 0), rank, 1), round, 2);
    for (auto [value, field] : {std::pair{dealer, 4}, {(4 - dealer) % 4, 7}, {round, 8},
                                {trump, 0}, {maker, 2}, {lone, 3}}) {
        hand.GenInf = Misc::Set3Bits(hand.GenInf, value, field);
    }
}

int32_t Call(int32_t last) {
    int32_t total = 0;
    return Logics::CallTrump(0, 0, last, total);
}

int32_t Thrown(int32_t position) {
    int32_t out = -1;
    return Logics::Discard(hand.Hands, 0, position, Misc::TrumpSuit(), out, 0);
}

struct StepCase {
    int32_t step;
    const char* cards;
    std::function<void()> setUp;
    // The computer's own decision from the same state, as the hint's target.
    std::function<int32_t()> computer;
};

class PlayHelpTest : public ::testing::Test {
  protected:
    void SetUp() override { Reset(); }
    void TearDown() override {
        Reset();
        LogicMain::InstallHandDump({});
    }
    ScriptedMessageBoxes boxes;
};

TEST_F(PlayHelpTest, EachQuestionGetsTheComputersAnswerAndTheHandIsPutBack) {
    const std::vector<StepCase> cases = {
        {1811, "JH JD JC AH 9S", [] {},
         [] { return Logics::TradeInDecision(2, 0, 0) == 1 ? 1 : 2; }},
        {1985, "JH JD AH KH 9S", [] { Table("QH", 1, 1); }, [] { return Call(0) >= 0 ? 1 : 2; }},
        {2070, "9C TC KS 9D TD", [] { Table("QH", 1, 2); },
         [] {
             hand.CardUp |= 1 << 30;
             const int32_t suit = Call(3);
             return suit >= 0 ? suit : 4;
         }},
        {2112, "JH JD AH KH QH", [] { Table("9H", 3, 1, 0, 0); },
         [] {
             Call(0);
             const int32_t rating = Logics::LonerRating(0, 0, 1);
             return rating != 11 && rating >= 2 ? 1 : 2;
         }},
        {2715, "JH AH KS 9C TD", [] { Table("9H", 0, 1, 0, 2); }, [] { return 80 + Thrown(4); }},
        {2915, "TH AS KS 9C TD", [] { Table("9H", 1, 1, 0, 2, 2); },
         [] { return 80 + Logics::PartnersBestCard(); }},
        {2960, "JH AH KH 9C TD AD", [] { Table("9H", 1, 1, 0, 0, 0); },
         [] { return 96 + Thrown(1); }},
        {5025, "9S TS 9C TC 9D",
         [] {
             Table("JH", 1, 1, 0, 1);
             settings.Opts2 |= 15 << 12;
         },
         [] {
             const int32_t seat = Logics::FindRedealHand(1);
             return (hand.CardUp & (1 << 29)) != 0 ? 0 : seat == 0 ? 1 : 2;
         }},
        {10050, "-- AC 9S TD RH",
         [] {
             TrickTable::Begin(0, 1, 3, 2, 2);
             TrickTable::PlayAll("9C KC");
             TrickTable::NextPosition();
         },
         [] {
             flags.Stat1 |= Stat1Bits::ComputerDecidesSouth;
             int32_t slot = 5;
             LogicMain::MainLogic(slot);
             return 4 * 16 + slot;
         }},
    };
    for (const StepCase& c : cases) {
        Reset();
        HandText::SetHand(0, c.cards);
        c.setUp();
        flow.Ptrg = c.step;
        const GameSnapshot before = Snapshot();
        const int32_t computer = c.computer();
        const int32_t reason = analysis.ReasonCode;
        hand = before.hand;
        flags = before.flags;
        analysis = before.analysis;

        ASSERT_TRUE(PlayHelp::FindAdvice(0)) << c.step;
        EXPECT_EQ(analysis.HintTarget, computer) << c.step;
        // The decisions that give their own reason explain the advice with it.
        if (reason != 0) {
            EXPECT_EQ(analysis.ReasonCode, reason) << c.step;
        }
        GameSnapshot after = Snapshot();
        after.analysis.ReasonCode = before.analysis.ReasonCode;
        after.analysis.HintTarget = before.analysis.HintTarget;
        EXPECT_TRUE(after == before) << c.step << ": the hint changed the game state";
    }
    for (int32_t step : {0, 2700, 10030}) {
        Reset();
        flow.Ptrg = step;
        const GameSnapshot before = Snapshot();
        EXPECT_FALSE(PlayHelp::FindAdvice(0)) << step;
        EXPECT_TRUE(Snapshot() == before) << step;
    }
}

TEST_F(PlayHelpTest, TrickLogicFailingTwiceGivesNoAdviceAndTheGameGoesOn) {
    tables.MessageTable[289] = "no card";
    tables.MessageTable[290] = "still no card";
    std::vector<int> dumps;
    LogicMain::InstallHandDump([&dumps](int mode) { dumps.push_back(mode); });
    TrickTable::Begin(0, 1, 3, 2, 2);
    HandText::SetHand(0, "-- -- -- -- --");
    TrickTable::PlayAll("9C KC");
    TrickTable::NextPosition();
    flow.Ptrg = 10050;
    const GameSnapshot before = Snapshot();

    EXPECT_FALSE(PlayHelp::FindAdvice(0));
    EXPECT_EQ(analysis.HintTarget, Analysis::kNoHintTarget);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].text, "no card");
    EXPECT_EQ(boxes.shown()[1].text, "still no card\r\nPlease report if possible.");
    EXPECT_EQ(dumps, std::vector<int>{1});
    EXPECT_FALSE(flow.QuitNow);
    EXPECT_EQ(flags, before.flags);
    EXPECT_EQ(hand, before.hand);
}

}  // namespace
