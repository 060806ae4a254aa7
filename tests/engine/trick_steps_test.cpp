#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "platform/packed_fields.h"
#include "support/game_driver.h"
#include "support/hand_text.h"

namespace {

constexpr int32_t kHearts = 0;
constexpr int kMustGoAloneSound = 21;
constexpr int32_t kScoring = 11000;

class TrickStepsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.SoundOn = true;
        for (int seat = 0; seat < 4; ++seat)
            settings.PlayerNames[static_cast<size_t>(seat)] = "P" + std::to_string(seat);
        tables.MessageTable[71] = "Follow suit.";
        tables.MessageTable[72] = "No first blood.";
        game.stopAtLine = "Clearing RePlay No Score flag.";
    }
    // A called hand: hearts trump, seat 1 the maker, seat 3 the dealer (seat 0 leads).
    void Deal(std::vector<std::string_view> hands, int32_t maker = 1) {
        hand.GenInf = Misc::Set3Bits(hand.GenInf, kHearts, 0);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, maker, 2);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, 7, 3);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, 3, 4);
        for (int seat = 0; seat < 4; ++seat)
            HandText::SetHand(seat, hands[static_cast<size_t>(seat)]);
        hand.DealtHands = hand.Hands;
        flow.Ptrg = 10000;
        flow.InputOpen = true;
        game.Call(1, 0);
    }
    bool AskedForACard() const { return flow.Ptrg == 10050 && flow.InputOpen; }
    std::vector<int32_t> HumanSlots() const {
        std::vector<int32_t> held;
        for (int32_t slot = 0; slot <= 4; ++slot) {
            if (hand.Hands[0][static_cast<size_t>(slot)][kRankPlane] >= 0) held.push_back(slot);
        }
        return held;
    }
    int32_t SuitOf(int32_t slot) const {
        return hand.Hands[0][static_cast<size_t>(slot)][kSuitPlane];
    }
    // The number key of a slot among the cards the human still holds.
    void PlaySlot(int32_t slot) {
        const auto held = HumanSlots();
        const auto key = std::find(held.begin(), held.end(), slot) - held.begin() + 1;
        game.Door(1, 50, -static_cast<float>(key));
    }
    bool Leads() const { return (hand.Tricks & (1 << 28)) != 0; }
    int32_t Led() const { return Misc::Get3Bits(hand.GenInf, 1); }
    // Plays the human's first legal card; first tries an illegal one when it can.
    void PlayHumanTurn(bool tryIllegal) {
        int32_t legal = -1;
        int32_t illegal = -1;
        const bool mustFollow = !Leads() && CardFunctions::CountSuit(hand.Hands, 0, Led()) > 0;
        for (int32_t slot : HumanSlots()) {
            const bool ok = !mustFollow || SuitOf(slot) == Led();
            if (ok && legal < 0) legal = slot;
            if (!ok && illegal < 0) illegal = slot;
        }
        if (tryIllegal && illegal >= 0) {
            const auto before = game.sounds.size();
            PlaySlot(illegal);
            ++refusals;
            EXPECT_TRUE(AskedForACard());
            EXPECT_GE(hand.Hands[0][static_cast<size_t>(illegal)][kRankPlane], 0);
            ASSERT_GT(game.sounds.size(), before);
            EXPECT_NE(std::find(game.sounds.begin() + static_cast<long>(before), game.sounds.end(),
                                kMustGoAloneSound),
                      game.sounds.end());
        }
        PlaySlot(legal);
    }
    int32_t TricksPlayed() const { return APIs::Nib(hand.Tricks, 0) + APIs::Nib(hand.Tricks, 1); }
    void PlayOut(bool tryIllegal = true) {
        for (int guard = 0; guard < 100 && flow.Ptrg != kScoring; ++guard) {
            if (AskedForACard()) {
                PlayHumanTurn(tryIllegal);
            } else if (flow.Ptrg == 90600) {
                ++pausesAfterTricks;
                game.Click();
            } else {
                FAIL() << "stopped at " << flow.Ptrg;
            }
        }
    }
    GameDriver game;
    int refusals = 0;
    int pausesAfterTricks = 0;
};

