#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "engine/model/state/statistics.h"
#include "platform/packed_fields.h"
#include "platform/random_source.h"
#include "render/key_labels.h"
#include "support/game_driver.h"
#include "support/hand_text.h"

namespace {

using HandText::Card;

constexpr int32_t kHearts = 0, kDiamonds = 1;
constexpr int kPartnersBest = 1 << 2;
constexpr int kKittySwap = 1 << 16;
constexpr int kNextPlayerDeals = 1 << 17;

// A called hand set up at the discard, driven to the first lead (or the redeal).
class PrePlayStepsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.PlayerNames = {"South", "West", "North", "East"};
        for (size_t i = 0; i < tables.MessageTable.size(); ++i) {
            tables.MessageTable[i] = "m" + std::to_string(i);
        }
        keyLabels = {};
        stats = {};
        HandText::SetHand(0, "9C KC AS KD TS");
        HandText::SetHand(1, "QC TD 9S QS AD");
        HandText::SetHand(2, "JH AC JC 9D QD");
        HandText::SetHand(3, "KH JD TC KS 9H");
        HandText::SetKitty("TH JS AH");
    }
    void TearDown() override {
        keyLabels = {};
        stats = {};
    }
    // West orders up the turned-up ace of diamonds to the human dealer.
    static void WestOrdersTheHumanDealerUp() {
        Called(kDiamonds, 1, 7, 0, "AD");
        HandText::SetHand(1, "QC TD 9S QS AH");
    }
    // West, the dealer, made hearts; the human holds nothing above a ten.
    static void TheHumanHoldsNinesAndTens() {
        HandText::SetHand(0, "9C TC 9S TD TS");
        Called(kHearts, 1, 7, 1, "QH");
    }
    // Answers the redeal question with the kitty swap and gives the first three cards.
    void SwapTheFirstThreeCards() {
        game.Answer(0);
        for (int n = 1; n <= 3; ++n) Key(n);
        game.Door(1, 104);
    }
    // Trump made in round 1 on the turned-up card.
    static void Called(int32_t trump, int32_t maker, int32_t loner, int32_t dealer,
                       const char* up) {
        hand.GenInf = Misc::Set3Bits(hand.GenInf, trump, 0);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, maker, 2);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, loner, 3);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, dealer, 4);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, 1, 8);
        const auto [suit, rank] = HandText::ParseCard(up);
        hand.CardUp = Misc::NibSet(Misc::NibSet(hand.CardUp, suit, 0), rank, 1);
    }
    void Start() {
        game.stopAtLine = kFirstLead;
        flow.Ptrg = 2700;
        game.Call(0, 0);
    }
    // Play begins: the stretch of the hand these tests look at is over.
    bool AtFirstLead() const { return game.Traced(kFirstLead); }
    static constexpr const char* kFirstLead = "Starting to Play Cards in New HAND.";
    void Key(int n) { game.Door(1, 0, static_cast<float>(-n)); }
    // A click in the middle of the end mark beside the key numbers.
    void ClickEndMark() {
        const auto& r = keyLabels.KeyMarkRect;
        ASSERT_GT(r[2], r[0]);
        game.Click((r[0] + r[2]) / 2.0f, (r[1] + r[3]) / 2.0f);
    }
    static bool Holds(int seat, const char* text) {
        const Card card = HandText::ParseCard(text);
        for (const auto& slot : hand.Hands[static_cast<size_t>(seat)]) {
            if (slot[0] == card.first && slot[1] == card.second) return true;
        }
        return false;
    }
    static int HeldCards(int seat) {
        int count = 0;
        for (int slot = 0; slot < 5; ++slot) {
            if (hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)][1] >= 0) ++count;
        }
        return count;
    }
    static const std::string& Shown(int code) {
        return tableMessages.ShownMessages[static_cast<size_t>(code)];
    }
    GameDriver game;
};

TEST_F(PrePlayStepsTest, AComputerDealerPicksUpAndPlayIsSetUp) {
    Called(kHearts, 1, 7, 3, "QH");
    Start();
    EXPECT_TRUE(AtFirstLead());
    EXPECT_TRUE(game.Traced("Discarding"));
    EXPECT_TRUE(game.Traced("Checking for Redeals"));
    // The dealer keeps five cards, the turned-up queen among them.
    EXPECT_TRUE(Holds(3, "QH"));
    EXPECT_EQ(HeldCards(3), 5);
    // The bowers are marked in every hand.
    EXPECT_TRUE(Holds(2, "RH"));
    EXPECT_TRUE(Holds(3, "LH"));
    EXPECT_EQ(hand.SutLedInf, 0x3FFC0000);
    EXPECT_EQ(hand.SutOutInf, 0);
    EXPECT_EQ(stats.SessionStats[1 * 7 + 8], 1);
    EXPECT_EQ(stats.AllSessionStats[1 * 7 + 8], 1);
}

