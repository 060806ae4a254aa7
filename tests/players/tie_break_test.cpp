#include "players/tie_break.h"

#include "engine/model/suit_knowledge.h"
#include "trick_fixture.h"

namespace {

constexpr int32_t kHearts = 0, kClubs = 2, kSpades = 3;

class TieBreakTest : public TrickPlayTest {};

TEST_F(TieBreakTest, TheBetterSuitToLeadTakesTheTie) {
    struct Case {
        const char* name;
        std::string_view cards;
        int32_t ledBySeat2;  // a suit North led before, or -1
        int32_t a, b, expected;
    };
    const Case cases[] = {
        // Whichever slot it is in, the ace of the suit nobody led is kept.
        {"clubs led: the spade ace", "AC AS 9H TH QD", kClubs, 1, 0, 1},
        {"spades led: the club ace", "AC AS 9H TH QD", kSpades, 1, 0, 0},
        {"the singleton ace beats the guarded one", "AC 9C AS 9H TH", -1, 2, 0, 2},
        // Trump hearts: diamonds is its colour, clubs is not.
        {"equal suits: the ace away from trump's colour", "AD AC 9H TH QH", -1, 1, 0, 1},
        {"the same the other way round", "AD AC 9H TH QH", -1, 0, 1, 1},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        Reset();
        HandText::SetHand(1, each.cards);
        if (each.ledBySeat2 >= 0)
            hand.SutLedInf = CardFunctions::SetSeatSuitFlag(2, each.ledBySeat2, kNewHandSuitWord);
        int32_t b = each.b;
        LogicMain::BreakTie(1, LogicMain::CountSuits(1), kHearts, each.a, b);
        EXPECT_EQ(b, each.expected);
    }
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
