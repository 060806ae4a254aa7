#include "players/hand_total.h"

#include "calling_fixture.h"
#include "engine/model/state/tables.h"

namespace {

using HandTotalTest = CallingFixture;

struct TotalCase {
    const char* name;
    const char* cards;
    int seat;
    int suit;
    const char* upCard;
    int dealer;
    int position;
    int round;
    int optionBit;
    int expected;
};

TEST_F(HandTotalTest, ScoresHandsByTheRules) {
    const TotalCase cases[] = {
        {"both bowers and the ace, next to the dealer", "JS JC AS 9D TD", 1, 3, "9H", 0, 1, 2, -1,
         47},
        {"a ten turned up for an opponent rounds -2.5 to -2", "9C TC QC KS 9S", 1, 0, "TH", 0, 1, 1,
         -1, 0},
        {"a nine turned up for an opponent", "9C TC QC KS 9S", 1, 0, "9H", 0, 1, 1, -1, 0},
        {"the dealer's partner gets 3/4 of an ace", "9C TC QC KS 9S", 2, 0, "AH", 0, 2, 1, -1, 10},
        {"under the Canada rule 1/4 of an ace, 2.5 to 2", "9C TC QC KS 9S", 2, 0, "AH", 0, 2, 1, 0,
         4},
        {"a turned-up jack costs an opponent 11", "9C TC QC KS 9S", 1, 0, "JH", 0, 1, 1, -1, -9},
        {"the dealer picks up the ace over a lone king", "JH JD KS 9C TC", 0, 0, "AH", 0, 4, 1, -1,
         46},
        {"the partner's-best bonus above 30", "JS JC AS 9D TD", 1, 3, "9H", 0, 1, 2, 2, 57},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        HandText::SetHand(c.seat, c.cards);
        Calling(c.upCard, c.dealer, c.position, c.round);
        if (c.optionBit >= 0) Option2(c.optionBit);
        EXPECT_EQ(Logics::HandTotal(c.seat, c.suit), c.expected);
    }
}

TEST_F(HandTotalTest, TheDealersPickUpIsSimulatedOnACopy) {
    HandText::SetHand(0, "JH JD KS 9C TC");
    Calling("AH", 0, 4, 1);
    const HandState before = hand;
    Logics::HandTotal(0, 0);
    EXPECT_EQ(hand, before);
    EXPECT_TRUE(SuitBit(0, 1));
    EXPECT_TRUE(SuitBit(0, 4));
    EXPECT_TRUE(SuitBit(0, 18));
}

TEST_F(HandTotalTest, KeepingTheTurnedUpCardLeavesTheCopyAsDealt) {
    // Five trumps above the nine: the dealer gives up the nine itself.
    HandText::SetHand(0, "JH JD AH KH QH");
    Calling("9H", 0, 4, 1);
    EXPECT_EQ(Logics::HandTotal(0, 0), 16 + 12 + 10 + 8 + 7 + 11 - 3 + 1);
}

TEST_F(HandTotalTest, AnOpponentAtNinePointsAddsFour) {
    HandText::SetHand(1, "9C TC QC KS 9S");
    Calling("9H", 0, 1, 1);
    const int32_t level = Logics::HandTotal(1, 0);
    hand.Score = Misc::NibSet(hand.Score, 9, 0);
    EXPECT_EQ(Logics::HandTotal(1, 0), level + 4);
    EXPECT_TRUE(SuitBit(0, 11));
}

TEST_F(HandTotalTest, ATurnedUpJokerCountsWithItsNamedSuit) {
    Option2(19);
    HandText::SetHand(0, "9C TC QC KS 9S");
    Calling("BJ", 2, 2, 1);
    hand.CardUp = Misc::NibSet(hand.CardUp, 2, 3);
    Logics::HandTotal(0, 2);
    EXPECT_FALSE(flow.QuitNow);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_TRUE(SuitBit(2, 12));

    hand.CardUp = Misc::NibSet(hand.CardUp, 7, 3);
    Logics::HandTotal(0, 2);
    EXPECT_FALSE(flow.QuitNow);
}

TEST_F(HandTotalTest, ASuitTheDeckCannotHoldIsACorruptHand) {
    tables.MessageTable[293] = "Bad hand.";
    tables.MessageTable[294] = "Closing.";
    HandText::SetHand(0, "9C TC QC KS 9S");
    Calling("9H", 2, 2, 1);
    hand.CardUp = Misc::NibSet(hand.CardUp, 5, 0);
    EXPECT_EQ(Logics::HandTotal(0, 2), 0);
    EXPECT_TRUE(flow.QuitNow);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Bad hand.\nClosing.");
    tables = {};
}

}  // namespace
