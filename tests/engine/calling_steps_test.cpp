#include <gtest/gtest.h>

#include "engine/model/hand_queries.h"
#include "platform/packed_fields.h"
#include "support/game_driver.h"
#include "support/hand_text.h"

namespace {

class CallingStepsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.Opts2 = 0;
        settings.PlayerNames = {"Pat", "West", "North", "East", "", "", "", ""};
        tables.SuitNames = {"Hearts", "Diamonds", "Clubs", "Spades"};
        tables.MessageTable[33] = "Order up ";
        tables.MessageTable[37] = "Name a suit?";
        tables.MessageTable[0] = "Hearts";
        tables.MessageTable[3] = "Spades";
        tables.MessageTable[49] = "Everyone passed";
        HandText::SetHand(1, "9C TC 9S TS QD");
        HandText::SetHand(2, "QC KC QS 9D TD");
        HandText::SetHand(3, "AC KS KD 9H TH");
        HandText::SetHand(0, "JH AH KH 9C TS");
    }
    // Deals from seat 0 with the card turned up, and runs the game into calling.
    void StartCalling(const char* upCard, int dealer = 0) {
        const auto [suit, rank] = HandText::ParseCard(upCard);
        hand.CardUp = Misc::NibSet(hand.CardUp, suit, 0);
        hand.CardUp = Misc::NibSet(hand.CardUp, rank, 1);
        hand.CardUp = Misc::NibSet(hand.CardUp, 1, 2);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, dealer, 4);
        flow.Ptrg = 1800;
        flow.InputOpen = true;
        game.Call(1, 0);
    }
    int Field(int n) const { return Misc::Get3Bits(hand.GenInf, n); }
    GameDriver game;
};

TEST_F(CallingStepsTest, ComputersPassAndTheHumanDealerPicksUp) {
    StartCalling("9H");
    EXPECT_TRUE(game.Traced("West Passes."));
    EXPECT_TRUE(game.Traced("North Passes."));
    EXPECT_TRUE(game.Traced("East Passes."));
    ASSERT_EQ(flow.Ptrg, 1985);
    EXPECT_EQ(tableMessages.ShownMessages[1], "Pick up Hearts?");

    game.Door(1, 104);
    EXPECT_EQ(flow.Ptrg, 1985);
    game.Answer(1);
    ASSERT_EQ(flow.Ptrg, 2112);
    EXPECT_EQ(Field(0), 0);
    game.Answer(2);
    EXPECT_TRUE(game.Traced("Pat Called Hearts Trump."));
    EXPECT_TRUE(game.Traced("Discarding"));  // the hand went on to the discard
    EXPECT_EQ(Field(2), 0);
    EXPECT_EQ(Field(3), 7);
}

TEST_F(CallingStepsTest, WithdrawingTheCallAsksToOrderUpAgain) {
    StartCalling("9H");
    game.Answer(1);
    game.Door(27, 0);
    EXPECT_EQ(flow.Ptrg, 1985);
    EXPECT_EQ(Field(0), 7);
    EXPECT_EQ(Field(2), 7);
}

TEST_F(CallingStepsTest, AStrongComputerOrdersUpAndGoesAlone) {
    HandText::SetHand(1, "JH JD AH KH QH");
    HandText::SetHand(0, "9C TC 9S TS QD");
    StartCalling("9H");
    EXPECT_TRUE(game.Traced("West Going Alone in Hearts with code of 10."));
    EXPECT_TRUE(game.Traced("West Called Hearts Trump & Going Alone!"));
    EXPECT_TRUE(game.Traced("Discarding"));  // the hand went on to the discard
    EXPECT_EQ(Field(2), 1);
    EXPECT_EQ(Field(3), 1);
    EXPECT_GT(hand.CallTotal, 40);
}

TEST_F(CallingStepsTest, EveryonePassesAndTheSameDealerDealsAgain) {
    settings.Opts2 = 1 << 30;
    HandText::SetHand(0, "9C TC 9S KD QD");
    hand.DealerCounter = 5;
    StartCalling("9H");
    game.Answer(2);
    ASSERT_EQ(flow.Ptrg, 1985);
    EXPECT_TRUE(game.Traced("Starting 2nd Round for trump calling."));
    EXPECT_EQ(tableMessages.ShownMessages[1], "Name a suit?");
    EXPECT_EQ(hand.CardsPlayed[0], 0 | (0 << 4) | (4 << 12));
    game.Answer(2);
    EXPECT_TRUE(game.Traced("Everyone Passed."));
    // The next hand is dealt by the same dealer: the counter was set back before the deal.
    EXPECT_TRUE(game.Traced("Start of new HAND"));
    EXPECT_EQ(hand.DealerCounter, 5);
}

