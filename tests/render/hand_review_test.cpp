#include "render/hand_review.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/packed_fields.h"
#include "support/card_table_test.h"
#include "support/virtual_timing.h"

namespace {

constexpr int32_t kSpot = 0x00FF00;

class HandReviewTest : public CardTableTest {
  protected:
    void SetUp() override {
        settings.Background = 0x204020;
        settings.Spot = kSpot;
        table.Table().Fill(settings.Background);
        for (int seat = 0; seat < 4; ++seat) {
            for (int slot = 0; slot < 5; ++slot) hand.Hands[seat][slot] = {seat, slot};
        }
    }
    // Whether a card covers the point (x, y) of the table.
    bool CardAt(double x, double y) {
        const int32_t p = table.Table().Pixel(static_cast<int>(x), static_cast<int>(y));
        return p != settings.Background && p != kSpot;
    }

    VirtualTiming timing;
};

TEST_F(HandReviewTest, AfterEveryonePassedTheDealtHandsAndTheKittyAreShown) {
    SetBit(flags.Stat0, Stat0Bits::EveryonePassed);
    for (int entry = kFirstKittyEntry; entry < kFirstKittyEntry + 3; ++entry) {
        hand.CardsPlayed[entry] = entry % 4;
    }
    Video::DrawHandReview();
    const double h = 0.8 * CardImages.CardHeight();
    for (const auto& [x0, y0] : {std::pair{310, 380}, {200, 267}, {310, 155}, {400, 267}}) {
        SCOPED_TRACE(testing::Message() << "hand at " << x0 << ", " << y0);
        for (int slot = 0; slot < 5; ++slot) EXPECT_TRUE(CardAt(x0 + 27 * slot + 13, y0 + h / 2));
        EXPECT_FALSE(CardAt(x0 - 3, y0 + h / 2));
    }
    for (int x : {360, 387, 414}) EXPECT_TRUE(CardAt(x + 13, 30 + h / 2));
    EXPECT_EQ(table.Choice(4).Tag, "R");
    EXPECT_TRUE(table.Choice(4).Visible);
    EXPECT_FALSE(IsSet(flags.Stat1, Stat1Bits::PartnerPanelShown));
}

TEST_F(HandReviewTest, TricksNotPlayedShowADotAndNoCards) {
    hand.Leader = 0x7FC0;  // tricks 1 and 2 led by seat 0, the rest not played
    for (int entry = 1; entry <= 8; ++entry) hand.CardsPlayed[entry] = entry % 4 | (entry % 6) << 4;
    Video::DrawHandReview();
    const double cw = CardImages.CardWidth();
    const double ch = CardImages.CardHeight();
    const double v = std::nearbyint(ch / 5.2);
    // The human's card below the first trick's centre, the dots on tricks 3-5.
    EXPECT_TRUE(CardAt(260 + 5, 187 + v + 5));
    for (const auto& [x0, y0] : {std::pair{524, 187}, {325, 351}, {455, 351}}) {
        const double dotX = x0 + 0.79 * cw / 2;
        const double dotY = y0 + 0.75 * ch / 2;
        EXPECT_EQ(table.Table().Pixel(static_cast<int>(dotX), static_cast<int>(dotY)), kSpot);
        EXPECT_FALSE(CardAt(x0 + 5, y0 + v + 5));
    }
}

}  // namespace
