#include "render/hint_effects.h"

#include <gtest/gtest.h>

#include "render/hand_drawing.h"
#include "support/card_table_test.h"
#include "support/hand_text.h"
#include "support/virtual_timing.h"

namespace {

class HintEffectsTest : public CardTableTest {
  protected:
    void SetUp() override {
        settings.Text = 0xFFFFFF;
        HandText::SetHand(0, "9H TD JC QS KH");
        keyLabels.KeyMarkRect = {400, 545, 430, 565};
    }

    VirtualTiming timing;
};

TEST_F(HintEffectsTest, APulsingCaptionStaysWithinTheButton) {
    struct Case {
        double caption;
        int button;
        double factor;
    };
    const Case cases[] = {{40, 96, 1.25}, {0, 96, 1.25}, {80, 96, 1.1}, {90, 96, 1.0}, {100, 96, 0.9}};
    for (const Case& c : cases) {
        const double factor = Video::PulseFactor(c.caption, c.button);
        EXPECT_DOUBLE_EQ(factor, c.factor) << c.caption;
        if (factor < 1.25) {
            EXPECT_LE(factor * c.caption, 0.97 * c.button) << c.caption;
        }
    }
}

TEST_F(HintEffectsTest, SlotSixBlinksTheEndMarkAndLeavesTheHand) {
    Video::DrawHands(2);
    const QImage hand = table.PicB(1).Image().copy();
    const QImage before = table.Table().Image().copy();
    Video::SwirlCard(6, 5);
    EXPECT_EQ(table.PicB(1).Image(), hand);
    EXPECT_NE(table.Table().Image(), before);
}

}  // namespace