// With the joker in the deck it becomes the top trump wherever it lies: turned up for
// the suit made and taken by the dealer, in a hand, or among the kitty's four cards.
class JokerRemarkTest : public PrePlayStepsTest {
  protected:
    void SetUp() override {
        PrePlayStepsTest::SetUp();
        settings.Opts2 |= 1 << 19;
    }
    static Card Kitty(size_t entry) {
        const int32_t card = hand.CardsPlayed[entry];
        return {APIs::Nib(card, 0), APIs::Nib(card, 1)};
    }
    static long TopJokers(size_t seat) {
        const auto& cards = hand.Hands[seat];
        return std::count(cards.begin(), cards.begin() + 5,
                          std::array<int32_t, 2>{kHearts, CardFunctions::kTopJoker});
    }
    static constexpr Card kTopJoker{kHearts, CardFunctions::kTopJoker};
};

TEST_F(JokerRemarkTest, TheTurnedUpJokerGoesToTheDealerAsTheTopTrump) {
    HandText::SetKitty("TH JS AH JD");
    Called(kHearts, 1, 7, 3, "BJ");
    hand.CardUp = Misc::NibSet(hand.CardUp, kHearts, 3);
    Start();
    EXPECT_TRUE(AtFirstLead());
    EXPECT_EQ(Card(APIs::Nib(hand.CardUp, 0), APIs::Nib(hand.CardUp, 1)), kTopJoker);
    EXPECT_EQ(TopJokers(3), 1);
    EXPECT_EQ(Kitty(24), Card(kHearts, CardFunctions::kLeftBower));
}

TEST_F(JokerRemarkTest, TheJokerInAHandAndInTheKittyBecomesTheTopTrump) {
    HandText::SetHand(1, "QC TD 9S QS BJ");
    HandText::SetKitty("TH JS AH BJ");
    Called(kHearts, 1, 7, 3, "QH");
    Start();
    EXPECT_TRUE(AtFirstLead());
    EXPECT_EQ(TopJokers(1), 1);
    EXPECT_EQ(Kitty(24), kTopJoker);
}

TEST_F(PrePlayStepsTest, TheHumanDealerDiscardsByKey) {
    WestOrdersTheHumanDealerUp();
    Start();
    ASSERT_EQ(flow.Ptrg, 2715);
    EXPECT_EQ(Shown(2), "m54");
    Key(1);
    EXPECT_TRUE(AtFirstLead());
    EXPECT_FALSE(Holds(0, "9C"));
    EXPECT_TRUE(Holds(0, "AD"));
}

TEST_F(PrePlayStepsTest, DiscardingATrumpIsConfirmed) {
    WestOrdersTheHumanDealerUp();
    Start();
    Key(4);  // the king of trump
    ASSERT_EQ(flow.Ptrg, 2740);
    EXPECT_EQ(Shown(2), "m55");
    game.Answer(2);
    ASSERT_EQ(flow.Ptrg, 2715);
    EXPECT_TRUE(Holds(0, "KD"));
    Key(4);
    game.Answer(1);
    EXPECT_TRUE(AtFirstLead());
    EXPECT_FALSE(Holds(0, "KD"));
    EXPECT_TRUE(Holds(0, "AD"));
}

TEST_F(PrePlayStepsTest, NoDiscardIsConfirmedOnceAndKeepsTheHand) {
    WestOrdersTheHumanDealerUp();
    Start();
    ClickEndMark();
    ASSERT_EQ(flow.Ptrg, 2720);
    EXPECT_TRUE(game.Traced("Human Chose No Discard."));
    EXPECT_EQ(Shown(2), "m297");
    game.Answer(2);
    ASSERT_EQ(flow.Ptrg, 2715);
    ClickEndMark();
    game.Answer(1);
    // No second question about throwing away the turned-up trump.
    EXPECT_TRUE(AtFirstLead());
    EXPECT_TRUE(Holds(0, "9C"));
    EXPECT_FALSE(Holds(0, "AD"));
}

