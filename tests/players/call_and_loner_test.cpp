#include "calling_fixture.h"
#include "engine/model/state/tables.h"
#include "players/call_trump.h"
#include "players/loner_rating.h"

namespace {

using CallTrumpTest = CallingFixture;
using LonerRatingTest = CallingFixture;

TEST_F(CallTrumpTest, ARefusedSuitGivesNoCallAndNoTotal) {
    settings.Opts2 |= 2 << 3;
    HandText::SetHand(1, "JS JC AS KS QS");
    Calling("9H", 0, 1, 1);
    int32_t total = -1;
    EXPECT_EQ(Logics::CallTrump(1, 0, 0, total), -1);
    EXPECT_EQ(total, 0);
}

TEST_F(CallTrumpTest, RoundTwoNeverNamesTheTurnedDownSuit) {
    HandText::SetHand(1, "JH JD AH KH QH");
    Calling("9H", 0, 1, 2);
    SetBit(hand.CardUp, 1 << 30);
    int32_t total = 0;
    const int32_t suit = Logics::CallTrump(1, 0, 3, total);
    EXPECT_NE(suit, 0);
    EXPECT_GE(suit, 0);
}

TEST_F(CallTrumpTest, AStrongHandCallsAndRecordsItsRating) {
    HandText::SetHand(1, "JH JD AH KH QH");
    Calling("9H", 0, 1, 1);
    SetBit(hand.CardUp, 1 << 28);
    int32_t total = 0;
    EXPECT_EQ(Logics::CallTrump(1, 0, 0, total), 0);
    EXPECT_GT(total, 40);
    EXPECT_EQ(APIs::Nib(hand.NibCounter, 6), 10);
}

TEST_F(CallTrumpTest, AForcedSeatTakesTheHighestTotalAndATieKeepsTheEarlierSuit) {
    SetBit(flags.Stat2, Stat2Bits::MustCall);
    HandText::SetHand(0, "9D TD 9S TS QC");
    Calling("9H", 0, 4, 2);
    int32_t total = 0;
    // Diamonds and spades score alike; the later suit is not diamonds' colour partner.
    EXPECT_EQ(Logics::CallTrump(0, 0, 3, total), 1);
    EXPECT_TRUE(analysis.SuitAnalysis[3] & 1);
}

TEST_F(CallTrumpTest, TheTrialTrumpIsPutBackEvenWhenTheHandIsCorrupt) {
    HandText::SetHand(1, "JH JD AH KH QH");
    Calling("9H", 0, 1, 2);
    hand.GenInf = Misc::Set3Bits(hand.GenInf, 7, 0);
    hand.CardUp = Misc::NibSet(hand.CardUp, 5, 0);
    int32_t total = 0;
    EXPECT_EQ(Logics::CallTrump(1, 0, 3, total), -1);
    EXPECT_TRUE(flow.QuitNow);
    EXPECT_EQ(Misc::Get3Bits(hand.GenInf, 0), 7);
}

TEST_F(CallTrumpTest, EasierOpponentsUseTheirOwnThreshold) {
    settings.Opts1 = 0x40;
    settings.Kind = 0xFFFF;
    HandText::SetHand(1, "JS QS 9S 9D TD");
    Calling("9H", 0, 1, 2);
    int32_t total = 0;
    EXPECT_EQ(Logics::CallTrump(1, 3, 3, total), 3);
}

TEST_F(LonerRatingTest, RatesHandsByTheirTrumps) {
    struct Case {
        const char* name;
        const char* cards;
        const char* upCard;
        int position;
        int optionBit;
        int expected;
    } cases[] = {
        {"five top trumps", "JH JD AH KH QH", "9S", 1, -1, 10},
        {"the three top trumps with weak cards", "JH JD AH 9C TS", "9S", 3, -1, 11},
        {"four trumps with the partner's card assumed", "JH AH KH 9S TC", "9S", 3, 2, 2},
        {"a jack turned up in the suit, opponent of the dealer", "JD AH KH QH TH", "JH", 1, -1, 0},
        {"the same when every caller must go alone", "JD AH KH QH TH", "JH", 1, 27, 9},
        {"a weak hand", "9H TH QC KS 9S", "9S", 1, -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        HandText::SetHand(1, c.cards);
        Calling(c.upCard, 0, c.position, 1);
        if (c.optionBit >= 0) Option2(c.optionBit);
        EXPECT_EQ(Logics::LonerRating(1, 0, c.position), c.expected);
    }
}

TEST_F(LonerRatingTest, ATurnedUpJackMarksTheNoLonerBit) {
    HandText::SetHand(3, "JD AH KH QH TH");
    Calling("JH", 0, 3, 1);
    EXPECT_EQ(Logics::LonerRating(3, 0, 3), 0);
    EXPECT_EQ(analysis.LonerAnalysis, 1);
}

}  // namespace