const std::vector<std::string_view> kHands = {
    "AS 9S KD 9C TC",
    "RH AH 9D TD QD",
    "KS QS AD QC KC",
    "TS 9H KH AC TH",
};

TEST_F(TrickStepsTest, FiveTricksWithComputerSeatsAndAScriptedHuman) {
    Deal(kHands);
    EXPECT_TRUE(game.Traced("Starting to Play Cards in New HAND."));
    ASSERT_TRUE(AskedForACard());
    PlayOut();
    EXPECT_EQ(flow.Ptrg, kScoring);
    EXPECT_EQ(TricksPlayed(), 5);
    EXPECT_EQ(hand.CardsPlayedCount, 20);
    for (int seat = 0; seat < 4; ++seat) {
        for (int slot = 0; slot < 5; ++slot) {
            EXPECT_LT(hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)][kRankPlane],
                      0);
        }
    }
    for (int trick = 1; trick <= 5; ++trick) {
        EXPECT_EQ(game.Count("Starting TRICK " + std::to_string(trick) + "."), 1);
        EXPECT_NE(hand.TrickSeatFlags[static_cast<size_t>(trick)], 7);
    }
    EXPECT_GT(refusals, 0);
    EXPECT_EQ(game.exits, 0);
}

TEST_F(TrickStepsTest, NoFirstBloodRefusesATrumpLeadWhileOtherCardsAreHeld) {
    settings.Opts2 |= 1 << 20;
    Deal({"RH 9S KD 9C TC", "LH AH 9D TD QD", "KS QS AD QC KC", "TS 9H KH AC TH"});
    ASSERT_TRUE(AskedForACard());
    PlaySlot(0);
    EXPECT_TRUE(AskedForACard());
    EXPECT_GE(hand.Hands[0][0][kRankPlane], 0);
    EXPECT_NE(std::find(game.sounds.begin(), game.sounds.end(), kMustGoAloneSound),
              game.sounds.end());
    PlaySlot(1);
    EXPECT_LT(hand.Hands[0][1][kRankPlane], 0);
}

TEST_F(TrickStepsTest, NoFirstBloodLetsAnAllTrumpHandLead) {
    settings.Opts2 |= 1 << 20;
    Deal({"RH LH AH KH QH", "TH 9H AS TD QD", "KS QS AD QC KC", "TS 9S KD AC TC"}, 2);
    ASSERT_TRUE(AskedForACard());
    PlaySlot(0);
    EXPECT_LT(hand.Hands[0][0][kRankPlane], 0);
}

TEST_F(TrickStepsTest, TheMakerWithTheTopFiveTrumpsLaysTheHandDown) {
    Deal({"AS 9S KD 9C TC", "RH LH AH KH QH", "KS QS AD QC KC", "TS 9H 9D AC TH"});
    EXPECT_EQ(flow.Ptrg, kScoring);
    EXPECT_TRUE(game.Traced("Starting TRICK 1."));
    // All five tricks go to the makers and every card is played out onto the table.
    EXPECT_EQ(APIs::Nib(hand.Tricks, 1), 5);
    EXPECT_EQ(hand.CardsPlayedCount, 20);
    EXPECT_EQ(hand.CardsPlayed[21], kEmptyPlayedEntry);
}

TEST_F(TrickStepsTest, PauseAfterEachTrickWaitsForAClick) {
    settings.Opts1 |= 1 << 15;
    Deal(kHands);
    PlayOut(false);
    EXPECT_EQ(pausesAfterTricks, 5);
    EXPECT_EQ(TricksPlayed(), 5);
}

TEST_F(TrickStepsTest, EndItEarlyStopsAHandThatCanNoLongerChange) {
    settings.Opts1 |= 1 << 16;
    SetBit(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
    Deal({"RH LH AH 9C TC", "AS 9S KD 9D TD", "KH QH AD QC KC", "TS 9H KS AC TH"}, 3);
    PlayOut();
    EXPECT_EQ(flow.Ptrg, kScoring);
    EXPECT_LT(TricksPlayed(), 5);
    EXPECT_GT(game.Count("Checking for End It Early..."), 0);
    EXPECT_TRUE(game.TracedStartingWith("Ending Hand Early. Code="));
}

}  // namespace
