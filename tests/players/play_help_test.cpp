#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/packed_fields.h"
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
#include "support/hand_text.h"
#include "support/scripted_message_boxes.h"
#include "support/trick_table.h"

namespace {

// Everything the hint could disturb, compared whole.
struct GameState {
    HandState hand;
    RunFlags flags;
    FlowState flow;
    Analysis analysis;

    bool operator==(const GameState&) const = default;
};

GameState Snapshot() {
    return {hand, flags, flow, analysis};
}

void Restore(const GameState& state) {
    hand = state.hand;
    flags = state.flags;
    flow = state.flow;
    analysis = state.analysis;
}

struct Answer {
    int32_t target;
    int32_t reason;
};

class PlayHelpTest : public ::testing::Test {
  protected:
    void SetUp() override { Reset(); }
    void TearDown() override {
        Reset();
        LogicMain::InstallHandDump({});
    }
    static void Reset() {
        hand = {};
        flags = {};
        flow = {};
        settings = {};
        analysis = {};
        tables = {};
        for (int seat = 0; seat < 4; ++seat) HandText::SetHand(seat, "");
    }
    // Calling with the turned-up card, the dealer and the round.
    static void Calling(const char* up, int dealer, int round) {
        const auto [suit, rank] = HandText::ParseCard(up);
        hand.CardUp = Misc::NibSet(Misc::NibSet(hand.CardUp, suit, 0), rank, 1);
        hand.CardUp = Misc::NibSet(hand.CardUp, round, 2);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, dealer, 4);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, (4 - dealer) % 4, 7);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, round, 8);
        hand.Tricks = Misc::NibSet(hand.Tricks, 0, 2);
    }
    static void DealSeats() {
        HandText::SetHand(1, "9D TD QD KS 9C");
        HandText::SetHand(2, "AD KD 9H TS JS");
        HandText::SetHand(3, "QS AS QC KC AC");
    }

    ScriptedMessageBoxes boxes;
};

struct StepCase {
    const char* name;
    int32_t step;
    std::function<void()> setUp;
    // The computer's own answer from the same state, in the hint's terms.
    std::function<Answer()> computer;
};

int32_t Trump() {
    return Misc::TrumpSuit();
}

