#include <gtest/gtest.h>

#include <vector>

#include "engine/model/kitty_trades.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/packed_fields.h"
#include "platform/random_source.h"
#include "platform/settings/player_settings.h"

namespace {

using Card = std::pair<int32_t, int32_t>;

class KittyAndSortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InstallRandomSource(&random);
        hand.CardsPlayed.fill(kEmptyPlayedEntry);
        for (int i = 0; i < 4; ++i)
            hand.CardsPlayed[kFirstKittyEntry + i] = 5 * 16 + i;  // the aces
    }
    void TearDown() override {
        hand = {};
        flags = {};
        settings = {};
        InstallRandomSource(nullptr);
    }
    void Give(int seat, std::vector<Card> cards) {
        for (size_t slot = 0; slot < cards.size(); ++slot) {
            hand.Hands[seat][slot][kSuitPlane] = cards[slot].first;
            hand.Hands[seat][slot][kRankPlane] = cards[slot].second;
        }
    }
    std::vector<Card> HandOf(int seat) const {
        std::vector<Card> cards;
        for (size_t slot = 0; slot < 5; ++slot) {
            cards.emplace_back(hand.Hands[seat][slot][kSuitPlane],
                               hand.Hands[seat][slot][kRankPlane]);
        }
        return cards;
    }
    void SetTrump(int32_t suit) { hand.GenInf = Misc::Set3Bits(hand.GenInf, suit, 0); }
    SeededRandom random{3};
};

TEST_F(KittyAndSortTest, ThreeOfAKindGoesToTheKittyAndMarksItKnown) {
    Give(1, {{0, 0}, {1, 0}, {2, 0}, {3, 4}, {3, 5}});
    CardFunctions::TradeThreeForKitty(1, -1);
    EXPECT_EQ(HandOf(1), (std::vector<Card>{{0, 5}, {2, 5}, {1, 5}, {3, 5}, {3, 4}}));
    EXPECT_EQ(hand.CardsPlayed[21], 0);
    EXPECT_EQ(hand.CardsPlayed[22], 1);
    EXPECT_EQ(hand.CardsPlayed[23], 2);
    EXPECT_NE(hand.GenInf & kGenInfKittyKnown, 0);
    EXPECT_TRUE(IsSet(flags.Stat0, Stat0Bits::KittyKnown));
}

TEST_F(KittyAndSortTest, AComputerWithFourOfAKindKeepsTheUpCardsSuit) {
    hand.CardUp = Misc::NibSet(hand.CardUp, 2, 0);
    Give(3, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 5}});
    CardFunctions::TradeThreeForKitty(3, -1);
    int nines = 0;
    for (const auto& [suit, rank] : HandOf(3)) {
        if (rank == 0) {
            EXPECT_EQ(suit, 2);
            ++nines;
        }
    }
    EXPECT_EQ(nines, 1);
}

TEST_F(KittyAndSortTest, TheHumansSwapStopsAtTheKittysSize) {
    SetTrump(3);
    Give(0, {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {3, 4}});
    flags.Stat2 = (1 << 3) | (1 << 4) | (1 << 5) | (1 << 6);
    CardFunctions::HumanKittySwap();
    int aces = 0;
    int small = 0;
    for (const auto& [suit, rank] : HandOf(0)) {
        aces += rank == 5 ? 1 : 0;
        small += rank < 2 ? 1 : 0;
    }
    EXPECT_EQ(aces, 3);
    EXPECT_EQ(small, 1);
    EXPECT_EQ(hand.CardsPlayed[24], 5 * 16 + 3);
}

TEST_F(KittyAndSortTest, WithTheJokerTheKittyTakesFour) {
    settings.Opts2 |= 1 << 19;
    SetTrump(3);
    Give(0, {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {3, 4}});
    flags.Stat2 = (1 << 3) | (1 << 4) | (1 << 5) | (1 << 6);
    CardFunctions::HumanKittySwap();
    EXPECT_EQ(hand.CardsPlayed[24], 1 * 16 + 1);
}

TEST_F(KittyAndSortTest, TheSwapMakesBowersOfTheTrumpJacks) {
    SetTrump(2);
    hand.CardsPlayed[21] = 2 * 16 + 3;  // the jack of spades
    Give(0, {{0, 0}, {2, 2}, {2, 5}, {2, 4}, {1, 3}});
    flags.Stat2 = 1 << 3;
    CardFunctions::HumanKittySwap();
    // Two suits missing: the groups stay in suit order.
    EXPECT_EQ(HandOf(0), (std::vector<Card>{{1, 3}, {2, 8}, {2, 7}, {2, 5}, {2, 4}}));
}

TEST_F(KittyAndSortTest, AComputerKeepsTwoAndTradesNoMoreThanTheKittyHolds) {
    SetTrump(0);
    Give(2, {{0, 3}, {1, 0}, {2, 1}, {3, 0}, {3, 1}});
    CardFunctions::ComputerKittyExchange(2);
    EXPECT_EQ(HandOf(2), (std::vector<Card>{{0, 3}, {0, 5}, {2, 1}, {1, 5}, {2, 5}}));

    Give(1, {{1, 4}, {2, 4}, {3, 4}, {0, 4}, {1, 4}});
    CardFunctions::ComputerKittyExchange(1);
    const auto after = HandOf(1);
    EXPECT_EQ(after[3], (Card{0, 4}));
    EXPECT_EQ(after[4], (Card{1, 4}));
}

}  // namespace
