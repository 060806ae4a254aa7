#include "render/key_labels.h"

#include <gtest/gtest.h>

#include "support/card_table_test.h"
#include "support/virtual_timing.h"

namespace {

class KeyLabelsTest : public CardTableTest {
  protected:
    void SetUp() override {
        tableGeometry.HandOriginX = 220;
        tableGeometry.TrickBoxTop = table.PicBState(0).Top;
        for (int slot = 0; slot < 5; ++slot) hand.Hands[0][slot] = {slot % 4, slot};
    }
    static double Centre(int32_t left, int32_t right) { return (left + right) / 2.0; }

    VirtualTiming timing;
};

TEST_F(KeyLabelsTest, TheLastNumberAndTheEndMarkStandBesideTheLastCard) {
    const double w = CardImages.CardWidth();
    struct Case {
        int played;
        bool sixth;
        double lastCentre;  // from the hand's origin, in card widths
    };
    for (const Case c : {Case{0, false, 3.0}, Case{2, false, 2.0 + 1.0 / 3}, Case{0, true, 2.97}}) {
        SCOPED_TRACE(testing::Message() << c.played << " played, sixth " << c.sixth);
        TearDown();
        SetUp();
        for (int slot = 0; slot < c.played; ++slot) hand.Hands[0][slot][kRankPlane] = -slot - 1;
        if (c.sixth) hand.NibCounter |= 1 << 28;
        const double x = 220 + 5 + c.lastCentre * w;
        Video::DrawKeyLabels();
        const TextRect last = drawnText.LastTextRect;
        EXPECT_NEAR(Centre(last.left, last.right), x, 2);
        EXPECT_EQ(keyLabels.KeyMarkRect, (std::array<int, 4>{}));

        SetBit(flags.Stat2, Stat2Bits::ChoosingDiscard);
        Video::DrawKeyLabels();
        const auto& mark = keyLabels.KeyMarkRect;
        EXPECT_NEAR(Centre(mark[0], mark[2]), x + 0.75 * w, 2);
        EXPECT_LE(mark[1], 492);
        EXPECT_GT(mark[3], 492);
    }
}

TEST_F(KeyLabelsTest, ASecondPopUpDoesNotLowerTheTrickBoxAgain) {
    const PictureBox before = table.PicBState(0);
    Video::ShowSeatCards(2);
    Video::ShowSeatCards(3);
    const PictureBox after = table.PicBState(0);
    EXPECT_EQ(after.Top, before.Top + 60);
    EXPECT_EQ(after.Height, before.Height - 60);
    EXPECT_TRUE(after.Visible);
}

}  // namespace
