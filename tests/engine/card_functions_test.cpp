#include <gtest/gtest.h>

#include <set>

#include "engine/model/card_codes.h"
#include "engine/model/deck_draw.h"
#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/played_cards.h"
#include "engine/model/state/hand_state.h"
#include "platform/packed_fields.h"
#include "platform/random_source.h"
#include "platform/settings/player_settings.h"
#include "support/scripted_message_boxes.h"

using namespace CardFunctions;

namespace {

class CardFunctionsTest : public ::testing::Test {
  protected:
    void TearDown() override {
        hand = {};
        settings = {};
        InstallRandomSource(nullptr);
    }
    void Give(int seat, std::initializer_list<std::pair<int32_t, int32_t>> cards) {
        int slot = 0;
        for (const auto& [suit, rank] : cards) {
            hand.Hands[seat][slot][kSuitPlane] = suit;
            hand.Hands[seat][slot][kRankPlane] = rank;
            ++slot;
        }
    }
    void FillDeck() {
        for (auto& rank : hand.DeckTable) rank.fill(-1);
    }
};

TEST_F(CardFunctionsTest, CardNumbersUndoPlayedAndPutAwayCodes) {
    EXPECT_EQ(CardNumber(0, 0), 1);
    EXPECT_EQ(CardNumber(3, 5), 24);
    EXPECT_EQ(CardNumber(-103, -100), 4);
    EXPECT_EQ(CardNumber(3, -1), 4);
    EXPECT_EQ(CardNumber(2, 7), 12);
    EXPECT_EQ(CardNumber(2, 8), 11);
    EXPECT_EQ(CardNumber(7, 6), 25);
    EXPECT_EQ(CardNumber(1, 9), 25);
    EXPECT_EQ(CardNumber(15, 15), 0);
    EXPECT_EQ(CardNumber(7, 3), 0);
}

TEST_F(CardFunctionsTest, SeatsAndColours) {
    EXPECT_EQ(Wrap4(0), 3);
    EXPECT_EQ(Wrap4(1), 0);
    EXPECT_EQ(Wrap4(4), 3);
    EXPECT_EQ(Wrap4(5), 0);
    EXPECT_EQ(SameColorSuit(0), 1);
    EXPECT_EQ(SameColorSuit(3), 2);
    EXPECT_TRUE(IsOtherColor(1, 2));
    EXPECT_FALSE(IsOtherColor(2, 3));
    EXPECT_FALSE(IsOtherColor(7, 0));
    EXPECT_EQ(Misc::PlusTwoOrOne(0), 1);
    EXPECT_EQ(Misc::PlusTwoOrOne(1), 3);
    EXPECT_EQ(Misc::PlusTwoOrOne(3), 5);
}

TEST_F(CardFunctionsTest, BowersCountAsJacksInThreeOfAKind) {
    Give(1, {{0, 8}, {0, 7}, {2, 2}, {3, 5}, {3, 0}});
    EXPECT_EQ(FindThreeOfAKind(1), 2);
    EXPECT_EQ(FindFourOfAKind(1), -1);
    Give(2, {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {3, 0}});
    EXPECT_EQ(FindFourOfAKind(2), 1);
}

TEST_F(CardFunctionsTest, SuitScansSkipPlayedCards) {
    Give(0, {{2, 5}, {2, -4}, {2, 1}, {0, 3}, {2, 0}});
    EXPECT_EQ(CountSuit(hand.Hands, 0, 2), 3);
    EXPECT_EQ(FindHighestOfSuit(hand.Hands, 0, 2), 0);
    EXPECT_EQ(FindLowestOfSuit(hand.Hands, 0, 2), 4);
    EXPECT_EQ(FindHigherOfSuit(hand.Hands, 0, 2, 0), 2);
    EXPECT_EQ(FindMiddleOfSuit(hand.Hands, 0, 2), 2);
    EXPECT_EQ(FindMiddleOfSuit(hand.Hands, 0, 0), -2);
    EXPECT_EQ(FindMiddleOfSuit(hand.Hands, 0, 1), -1);
    EXPECT_EQ(FindLeftBower(hand.Hands, 0, 3), -1);
    EXPECT_EQ(FindRankSlots(0, 5), std::make_pair(0, 0));
}

TEST_F(CardFunctionsTest, TheDealerMayBeExemptFromTheTrumpInHandRule) {
    Give(2, {{0, 0}, {0, 1}, {0, 3}, {1, 4}, {1, 5}});
    hand.GenInf = Misc::Set3Bits(hand.GenInf, 2, 4);
    settings.Opts2 = 1 << 3;
    EXPECT_TRUE(CanCallSuit(2, 3));
    settings.Opts2 = 2 << 3;
    EXPECT_FALSE(CanCallSuit(2, 3));
    EXPECT_TRUE(CanCallSuit(2, 1));
    Give(2, {{0, 0}, {0, 1}, {0, 3}, {2, 2}, {1, 5}});
    EXPECT_FALSE(CanCallSuit(2, 3));
    settings.Opts2 |= 1 << 5;
    EXPECT_TRUE(CanCallSuit(2, 3));
}

TEST_F(CardFunctionsTest, PlayedCardsOfASuitCountFromMinusOne) {
    hand.CardsPlayed.fill(kEmptyPlayedEntry);
    hand.CardsPlayed[0] = 0x4012;  // the up card: queen of clubs, seat 4
    hand.CardsPlayedCount = 0;
    EXPECT_EQ(CountPlayedOfSuit(1), -1);
    hand.CardsPlayed[1] = 0x1051;  // ace of diamonds by seat 1
    hand.CardsPlayedCount = 1;
    EXPECT_EQ(CountPlayedOfSuit(1), 0);
    EXPECT_FALSE(GamePlay::IsCardPlayed(2, 3));
    EXPECT_TRUE(GamePlay::IsCardPlayed(2, 1));
    EXPECT_FALSE(IsPlayedBySeat(2, 1));
    EXPECT_TRUE(IsPlayedBySeat(1, 5));
}

TEST_F(CardFunctionsTest, AFullDealHandsOutEveryCardOnceWithTheJokerAsSuitSeven) {
    settings.Opts2 |= 1 << 19;
    SeededRandom random(7);
    InstallRandomSource(&random);
    FillDeck();
    std::set<int> pictures;
    int jokers = 0;
    for (int i = 0; i < 25; ++i) {
        int32_t suit = -1;
        int32_t rank = -1;
        ASSERT_TRUE(DrawRandomCard(suit, rank));
        if (rank == kJoker) {
            EXPECT_EQ(suit, kJokerSuit);
            ++jokers;
        }
        pictures.insert(CardNumber(suit, rank));
    }
    EXPECT_EQ(jokers, 1);
    EXPECT_EQ(pictures.size(), 25u);
    int32_t suit = 0;
    int32_t rank = 0;
    EXPECT_FALSE(DrawRandomCard(suit, rank));
}

TEST_F(CardFunctionsTest, ADrawThatRunsOutOfTriesNeverRepeatsACard) {
    ScriptedMessageBoxes boxes;
    ScriptedRandom random;
    for (int i = 0; i < 20001; ++i) random.Push(0.0);  // always the nine of hearts
    InstallRandomSource(&random);
    FillDeck();
    int32_t suit = -1;
    int32_t rank = -1;
    ASSERT_TRUE(DrawRandomCard(suit, rank));
    EXPECT_EQ(CardNumber(suit, rank), 1);
    ASSERT_TRUE(DrawRandomCard(suit, rank));
    EXPECT_NE(CardNumber(suit, rank), 1);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Bad Code");
}

TEST_F(CardFunctionsTest, TheLastCardsOfADealAreFoundByAScanWhateverCameBefore) {
    ScriptedRandom random({1.0 - 1e-9});
    InstallRandomSource(&random);
    for (auto& rank : hand.DeckTable) rank.fill(0);
    hand.DeckTable[3][1] = -1;
    hand.DeckTable[0][2] = -1;
    int32_t suit = -1;
    int32_t rank = -1;
    ASSERT_TRUE(DrawRandomCard(suit, rank));
    EXPECT_EQ(std::make_pair(suit, rank), std::make_pair(2, 0));
}

TEST_F(CardFunctionsTest, TheTrickLeaderIsReadByTrickLessOne) {
    hand.Leader = 0x7FFF;
    hand.Leader = Misc::Set3Bits(hand.Leader, 1, 0);
    hand.Leader = Misc::Set3Bits(hand.Leader, 3, 1);
    hand.Leader = Misc::Set3Bits(hand.Leader, 2, 5);
    for (const auto& [count, leader] : {std::pair{0, 1}, {4, 1}, {5, 3}, {24, 2}, {25, 7}}) {
        hand.CardsPlayedCount = count;
        EXPECT_EQ(Misc::TrickLeader(), leader) << count;
    }
}

TEST_F(CardFunctionsTest, AFieldSixTrumpIsNotedForTheSeatThatPlayedIt) {
    hand.GenInf = Misc::Set3Bits(hand.GenInf, 1, 4);  // dealer west
    hand.Leader = Misc::Set3Bits(hand.Leader, 2, 0);  // north leads
    hand.CardsPlayedCount = 3;
    Misc::NoteTrumpOnLead(3);
    EXPECT_EQ(Misc::Get3Bits(hand.GenInf, 6), 0);
}

TEST_F(CardFunctionsTest, TheHighestCardOutIsKnownFromThePlayedCards) {
    hand.CardsPlayed.fill(kEmptyPlayedEntry);
    Give(0, {{1, 4}, {1, 0}, {2, 0}, {3, 0}, {3, 1}});
    EXPECT_FALSE(HoldsHighestOutstanding(hand.Hands, 0, 0, 1));
    hand.CardsPlayed[1] = 0x1051;  // ace of diamonds
    hand.CardsPlayedCount = 1;
    EXPECT_TRUE(HoldsHighestOutstanding(hand.Hands, 0, 0, 1));
    // With diamonds trump the bowers are still out.
    EXPECT_FALSE(HoldsHighestOutstanding(hand.Hands, 0, 1, 1));
    hand.SutOutInf = (1 << 4) | (1 << 8) | (1 << 12);  // seats 1-3 are out of hearts
    EXPECT_TRUE(HoldsHighestOutstanding(hand.Hands, 0, 1, 0));
}

}  // namespace