TEST_F(PlayHelpTest, EachQuestionGetsTheComputersAnswerAndTheHandIsPutBack) {
    const std::vector<StepCase> cases = {
        {"three of a kind", 1811,
         [] { HandText::SetHand(0, "JH JD JC AH 9S"); },
         [] {
             const int32_t trade = Logics::TradeInDecision(CardFunctions::FindThreeOfAKind(0), 0,
                                                           APIs::Nib(hand.NibCounter, 0));
             return Answer{trade == 1 ? 1 : 2, analysis.ReasonCode};
         }},
        {"order up", 1985,
         [] {
             Calling("QH", 1, 1);
             HandText::SetHand(0, "JH JD AH KH 9S");
         },
         [] {
             int32_t total = 0;
             const int32_t suit = Logics::CallTrump(0, 0, 0, total);
             return Answer{suit >= 0 ? 1 : 2, 0};
         }},
        {"which suit", 2070,
         [] {
             Calling("QH", 1, 2);
             HandText::SetHand(0, "9C TC KS 9D TD");
         },
         [] {
             hand.CardUp |= 1 << 30;
             int32_t total = 0;
             const int32_t suit = Logics::CallTrump(0, 0, 3, total);
             return Answer{suit >= 0 ? suit : 4, 0};
         }},
        {"go alone", 2112,
         [] {
             Calling("9H", 3, 1);
             hand.GenInf = Misc::Set3Bits(Misc::Set3Bits(hand.GenInf, 0, 0), 0, 2);
             HandText::SetHand(0, "JH JD AH KH QH");
         },
         [] {
             int32_t total = 0;
             Logics::CallTrump(0, 0, 0, total);
             const int32_t rating = Logics::LonerRating(0, 0, Misc::GenInfField7());
             return Answer{rating != 11 && rating >= 2 ? 1 : 2, 0};
         }},
        {"dealer's discard", 2715,
         [] {
             Calling("9H", 0, 1);
             hand.GenInf = Misc::Set3Bits(Misc::Set3Bits(hand.GenInf, 0, 0), 2, 2);
             HandText::SetHand(0, "JH AH KS 9C TD");
         },
         [] {
             int32_t out = -1;
             const int32_t slot = Logics::Discard(hand.Hands, 0, 4, Trump(), out, 0);
             return Answer{80 + slot, slot == 6 ? 140 : 102};
         }},
        {"partner's best", 2915,
         [] {
             Calling("9H", 1, 1);
             hand.GenInf = Misc::Set3Bits(Misc::Set3Bits(hand.GenInf, 0, 0), 2, 3);
             hand.GenInf = Misc::Set3Bits(hand.GenInf, 2, 2);
             HandText::SetHand(0, "TH AS KS 9C TD");
         },
         [] { return Answer{80 + Logics::PartnersBestCard(), analysis.ReasonCode}; }},
        {"loner gives back", 2960,
         [] {
             Calling("9H", 1, 1);
             hand.GenInf = Misc::Set3Bits(Misc::Set3Bits(hand.GenInf, 0, 0), 0, 3);
             HandText::SetHand(0, "JH AH KH 9C TD AD");
         },
         [] {
             int32_t out = -1;
             return Answer{96 + Logics::Discard(hand.Hands, 0, 1, Trump(), out, 0), 102};
         }},
        {"redeal", 5025,
         [] {
             Calling("JH", 1, 1);
             hand.GenInf = Misc::Set3Bits(Misc::Set3Bits(hand.GenInf, 0, 0), 1, 2);
             settings.Opts2 |= (1 << 12) | (1 << 13) | (1 << 14) | (1 << 15);
             HandText::SetHand(0, "9S TS 9C TC 9D");
         },
         [] {
             const int32_t seat = Logics::FindRedealHand(1);
             if ((hand.CardUp & (1 << 29)) != 0) return Answer{0, analysis.ReasonCode};
             return Answer{seat == 0 ? 1 : 2, analysis.ReasonCode};
         }},
        {"card to play", 10050,
         [] {
             TrickTable::Begin(0, 1, 3, 2, 2);
             HandText::SetHand(0, "-- AC 9S TD RH");
             TrickTable::PlayAll({"9C", "KC"});
             TrickTable::NextPosition();
         },
         [] {
             flags.Stat1 |= Stat1Bits::ComputerDecidesSouth;
             int32_t slot = 5;
             LogicMain::MainLogic(slot);
             return Answer{4 * 16 + slot, analysis.ReasonCode};
         }},
    };
    for (const StepCase& c : cases) {
        Reset();
        DealSeats();
        c.setUp();
        flow.Ptrg = c.step;
        analysis.ReasonCode = 0;
        const GameState before = Snapshot();
        const Answer computer = c.computer();
        Restore(before);

        ASSERT_TRUE(PlayHelp::FindAdvice(0)) << c.name;
        EXPECT_EQ(analysis.HintTarget, computer.target) << c.name;
        if (computer.reason != 0) {
            EXPECT_EQ(analysis.ReasonCode, computer.reason) << c.name;
        }
        GameState after = Snapshot();
        after.analysis.ReasonCode = before.analysis.ReasonCode;
        after.analysis.HintTarget = before.analysis.HintTarget;
        EXPECT_TRUE(after == before) << c.name << ": the hint changed the game state";
    }
}

TEST_F(PlayHelpTest, OnlyLearnModeComposesTheCallingAdvice) {
    for (bool learn : {false, true}) {
        Reset();
        for (size_t n = 209; n <= 265; ++n) tables.MessageTable[n] = "<" + std::to_string(n) + ">";
        if (learn) SetBit(flags.Stat1, Stat1Bits::LearnMode);
        DealSeats();
        Calling("QH", 1, 1);
        HandText::SetHand(0, "9C TC 9S 9D TD");
        flow.Ptrg = 1985;
        analysis.ReasonCode = 7;
        ASSERT_TRUE(PlayHelp::FindAdvice(0));
        EXPECT_EQ(analysis.HintTarget, 2);
        EXPECT_EQ(analysis.ReasonCode, learn ? 100 : 7);
        const std::string& text = analysis.AdviceText;
        if (learn) {
            ASSERT_GE(text.size(), 5u);
            EXPECT_EQ(text.substr(text.size() - 5), "<237>");
        } else {
            EXPECT_TRUE(text.empty());
        }
    }
}

TEST_F(PlayHelpTest, StepsWithoutAQuestionGiveNoAdvice) {
    for (int32_t step : {0, 2700, 10030, 12345}) {
        flow.Ptrg = step;
        const GameState before = Snapshot();
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
    TrickTable::PlayAll({"9C", "KC"});
    TrickTable::NextPosition();
    flow.Ptrg = 10050;
    const GameState before = Snapshot();

    EXPECT_FALSE(PlayHelp::FindAdvice(0));
    EXPECT_EQ(analysis.HintTarget, Analysis::kNoHintTarget);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].text, "no card");
    EXPECT_EQ(boxes.shown()[1].text, "still no card\r\nPlease report if possible.");
    EXPECT_EQ(dumps, std::vector<int>{1});
    EXPECT_FALSE(flow.QuitNow);
    EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::RecoveryCall));
    EXPECT_FALSE(IsSet(flags.Stat1, Stat1Bits::ComputerDecidesSouth));
    EXPECT_EQ(hand, before.hand);
}

}  // namespace
