#include "engine/model/trick_card.h"

#include <gtest/gtest.h>

#include "engine/model/card_codes.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/suit_knowledge.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "support/trick_table.h"

namespace {

using CardFunctions::TestSeatSuitFlag;

constexpr int32_t kHearts = 0, kDiamonds = 1, kClubs = 2, kSpades = 3;

class TrickCardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        hand = {};
        settings = {};
    }
    void TearDown() override { hand = {}; }

    // Trick `trick` led by `leader` under `trump`; the dealer sits before the first leader.
    void StartTrick(int32_t trump, int32_t leader, int32_t trick = 1) {
        hand.GenInf = Misc::Set3Bits(hand.GenInf, trump, 0);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, 3, 4);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, 7, 6);
        hand.Leader = Misc::Set3Bits(hand.Leader, leader, trick - 1);
        hand.Tricks = Misc::NibSet(kNewHandTricks, trick, 2);
        hand.CardsPlayedCount = 4 * (trick - 1);
    }
    int32_t PlayAll(int32_t trump, int32_t leader, std::string_view cards) {
        StartTrick(trump, leader);
        return TrickTable::PlayAll(cards);
    }
};

struct WinnerCase {
    const char* name;
    int32_t trump;
    int32_t leader;
    std::string_view cards;
    int32_t winner;
};

TEST_F(TrickCardTest, TheWinnerOfEveryTrumpAndJokerCase) {
    const std::vector<WinnerCase> cases = {
        {"left bower beats a lower trump", kHearts, 1, "TC LH AC 9H", 2},
        {"one trump wins a plain lead", kSpades, 0, "AC KC 9S QC", 2},
        {"no trump: the highest of the suit led", kSpades, 3, "QD AD AH KD", 0},
        {"off-suit ace never wins", kSpades, 2, "9D AC TD AH", 0},
        {"joker as top trump beats the right bower", kHearts, 0, "RH TJ AH KH", 1},
        {"right bower beats left bower", kDiamonds, 1, "LD 9C RD AD", 3},
        {"joker on a plain lead wins", kClubs, 2, "AS KS TJ 9C", 0},
        {"lone hand: the empty place never wins", kClubs, 0, "9H -- TH KH", 3},
        {"the lead holds when nobody follows or trumps", kClubs, 1, "9H AS AD KS", 1},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        SetUp();
        EXPECT_EQ(PlayAll(each.trump, each.leader, each.cards), each.winner);
        EXPECT_EQ(APIs::Nib(hand.Tricks, 4), each.winner);
        EXPECT_EQ(APIs::Nib(hand.Tricks, 3), each.winner % 2);
    }
}

TEST_F(TrickCardTest, TheLeadSetsTheSuitLedAndWhoLedIt) {
    StartTrick(kHearts, 2);
    EXPECT_EQ(TrickTable::Play("KS"), 2);
    EXPECT_EQ(Misc::Get3Bits(hand.GenInf, 1), kSpades);
    EXPECT_TRUE(TestSeatSuitFlag(2, kSpades, hand.SutLedInf));
    EXPECT_EQ(Misc::Get3Bits(hand.SutLedInf, 2 + 6), kSpades);
}

TEST_F(TrickCardTest, AThrownOffAceMarksTheSeatOutOfBothSuits) {
    StartTrick(kHearts, 0);
    TrickTable::Play("QD");
    TrickTable::Play("AC");
    EXPECT_TRUE(TestSeatSuitFlag(1, kDiamonds, hand.SutOutInf));
    EXPECT_TRUE(TestSeatSuitFlag(1, kDiamonds, hand.SutShownInf));
    EXPECT_TRUE(TestSeatSuitFlag(1, kClubs, hand.SutOutInf));
    EXPECT_TRUE(TestSeatSuitFlag(1, kClubs, hand.SutOffInf));
    EXPECT_EQ(Misc::Get3Bits(hand.SutOffInf, 1 + 6), kClubs);
    EXPECT_FALSE(TestSeatSuitFlag(1, kHearts, hand.SutOutInf));
}

TEST_F(TrickCardTest, ALateThrowOffUnderTheOpponentsShowsNoTrump) {
    StartTrick(kHearts, 0);
    TrickTable::Play("AD");
    TrickTable::Play("9D");
    TrickTable::Play("9C");
    EXPECT_TRUE(TestSeatSuitFlag(2, kHearts, hand.SutOutInf) == false);
    TrickTable::Play("TS");
    EXPECT_TRUE(TestSeatSuitFlag(3, kHearts, hand.SutOutInf));
    EXPECT_TRUE(TestSeatSuitFlag(3, kDiamonds, hand.SutOutInf));
}

TEST_F(TrickCardTest, TheLeftBowerUnderTheRightShowsTheSeatOutOfTrump) {
    StartTrick(kSpades, 1);
    TrickTable::Play("RS");
    TrickTable::Play("LS");
    EXPECT_TRUE(TestSeatSuitFlag(2, kSpades, hand.SutOutInf));
    EXPECT_EQ(Misc::Get3Bits(hand.WhoPlayed, 0), 1);
    EXPECT_EQ(Misc::Get3Bits(hand.WhoPlayed, 2), 2);
    EXPECT_EQ(Misc::Get3Bits(hand.WhoPlayed, 3), 1);
}

TEST_F(TrickCardTest, AnAceOfTheLedSuitOnATrumpedTrickShowsItWasTheLastOne) {
    StartTrick(kSpades, 0);
    TrickTable::Play("9H");
    TrickTable::Play("9S");
    TrickTable::Play("AH");
    EXPECT_TRUE(TestSeatSuitFlag(2, kHearts, hand.SutOutInf));
}

TEST_F(TrickCardTest, TheTrumpingSeatIsNotedFromTheTricksOwnLeader) {
    StartTrick(kSpades, 2, 3);
    TrickTable::Play("9H");
    TrickTable::Play("TH");
    TrickTable::Play("9S");
    // Third from a leader in seat 2: seat 0 trumped.
    EXPECT_EQ(Misc::Get3Bits(hand.GenInf, 6), 0);
}

}  // namespace
