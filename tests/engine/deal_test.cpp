#include "engine/deal.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "engine/model/card_codes.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/packed_fields.h"
#include "platform/random_source.h"
#include "platform/settings/player_settings.h"
#include "platform/sound/sound_system.h"
#include "support/scripted_message_boxes.h"
#include "support/virtual_timing.h"

namespace {

using Card = std::pair<int32_t, int32_t>;

constexpr int32_t kJokerInDeck = 1 << 19;

class DealTest : public ::testing::Test {
  protected:
    void SetUp() override { InstallRandomSource(&random); }
    void TearDown() override {
        hand = {};
        flags = {};
        settings = {};
        InstallRandomSource(nullptr);
    }
    // Every card of the deal: the hands, the up card and the kitty.
    static std::vector<Card> DealtCards(bool withJoker) {
        std::vector<Card> cards;
        for (const auto& seat : hand.Hands) {
            for (size_t slot = 0; slot < 5; ++slot)
                cards.emplace_back(seat[slot][0], seat[slot][1]);
        }
        cards.emplace_back(APIs::Nib(hand.CardUp, 0), APIs::Nib(hand.CardUp, 1));
        for (int i = 0; i < (withJoker ? 4 : 3); ++i) {
            const int32_t entry = hand.CardsPlayed[kFirstKittyEntry + i];
            EXPECT_EQ(APIs::Nib(entry, 3), kKittySeatCode);
            cards.emplace_back(APIs::Nib(entry, 0), APIs::Nib(entry, 1));
        }
        return cards;
    }
    static void CheckDeal(bool withJoker) {
        const std::vector<Card> cards = DealtCards(withJoker);
        const std::set<Card> distinct(cards.begin(), cards.end());
        ASSERT_EQ(distinct.size(), withJoker ? 25u : 24u);
        int jokers = 0;
        for (const Card& card : cards) {
            if (card.second == CardFunctions::kJoker) {
                ++jokers;
                ASSERT_EQ(card.first, CardFunctions::kJokerSuit);
            } else {
                ASSERT_GE(card.first, 0);
                ASSERT_LE(card.first, 3);
                ASSERT_LE(card.second, CardFunctions::kAce);
            }
        }
        ASSERT_EQ(jokers, withJoker ? 1 : 0);
        for (int i = 0; i < 4; ++i)
            ASSERT_EQ(hand.CardsPlayed[kKittyCopyEntry + i],
                      hand.CardsPlayed[kFirstKittyEntry + i]);
        if (!withJoker) {
            ASSERT_EQ(hand.CardsPlayed[24], kEmptyPlayedEntry);
        }
        ASSERT_EQ(hand.DealtHands, hand.Hands);
    }
    static void DealMany(int deals) {
        for (int n = 0; n < deals; ++n) {
            const int32_t before = hand.DealerCounter;
            GamePlaySubs::DealHand(0);
            ASSERT_EQ(hand.DealerCounter, before + 1);
            ASSERT_EQ(Misc::Get3Bits(hand.GenInf, 4), CardFunctions::Wrap4(hand.DealerCounter));
            CheckDeal((settings.Opts2 & kJokerInDeck) != 0);
        }
    }
    VirtualTiming timing;
    ScriptedMessageBoxes boxes;
    SeededRandom random{2024};
};

TEST_F(DealTest, TenThousandDealsHoldEveryCardOnce) {
    DealMany(5000);
    settings.Opts2 |= kJokerInDeck;
    DealMany(5000);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(DealTest, PresetDealsFixTheirSeatsAndTheRestIsDealtAroundThem) {
    // Group C at seat 2 (fixing the up card) and group B layout 2 at seat 1.
    settings.Development0 = 1 | (2 << 1) | (1 << 5) | (1 << 6) | (2 << 8);
    DealMany(200);
    EXPECT_EQ(hand.Hands[2][0], (std::array<int32_t, 2>{3, 5}));
    EXPECT_EQ(hand.CardUp & 0xFF, 2 * 16 + 0);
    EXPECT_EQ(hand.Hands[1][0], (std::array<int32_t, 2>{1, 5}));
    // A group wanting a seat already taken is dropped.
    settings.Development0 = 1 | (1 << 10) | (1 << 5);
    DealMany(50);
}

TEST_F(DealTest, TheDealerAdvancesOneSeatADeal) {
    std::vector<int32_t> dealers;
    for (int n = 0; n < 5; ++n) {
        GamePlaySubs::DealHand(0);
        dealers.push_back(Misc::Get3Bits(hand.GenInf, 4));
    }
    EXPECT_EQ(dealers, (std::vector<int32_t>{0, 1, 2, 3, 0}));
}

TEST_F(DealTest, AReplayDealsTheSameHandsBySameDealerAfterTheUpJackBecameTheRightBower) {
    settings.Opts2 |= kJokerInDeck;
    for (int n = 0; n < 300; ++n) {
        GamePlaySubs::DealHand(0);
        const HandState dealt = hand;
        // The hand is played on: trump fixed, cards played, the up card taken.
        if (APIs::Nib(hand.CardUp, 1) == CardFunctions::kJack)
            hand.CardUp = Misc::NibSet(hand.CardUp, CardFunctions::kRightBower, 1);
        if (APIs::Nib(hand.CardUp, 1) == CardFunctions::kJoker) {
            hand.CardUp =
                Misc::NibSet(Misc::NibSet(hand.CardUp, 1, 0), CardFunctions::kTopJoker, 1);
        }
        hand.CardUp = Misc::NibSet(hand.CardUp, 2, 2) | (1 << 29);
        hand.GenInf = Misc::Set3Bits(hand.GenInf, 1, 0);
        hand.Hands[0][0][1] = -hand.Hands[0][0][1] - 1;
        hand.Hands[2][3] = {-102, -103};
        hand.CardsPlayed[3] = 40;
        hand.CardsPlayed[21] = 0;
        hand.CardsPlayed[30] = 17;
        hand.CardsPlayedCount = 7;
        hand.NibCounter = 3;
        GamePlaySubs::ResetHandForReplay();
        ASSERT_EQ(hand.Hands, dealt.Hands);
        ASSERT_EQ(hand.CardsPlayed, dealt.CardsPlayed);
        ASSERT_EQ(hand.CardUp, dealt.CardUp);
        ASSERT_EQ(hand.GenInf, dealt.GenInf);
        ASSERT_EQ(hand.DealerCounter, dealt.DealerCounter);
        ASSERT_EQ(hand.CardsPlayedCount, 0);
        ASSERT_EQ(hand.NibCounter, 0);
    }
}

TEST_F(DealTest, TheFirstJackDealtDecidesTheFirstDealer) {
    // 9H, TD, then the jack of clubs: the third card goes to seat 3.
    ScriptedRandom script({0.0 / 24, 7.0 / 24 + 0.001, 14.0 / 24 + 0.001});
    InstallRandomSource(&script);
    EXPECT_EQ(GamePlaySubs::ChooseFirstDealer(), 3);
    EXPECT_EQ(hand.FirstDealerCards[2], 2 * 16 + 2);

    settings.Opts3 |= 1 << 11;
    ScriptedRandom joker({24.0 / 25 + 0.001});
    InstallRandomSource(&joker);
    EXPECT_EQ(GamePlaySubs::ChooseFirstDealer(), 1);
    EXPECT_EQ(hand.FirstDealerCards[0], 6 * 16 + 7);

    SetBit(flags.Stat0, Stat0Bits::PlayersChanged);
    EXPECT_EQ(GamePlaySubs::ChooseFirstDealer(), 0);
}

TEST_F(DealTest, TheFirstDealerDealAlwaysEndsAtAJack) {
    for (uint32_t seed = 0; seed < 2000; ++seed) {
        random.Seed(seed);
        const int32_t seat = GamePlaySubs::ChooseFirstDealer();
        int count = 0;
        while (count < 26 && hand.FirstDealerCards[count] / 16 != CardFunctions::kJack) ++count;
        ASSERT_LT(count, 21);
        ASSERT_EQ(seat, (count + 1) % 4);
    }
}

TEST_F(DealTest, CardSoundsAndTheShuffleTakeTheirTimes) {
    const auto elapsed = [&](auto action) {
        const int64_t start = timing.time.NowMs();
        action();
        return timing.time.NowMs() - start;
    };
    EXPECT_EQ(elapsed([] { GamePlaySubs::PlayCardSound(1); }), 0);
    EXPECT_EQ(elapsed([] { GamePlaySubs::ShuffleAnnounce(); }), 1100);
    settings.SoundOn = true;
    // A sound of unknown length plays without a wait.
    EXPECT_EQ(elapsed([] { GamePlaySubs::PlayCardSound(1); }), 0);
    SoundPlayer.SetSoundTime(0);
    // A sound of no length is not played: its pause is taken, scaled by Delay.
    EXPECT_EQ(elapsed([] { GamePlaySubs::PlayCardSound(0); }), 113);
    EXPECT_EQ(elapsed([] { GamePlaySubs::PlayCardSound(1); }), 125);
}

}  // namespace