TEST_F(CallingStepsTest, TheStuckHumanDealerWithOnlyTheTurnedDownSuitThrowsIn) {
    settings.Opts2 = 1 << 1;
    HandText::SetHand(0, "9D TD QD KD AD");
    StartCalling("JD");
    ASSERT_EQ(flow.Ptrg, 1985);
    game.Answer(2);
    ASSERT_EQ(flow.Ptrg, 1953);
    game.Answer(1);
    EXPECT_TRUE(game.Traced("Everyone Passed."));
}

TEST_F(CallingStepsTest, TheStuckHumanDealerMustNameASuit) {
    settings.Opts2 = 1 << 1;
    HandText::SetHand(0, "9C TC 9S KD QD");
    StartCalling("9H");
    game.Answer(2);
    game.Answer(2);
    ASSERT_EQ(flow.Ptrg, 2041);
    EXPECT_TRUE(game.Traced("Player 0 MUST call trump."));
    game.Answer(1);
    ASSERT_EQ(flow.Ptrg, 2070);
    EXPECT_FALSE(game.table.Choice(4).Enabled);
    EXPECT_FALSE(game.table.Choice(0).Visible);
    game.Door(1, 104);
    EXPECT_EQ(flow.Ptrg, 2070);
    game.Answer(0);
    EXPECT_EQ(flow.Ptrg, 2070);
    game.Answer(3);
    ASSERT_EQ(flow.Ptrg, 2112);
    // Withdrawing a forced call leads back to naming a suit, not to a pass.
    game.Answer(4);
    EXPECT_EQ(flow.Ptrg, 2070);
    game.Answer(3);
    game.Answer(2);
    EXPECT_TRUE(game.Traced("Pat FORCED to call Spades Trump."));
    EXPECT_TRUE(game.Traced("Discarding"));  // the hand went on to the discard
}

TEST_F(CallingStepsTest, AStuckComputerDealerWithNothingToNameThrowsIn) {
    // Every caller must hold the suit; the joker rule and the raised threshold make the
    // dealer pass its five trumps in round 1.
    settings.Opts2 = (1 << 1) | (2 << 3) | (1 << 19);
    settings.Opts4 = 1 << 23;
    settings.Kind = 0xF555;
    HandText::SetHand(3, "9D TD QD KD AD");
    HandText::SetHand(0, "9C TC 9S KD QD");
    StartCalling("JD", 3);
    game.Answer(2);
    game.Answer(2);
    EXPECT_TRUE(game.Traced("East Can NOT call Trump."));
    EXPECT_TRUE(game.Traced("Everyone Passed."));
    EXPECT_FALSE(game.Traced("Player 3 MUST call trump."));
}

TEST_F(CallingStepsTest, AComputerDealerUnderJacksTheBossGoesAlone) {
    settings.Opts2 = 1 << 25;
    tables.MessageTable[29] = "Boss rule";
    HandText::SetHand(0, "9C TC 9S KD QD");
    StartCalling("JH", 1);
    ASSERT_EQ(flow.Ptrg, 1985);
    game.Answer(2);
    EXPECT_TRUE(game.Traced("Player 1 MUST go Alone due to rule 4."));
    EXPECT_TRUE(game.Traced("West FORCED to call Hearts Trump & Going Alone!"));
    EXPECT_EQ(hand.ForcedCallText, "Boss rule\nWest Must Go Alone in Hearts!");
    EXPECT_EQ(Field(3), 1);
    EXPECT_TRUE(game.Traced("Discarding"));  // the hand went on to the discard
}

TEST_F(CallingStepsTest, AnUnnamedJokerTurnedUpLeavesRoundOneWithNothingToOrder) {
    settings.Opts2 = 1 << 19;
    HandText::SetHand(0, "9C TC 9S KD QD");
    StartCalling("BJ");
    EXPECT_FALSE(flow.QuitNow);
    EXPECT_TRUE(game.boxes.shown().empty());
    EXPECT_TRUE(game.Traced("Starting 2nd Round for trump calling."));
    EXPECT_EQ(flow.Ptrg, 1985);
}

TEST_F(CallingStepsTest, TheHumanTradesThreeOfAKindForTheKitty) {
    settings.Opts2 = 1 << 21;
    HandText::SetHand(0, "QH QD QC 9S TS");
    HandText::SetKitty("AS KS AC", kKittySeatCode);
    StartCalling("9H");
    ASSERT_EQ(flow.Ptrg, 1811);
    EXPECT_TRUE(game.Traced("Pat has 3-of-a-Kind"));
    game.Answer(1);
    EXPECT_TRUE(game.Traced("Human Trading in 3ofaKind for Kitty."));
    EXPECT_TRUE(hand.GenInf & kGenInfKittyKnown);
    EXPECT_EQ(CardFunctions::FindThreeOfAKind(0), -1);
    EXPECT_TRUE(game.Traced("Starting Loop for Calling Trump"));
}

}  // namespace