TEST_F(PrePlayStepsTest, NoDiscardWithAnAllTrumpHandAsksNothing) {
    Called(kDiamonds, 1, 7, 0, "AD");
    HandText::SetHand(0, "9D TD JD QD KD");
    HandText::SetHand(1, "QC 9H 9S QS AH");
    Start();
    ClickEndMark();
    EXPECT_TRUE(AtFirstLead());
    EXPECT_FALSE(game.Traced("Step 2720 is not available yet."));
}

TEST_F(PrePlayStepsTest, AHumanDealerWhosePartnerIsAloneDoesNotPickUp) {
    settings.Opts2 |= kPartnersBest;
    Called(kHearts, 2, 2, 0, "QH");
    Start();
    // Without "discard before getting best" the human passes the best card instead.
    ASSERT_EQ(flow.Ptrg, 2915);
    EXPECT_EQ(Shown(2), "m57");
    EXPECT_FALSE(Holds(0, "QH"));
}

TEST_F(PrePlayStepsTest, WithDiscardBeforeBestTheHumanDealerPicksUpFirst) {
    settings.Opts2 |= kPartnersBest;
    settings.Opts3 |= 1 << 13;
    Called(kHearts, 2, 2, 0, "QH");
    Start();
    ASSERT_EQ(flow.Ptrg, 2715);
    EXPECT_EQ(Shown(0), "m53");
    Key(1);
    ASSERT_EQ(flow.Ptrg, 2915);
    EXPECT_TRUE(Holds(0, "QH"));
    Key(1);
    EXPECT_TRUE(AtFirstLead());
}

TEST_F(PrePlayStepsTest, TheHumanPassesTheBestCardToAComputerLoner) {
    settings.Opts2 |= kPartnersBest;
    Called(kHearts, 2, 2, 1, "QH");
    HandText::SetHand(0, "9C KC AS RH TS");
    Start();
    ASSERT_EQ(flow.Ptrg, 2915);
    Key(4);
    EXPECT_TRUE(AtFirstLead());
    EXPECT_TRUE(Holds(2, "RH"));
    EXPECT_EQ(hand.TradedBest[0][1], kHearts);
    EXPECT_EQ(hand.TradedBest[1][1], CardFunctions::kRightBower);
    // The human sits out: the cards are put away and kept in the played entries.
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_LE(hand.Hands[0][static_cast<size_t>(slot)][1], -100);
    const int32_t given = hand.TradedBest[1][0] * 256 + hand.TradedBest[0][0];
    EXPECT_NE(
        std::find(hand.CardsPlayed.begin() + kFirstPutAwayEntry, hand.CardsPlayed.end(), given),
        hand.CardsPlayed.end());
    EXPECT_EQ(stats.SessionStats[2 * 7 + 12], 1);
}

TEST_F(PrePlayStepsTest, AComputerPartnerPassesTheBestCardToTheHumanLoner) {
    settings.Opts2 |= kPartnersBest;
    Called(kHearts, 0, 0, 1, "QH");
    Start();
    ASSERT_EQ(flow.Ptrg, 2960);
    EXPECT_TRUE(game.Traced("North Choosing Card to Pass to Partner."));
    EXPECT_EQ(Shown(2), "m54");
    // The right bower comes across; the human throws away the nine of clubs.
    EXPECT_EQ(APIs::Nib(hand.NibCounter, 4), kHearts);
    EXPECT_EQ(APIs::Nib(hand.NibCounter, 5), CardFunctions::kRightBower);
    Key(1);
    EXPECT_TRUE(AtFirstLead());
    EXPECT_TRUE(Holds(0, "RH"));
    EXPECT_FALSE(Holds(0, "9C"));
    EXPECT_EQ(hand.TradedBest[0][0], 2);
    EXPECT_EQ(hand.TradedBest[1][0], 0);
    EXPECT_EQ(hand.NibCounter & (3 << 28), 0);
}

TEST_F(PrePlayStepsTest, TheHumanLonerMayGiveThePassedTrumpBackAfterConfirming) {
    settings.Opts2 |= kPartnersBest;
    Called(kHearts, 0, 0, 1, "QH");
    Start();
    Key(6);
    ASSERT_EQ(flow.Ptrg, 2975);
    EXPECT_EQ(Shown(2), "m55");
    game.Answer(2);
    ASSERT_EQ(flow.Ptrg, 2960);
    EXPECT_EQ(hand.NibCounter & (1 << 29), 0);
    Key(6);
    game.Answer(1);
    EXPECT_TRUE(AtFirstLead());
    EXPECT_FALSE(Holds(0, "RH"));
    EXPECT_EQ(hand.TradedBest[0][0], kHearts);
    EXPECT_EQ(hand.TradedBest[1][0], CardFunctions::kRightBower);
    EXPECT_EQ(hand.TradedBest[0][1], -1);
}

