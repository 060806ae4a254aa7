#include "players/tie_break.h"

#include "engine/model/suit_knowledge.h"
#include "trick_fixture.h"

namespace {

constexpr int32_t kHearts = 0, kClubs = 2, kSpades = 3;

class TieBreakTest : public TrickPlayTest {};

TEST_F(TieBreakTest, TheAceOfTheSuitNobodyLedIsKeptWhicheverSlotItIsIn) {
    HandText::SetHand(1, "AC AS 9H TH QD");
    for (auto [led, kept] : {std::pair{kClubs, 1}, std::pair{kSpades, 0}}) {
        hand.SutLedInf = CardFunctions::SetSeatSuitFlag(2, led, kNewHandSuitWord);
        int32_t b = 0;
        LogicMain::BreakTie(1, LogicMain::CountSuits(1), kHearts, 1, b);
        EXPECT_EQ(b, kept);
    }
}

TEST_F(TieBreakTest, TheSingletonAceBeatsTheGuardedOne) {
    HandText::SetHand(1, "AC 9C AS 9H TH");
    int32_t b = 0;
    LogicMain::BreakTie(1, LogicMain::CountSuits(1), kHearts, 2, b);
    EXPECT_EQ(b, 2);
}

TEST_F(TieBreakTest, EqualSuitsKeepTheAceAwayFromTrumpsColour) {
    // Trump hearts: diamonds is its colour, clubs is not.
    HandText::SetHand(1, "AD AC 9H TH QH");
    int32_t b = 0;
    LogicMain::BreakTie(1, LogicMain::CountSuits(1), kHearts, 1, b);
    EXPECT_EQ(b, 1);
    b = 1;
    LogicMain::BreakTie(1, LogicMain::CountSuits(1), kHearts, 0, b);
    EXPECT_EQ(b, 1);
}

TEST_F(TieBreakTest, TheBossTestWalksTheTrumpRanks) {
    struct Case {
        const char* name;
        std::string_view cards;
        int32_t trick;
        bool top;
        std::function<void()> extra;
        int32_t slot;
        int32_t reason;
    };
    const std::vector<Case> cases = {
        {"the ace with both bowers played", "AH 9C TC KS", 2, false,
         [] {
             hand.CardsPlayed[1] = 0 | (8 << 4);
             hand.CardsPlayed[2] = 0 | (7 << 4);
             hand.CardsPlayedCount = 4;
         },
         0, 42},
        {"the same with the top flag", "AH 9C TC KS", 2, true, [] {}, 0, 43},
        {"a king of trump at trick 2 leads the best off-suit card", "KH 9C AS TD", 2, false, [] {},
         2, 47},
        {"late in the hand every missing rank is no threat", "9H TC", 4, false, [] {}, 0, 42},
        {"both opponents out of trump", "QH 9C TC KS", 2, false,
         [] {
             hand.SutOutInf = CardFunctions::SetSeatSuitFlag(2, kHearts, 0);
             hand.SutOutInf = CardFunctions::SetSeatSuitFlag(0, kHearts, hand.SutOutInf);
         },
         0, 44},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        Reset();
        HandText::SetHand(1, each.cards);
        each.extra();
        int32_t chosen = 5;
        LogicMain::LeadBossTest(1, kHearts, each.trick, LogicMain::CountSuits(1), each.top, 0,
                                chosen);
        EXPECT_EQ(chosen, each.slot);
        EXPECT_EQ(analysis.ReasonCode, each.reason);
    }
}

}  // namespace
