#include "players/discard.h"

#include "calling_fixture.h"
#include "players/kitty_decisions.h"

namespace {

using DiscardTest = CallingFixture;

struct DiscardCase {
    const char* name;
    const char* cards;
    int trump;
    int position;
    const char* upCard;
    int trick;
    int loner;
    int expected;
};

TEST_F(DiscardTest, ChoosesTheCardToGiveUp) {
    const DiscardCase cases[] = {
        {"five trumps above the turned-up card keep it out", "JH JD AH KH QH", 0, 4, "9H", 0, 7,
         Logics::kKeepTurnedUpOut},
        {"a lower trump in hand goes instead", "JH JD AH KH TH", 0, 4, "QH", 0, 7, 4},
        {"a turned-up jack outranks every trump in hand", "JD AH KH QH TH", 0, 4, "JH", 0, 7, 4},
        {"outside the pick-up the lowest trump goes", "JH JD AH KH QH", 0, 1, "9H", 0, 7, 4},
        {"after the first trick the lowest trump goes", "JH JD AH KH QH", 0, 4, "9H", 2, 7, 4},
        {"a single nine goes first", "9C AH KH QH TD", 0, 1, "9S", 0, 7, 0},
        {"equal singles: the trump colour's goes", "TH TC AS KS QS", 3, 1, "9D", 0, 7, 1},
        {"equal singles: otherwise the first", "TC AH KH QH TD", 0, 1, "9S", 0, 7, 4},
        {"the dealer picks up over a lone king", "JH JD KS 9C TC", 0, 4, "AH", 0, 7, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        HandText::SetHand(1, c.cards);
        Calling(c.upCard, 1, 4, 1);
        hand.Tricks = Misc::NibSet(hand.Tricks, c.trick, 2);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, c.loner, 3);
        int32_t out = 99;
        EXPECT_EQ(Logics::Discard(hand.Hands, 1, c.position, c.trump, out, 0), c.expected);
        EXPECT_EQ(out, c.expected);
    }
}

TEST_F(DiscardTest, ASingleNineAgainstALonerRaisesTheSignal) {
    HandText::SetHand(1, "9C AD TD -- --");
    Calling("9S", 0, 1, 2);
    hand.Tricks = Misc::NibSet(hand.Tricks, 3, 2);
    hand.GenInf = Misc::Set3Bits(hand.GenInf, 0, 0);
    hand.GenInf = Misc::Set3Bits(hand.GenInf, 2, 2);
    hand.GenInf = Misc::Set3Bits(hand.GenInf, 2, 3);
    int32_t out = -1;
    EXPECT_EQ(Logics::Discard(hand.Hands, 1, 2, 0, out, 1), 0);
    EXPECT_TRUE(IsSet(flags.Stat1, Stat1Bits::DiscardNineSignal));
}

TEST_F(DiscardTest, GivingBackThePassedCardMarksIt) {
    HandText::SetHand(1, "JH JD AH KH QH");
    Calling("9S", 0, 1, 1);
    SetBit(hand.NibCounter, 1 << 28);
    hand.NibCounter = Misc::NibSet(hand.NibCounter, 0, 4);
    hand.NibCounter = Misc::NibSet(hand.NibCounter, 0, 5);
    const HandTable before = hand.Hands;
    int32_t out = -1;
    EXPECT_EQ(Logics::Discard(hand.Hands, 1, 3, 0, out, 0), 5);
    EXPECT_TRUE(IsSet(hand.NibCounter, 1 << 29));
    EXPECT_EQ(hand.Hands, before);
}

TEST_F(DiscardTest, TheBestKittyCardIsTrumpFirstThenRank) {
    HandText::SetKitty("KC 9H AS", kKittySeatCode);
    hand.GenInf = Misc::Set3Bits(hand.GenInf, 1, 0);
    EXPECT_EQ(Logics::BestKittyCard(0), 23);
    hand.GenInf = Misc::Set3Bits(hand.GenInf, 0, 0);
    EXPECT_EQ(Logics::BestKittyCard(0), 22);
    EXPECT_EQ(Logics::BestKittyCard(1), 23);
    HandText::SetKitty("KC 9H JD", kKittySeatCode);
    EXPECT_EQ(Logics::BestKittyCard(0), 23);
}

TEST_F(DiscardTest, SomeThreesOfAKindAreNeverTraded) {
    struct Case {
        const char* cards;
        int32_t rank, position, reason;
    };
    const Case cases[] = {
        {"JH JD JC 9S TS", CardFunctions::kJack, 1, 88},
        {"AH AD AC 9S TS", CardFunctions::kAce, 4, 89},
        {"JD QH QC QS 9S", CardFunctions::kQueen, 1, 87},  // the left bower is protected
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.cards);
        SetUp();
        HandText::SetHand(1, each.cards);
        Calling("9H", 0, 1, 1);
        EXPECT_EQ(Logics::TradeInDecision(each.rank, 1, each.position), 0);
        EXPECT_EQ(analysis.ReasonCode, each.reason);
    }
}

}  // namespace