class RedealStepsTest : public PrePlayStepsTest {
  protected:
    void SetUp() override {
        PrePlayStepsTest::SetUp();
        settings.Opts2 = 1 << 12;  // all nines and tens, none of trump
        hand.DealerCounter = 5;
    }
};

TEST_F(RedealStepsTest, TheHumanAsksForARedealDealtByTheSameDealer) {
    TheHumanHoldsNinesAndTens();
    Start();
    ASSERT_EQ(flow.Ptrg, 5025);
    EXPECT_EQ(Shown(2), "m64");
    game.Answer(1);
    ASSERT_EQ(flow.Ptrg, 5210);
    EXPECT_EQ(Shown(2), "m65");
    EXPECT_EQ(hand.DealerCounter, 4);
    game.Answer(1);
    EXPECT_TRUE(game.Traced("Start of new HAND"));  // the hand is dealt again
}

TEST_F(RedealStepsTest, WithTheNextPlayerDealsRuleTheDealerMovesOn) {
    settings.Opts2 |= kNextPlayerDeals;
    TheHumanHoldsNinesAndTens();
    Start();
    game.Answer(1);
    EXPECT_EQ(Shown(2), "m66");
    EXPECT_EQ(hand.DealerCounter, 5);
}

TEST_F(RedealStepsTest, TheHumanMayPlayOn) {
    TheHumanHoldsNinesAndTens();
    Start();
    game.Answer(2);
    EXPECT_TRUE(AtFirstLead());
}

TEST_F(RedealStepsTest, TheHumansKittySwapTakesExactlyThreeMarkedCards) {
    settings.Opts2 |= kKittySwap;
    TheHumanHoldsNinesAndTens();
    Start();
    ASSERT_EQ(flow.Ptrg, 5025);
    EXPECT_EQ(Shown(2), "m60");
    game.Answer(0);
    ASSERT_EQ(flow.Ptrg, 5510);
    EXPECT_EQ(Shown(2), "m68");
    EXPECT_FALSE(game.table.Choice(4).Enabled);
    game.Door(1, 104);  // nothing marked: the swap button does nothing
    EXPECT_EQ(flow.Ptrg, 5510);
    Key(1);
    Key(2);
    Key(2);  // unmarks
    Key(2);
    EXPECT_FALSE(game.table.Choice(4).Enabled);
    Key(3);
    EXPECT_TRUE(game.table.Choice(4).Enabled);
    Key(4);  // a fourth card is not marked
    EXPECT_EQ(GetField(flags.Stat2, Stat2Bits::SwapMarks), 0b00111);
    EXPECT_EQ(GetField(flags.Stat2, Stat2Bits::SwapMarkCount), 3);
    game.Door(1, 104);
    EXPECT_TRUE(AtFirstLead());
    EXPECT_TRUE(Holds(0, "AH"));
    EXPECT_TRUE(Holds(0, "TD"));
    EXPECT_FALSE(Holds(0, "9C"));
    EXPECT_EQ(APIs::Nib(hand.LoopSaver, 6), 1);
    EXPECT_EQ(GetField(flags.Stat2, Stat2Bits::SwapMarks), 0);
}

TEST_F(RedealStepsTest, MarkingATrumpForTheKittyIsConfirmed) {
    settings.Opts2 = (1 << 13) | kKittySwap;  // all nines and tens
    HandText::SetHand(0, "9H TC 9S TD TS");
    Called(kHearts, 1, 7, 1, "QH");
    SetBit(flags.Stat2, Stat2Bits::GameInProgress);
    Start();
    SwapTheFirstThreeCards();
    ASSERT_EQ(flow.Ptrg, 5540);
    EXPECT_EQ(Shown(2), "m55");
    game.Answer(2);
    ASSERT_EQ(flow.Ptrg, 5510);
    EXPECT_EQ(GetField(flags.Stat2, Stat2Bits::SwapMarkCount), 0);
    // Choosing again keeps the word's other bits.
    EXPECT_TRUE(IsSet(flags.Stat2, Stat2Bits::GameInProgress));
}

TEST_F(RedealStepsTest, TheSwapIsNotOfferedAfterAThreeOfAKindTrade) {
    settings.Opts2 |= kKittySwap;
    hand.GenInf |= kGenInfKittyKnown;
    TheHumanHoldsNinesAndTens();
    Start();
    EXPECT_EQ(Shown(2), "m59");
    EXPECT_FALSE(game.table.Choice(0).Enabled);
    game.Answer(0);
    EXPECT_EQ(flow.Ptrg, 5025);
    game.Answer(3);
    EXPECT_TRUE(AtFirstLead());
    EXPECT_TRUE(game.table.Choice(0).Enabled);
}

