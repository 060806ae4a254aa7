#include "render/lay_down.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/packed_fields.h"
#include "support/busy_wait_watch.h"
#include "support/card_table_test.h"

namespace {

constexpr int32_t kKittyCard = 0x5123;

class LayDownTest : public CardTableTest {
  protected:
    void SetUp() override {
        for (size_t i = 0; i < tables.MessageTable.size(); ++i) {
            tables.MessageTable[i] = "m" + std::to_string(i);
        }
    }
    // Hearts are trump and only seat 3 holds them; each seat has played `tricks` cards.
    void Hand(int32_t maker, int32_t tricks) {
        hand = {};
        hand.GenInf = Misc::Set3Bits(Misc::Set3Bits(0, 0, 0), maker, 2);
        static constexpr int32_t kSuitOfSeat[4] = {3, 1, 2, 0};
        for (int seat = 0; seat < 4; ++seat) {
            for (int slot = 0; slot < 5; ++slot) {
                hand.Hands[seat][slot] = {kSuitOfSeat[seat], slot < tricks ? -slot - 1 : slot};
            }
        }
        hand.CardsPlayedCount = 4 * tricks;
        hand.Tricks = Misc::NibSet(kNewHandTricks, tricks, 2);
        for (int entry = kFirstKittyEntry; entry < kFirstKittyEntry + 3; ++entry) {
            hand.CardsPlayed[entry] = kKittyCard;
        }
    }
    bool KittyUntouched() const {
        return std::all_of(hand.CardsPlayed.begin() + kFirstKittyEntry,
                           hand.CardsPlayed.begin() + kFirstKittyEntry + 3,
                           [](int32_t e) { return e == kKittyCard; });
    }

    BusyWaitWatch watch{[] { return 0; }};
};

TEST_F(LayDownTest, EachClaimShowsItsCardsAndMessagesCreditsItsSideAndPlaysOut) {
    struct Case {
        int32_t code, maker, tricks;
        int team, credit;
        std::string headline;
        int closingAt;
        std::string closing;
        int flashes;
    };
    const Case cases[] = {
        {1, 0, 2, 0, 0, "m88", 0, "", 0},
        {3, 0, 2, 0, 1, "", 2, "m89", 1},
        {6, 1, 3, 0, 1, "", 4, "m93", 1},
        {17, 2, 1, 1, 1, "m92", 3, "m91", 1},
        {15, 0, 1, 0, 3, "", 2, "m89", 3},
        {22, 1, 2, 0, 2, "", 4, "m90", 2},
        {55, 3, 3, 1, 2, "m97", 5, "m89", 2},
        {35, 0, 2, 0, 0, "Error!", 0, "", 0},
        {99, 3, 0, 1, 5, "LayDown Loner!", 0, "", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code);
        Hand(c.maker, c.tricks);
        tableMessages = {};
        table.picBRefreshes.clear();
        watch.sleeps.clear();
        Video::ShowLayDown(c.code);
        EXPECT_EQ(APIs::Nib(hand.Tricks, c.team), c.credit);
        EXPECT_EQ(APIs::Nib(hand.Tricks, 1 - c.team), 0);
        EXPECT_EQ(tableMessages.ShownMessages[1], c.headline);
        if (c.closingAt > 0) {
            EXPECT_EQ(tableMessages.ShownMessages[c.closingAt], c.closing);
        }
        EXPECT_EQ(watch.Count(25), c.flashes);
        // Before the first trick the piles are hidden rather than drawn.
        EXPECT_EQ(Refreshes(6) > 0 && Refreshes(7) > 0, c.tricks > 0);
        // Every card left is played out, one busy step each, and the kitty stays.
        EXPECT_EQ(watch.Count(60), 20 - 4 * c.tricks);
        EXPECT_EQ(hand.CardsPlayedCount, 20);
        EXPECT_TRUE(KittyUntouched());
    }
}

TEST_F(LayDownTest, ALonersClaimAfterSomeTricksStopsWithTheLastCard) {
    Hand(0, 2);
    // The loner's partner sits out: its cards are put away.
    for (int slot = 0; slot < 5; ++slot) hand.Hands[2][slot][kRankPlane] = -100 - slot;
    Video::ShowLayDown(99);
    EXPECT_EQ(hand.CardsPlayedCount, 20);
    EXPECT_EQ(watch.Count(60), 9);
    EXPECT_EQ(APIs::Nib(hand.CardsPlayed[19], 2), 1);
    EXPECT_TRUE(KittyUntouched());
}

}  // namespace
