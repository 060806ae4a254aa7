#include "render/hand_drawing.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/packed_fields.h"
#include "support/card_table_test.h"
#include "support/virtual_timing.h"

namespace {

class HandDrawingTest : public CardTableTest {
  protected:
    void SetUp() override {
        hand.GenInf = 0;
        hand.CardUp = 0;
        for (int seat = 0; seat < 4; ++seat) {
            for (int slot = 0; slot < 5; ++slot) {
                hand.Hands[seat][slot][kSuitPlane] = slot % 4;
                hand.Hands[seat][slot][kRankPlane] = slot;
            }
        }
    }
    // The first and last inked columns along the middle row of a box.
    std::pair<int, int> InkSpan(int box) {
        const Surface& dc = table.PicB(box);
        const int y = dc.Height() / 2;
        int first = -1;
        int last = -1;
        for (int x = 0; x < dc.Width(); ++x) {
            if (dc.Pixel(x, y) == table.PicBState(box).BackColor) continue;
            if (first < 0) first = x;
            last = x;
        }
        return {first, last};
    }
    std::vector<int> HandBoxRefreshes() const {
        std::vector<int> boxes;
        for (int box : table.picBRefreshes) {
            if (box == 1 || box >= 3) boxes.push_back(box);
        }
        return boxes;
    }

    VirtualTiming timing;
};

TEST_F(HandDrawingTest, TheDealGoesRoundTwiceFromTheDealersLeft) {
    hand.GenInf = Misc::Set3Bits(0, 2, 4);
    settings.Delay = 1.0f;
    std::vector<int> widths;
    int sounds = 0;
    Video::DrawHands(0, [&] {
        ++sounds;
        widths.push_back(InkSpan(1).second - InkSpan(1).first);
    });
    EXPECT_EQ(sounds, 8);
    EXPECT_EQ(timing.time.NowMs(), 1600);
    EXPECT_EQ(HandBoxRefreshes(), (std::vector<int>{5, 1, 3, 4, 5, 1, 3, 4}));
    // South's hand as it stood before each card sound: none, then 2 cards, then 5.
    const int w = CardImages.CardWidth();
    EXPECT_LT(widths[1], 0 + 1);
    EXPECT_NEAR(widths[2], w + 2 * w / 3, 2);
    EXPECT_NEAR(InkSpan(1).second - InkSpan(1).first, w + 4 * 2 * w / 3, 2);
    EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::DrawingHands));
}

TEST_F(HandDrawingTest, PlayedCardsCloseUpAndTheRestIsCentred) {
    hand.Hands[0][1][kRankPlane] = -2;
    hand.Hands[0][3][kRankPlane] = -4;
    Video::DrawHands(2);
    const int w = CardImages.CardWidth();
    const auto [first, last] = InkSpan(1);
    EXPECT_NEAR(first, 8 + 2 * w / 3, 1);
    EXPECT_NEAR(last - first, w + 2 * 2 * w / 3, 2);
}

TEST_F(HandDrawingTest, AlignedComputerBacksStandInLine) {
    settings.Opts1 |= kAlignCards;
    Video::DrawHands(6);
    const Surface& north = table.PicB(4);
    Surface again = north;
    Video::DrawHands(6);
    EXPECT_EQ(table.PicB(4).Image(), again.Image());
    EXPECT_GE(InkSpan(4).first, 0);
}

TEST_F(HandDrawingTest, ClearingModesTouchOneBoxOnly) {
    table.PicB(2).Fill(0x112233);
    table.PicB(1).Fill(0x112233);
    Video::DrawHands(12);
    EXPECT_EQ(table.PicB(2).Pixel(3, 3), table.PicBState(2).BackColor);
    EXPECT_EQ(table.PicB(1).Pixel(3, 3), 0x112233);
}

TEST_F(HandDrawingTest, ARebuildAskedDuringTheDealUnloadsTheWindowAfterIt) {
    Video::DrawHands(0, [] { SetBit(flags.Stat0, Stat0Bits::RebuildMainWindow); });
    EXPECT_EQ(table.unloadCount, 1);
}

}  // namespace