TEST_F(RedealStepsTest, AComputerAsksForARedealAndTheHumanConfirms) {
    HandText::SetHand(1, "9C TC 9S TD TS");
    Called(kHearts, 0, 7, 3, "QH");
    Start();
    ASSERT_EQ(flow.Ptrg, 5060);
    EXPECT_TRUE(game.Traced("West Asking for ReDeal"));
    game.Answer(1);
    ASSERT_EQ(flow.Ptrg, 5210);
    game.Answer(1);
    EXPECT_TRUE(game.Traced("Start of new HAND"));  // the hand is dealt again
    EXPECT_EQ(hand.DealerCounter, 5);  // set back, then raised again by the same dealer's deal
}

TEST_F(RedealStepsTest, AComputerWhosePartnerMadeTrumpSwapsWithTheKittyInstead) {
    settings.Opts2 |= kKittySwap;
    HandText::SetHand(3, "9C TC 9S TD TS");
    Called(kHearts, 1, 7, 0, "QH");
    HandText::SetHand(0, "9C KC AS KD TH");
    Start();
    ASSERT_EQ(flow.Ptrg, 2715);
    Key(1);
    ASSERT_EQ(flow.Ptrg, 5060);
    EXPECT_TRUE(IsSet(flags.Stat2, Stat2Bits::SeatSwapsKitty));
    game.Answer(1);
    EXPECT_TRUE(AtFirstLead());
    EXPECT_EQ(APIs::Nib(hand.LoopSaver, 6), 1);
    EXPECT_EQ(hand.DealerCounter, 5);
}

TEST_F(RedealStepsTest, TheDemoWaitsInsteadOfAskingForOk) {
    SetBit(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
    HandText::SetHand(1, "9C TC 9S TD TS");
    Called(kHearts, 0, 7, 3, "QH");
    const int64_t before = game.timing.time.NowMs();
    Start();
    EXPECT_TRUE(game.Traced("Start of new HAND"));  // the hand is dealt again
    EXPECT_GE(game.timing.time.NowMs() - before, static_cast<int64_t>(26000 * settings.Delay));
}

class CheatingTest : public PrePlayStepsTest {
  protected:
    void SetUp() override {
        PrePlayStepsTest::SetUp();
        settings.Opts1 = 2 << 6;  // difficult opponents
        // Zeros: the sorts take their first card as pivot, the cheat is drawn, West goes first.
        for (int i = 0; i < 400; ++i) source.Push(0.0);
        InstallRandomSource(&source);
    }
    void TearDown() override {
        InstallRandomSource(nullptr);
        PrePlayStepsTest::TearDown();
    }
    ScriptedRandom source;
};

TEST_F(CheatingTest, AComputerLonerGetsItsPartnersBestCardWithoutTheRule) {
    Called(kHearts, 1, 1, 3, "QH");
    HandText::SetHand(3, "KH JH TC KS 9H");
    Start();
    EXPECT_TRUE(AtFirstLead());
    EXPECT_TRUE(game.Traced("Computer is Cheating."));
    EXPECT_TRUE(Holds(1, "RH"));
}

TEST_F(CheatingTest, TheOpponentsTakeTheBestKittyCard) {
    Called(kHearts, 0, 7, 3, "QH");
    HandText::SetHand(3, "KH JD TC KS 9H");
    Start();
    EXPECT_TRUE(AtFirstLead());
    EXPECT_TRUE(game.Traced("Computer is Cheating."));
    EXPECT_TRUE(Holds(1, "AH"));
    // The ace left the kitty: West gave another card for it.
    EXPECT_FALSE(HandText::KittyHolds("AH"));
}

TEST_F(CheatingTest, NobodyCheatsAfterAKittySwap) {
    settings.Opts2 = (1 << 12) | kKittySwap;
    TheHumanHoldsNinesAndTens();
    Start();
    SwapTheFirstThreeCards();
    EXPECT_TRUE(AtFirstLead());
    EXPECT_TRUE(game.Traced("Computer is Cheating."));
    // The kitty still holds exactly the three cards the human gave it.
    for (const char* given : {"9C", "TC", "9S"}) EXPECT_TRUE(HandText::KittyHolds(given)) << given;
}

}  // namespace
