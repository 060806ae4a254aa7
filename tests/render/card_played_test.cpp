#include "render/card_played.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/busy_wait_watch.h"
#include "support/card_table_test.h"

namespace {

class CardPlayedTest : public CardTableTest {
  protected:
    // The top-left corner of everything drawn in the trick box.
    SpotPoint InkCorner() {
        const Surface& dc = table.PicB(0);
        SpotPoint corner{dc.Width(), dc.Height()};
        for (int y = 0; y < dc.Height(); ++y) {
            for (int x = 0; x < dc.Width(); ++x) {
                if (dc.Pixel(x, y) == settings.Background) continue;
                corner.x = std::min(corner.x, x);
                corner.y = std::min(corner.y, y);
            }
        }
        return corner;
    }

    BusyWaitWatch watch{[this] { return Refreshes(0); }};
};

TEST_F(CardPlayedTest, EachSeatsCardLandsOnItsSpotAtEveryScale) {
    settings.Opts1 |= kAlignCards;
    for (const auto& [s, band] : {std::pair{1.0f, 0}, std::pair{1.5f, 2}}) {
        LayOut(s, band);
        for (int32_t seat = 0; seat < 4; ++seat) {
            SCOPED_TRACE(testing::Message() << "scale " << s << " seat " << seat);
            table.PicB(0).Fill(settings.Background);
            Video::ShowCardPlayed(seat, 2, 5, true, 10);
            const SpotPoint spot = tableGeometry.TrickSpots[static_cast<size_t>(seat)];
            EXPECT_EQ(InkCorner(), spot);
            EXPECT_EQ(tableGeometry.TrickSpots[5], spot);
        }
    }
    // Mode 10 never redraws the hand it was asked to.
    EXPECT_EQ(Refreshes(1) + Refreshes(3) + Refreshes(4) + Refreshes(5), 0);
}

TEST_F(CardPlayedTest, TheFlashInvertsTheCardOnScreenAndRestoresIt) {
    settings.Opts1 |= kAlignCards;
    LayOut(1.0f, 0);
    Video::ShowCardPlayed(3, 1, 4, false, 10);
    const Surface drawn = table.PicB(0);
    const SpotPoint at = tableGeometry.TrickSpots[3];
    const int x = at.x + CardImages.CardWidth() / 2;
    const int y = at.y + CardImages.CardHeight() / 2;
    Video::InvertPlayedCard();
    EXPECT_EQ(table.PicB(0).Pixel(x, y), 0xFFFFFF ^ drawn.Pixel(x, y));
    EXPECT_EQ(table.PicB(0).Pixel(0, 0), drawn.Pixel(0, 0));
    Video::InvertPlayedCard();

    table.picBRefreshes.clear();
    Video::ShowCardPlayed(3, 1, 4, false, 1);
    EXPECT_EQ(table.PicB(0).Image(), drawn.Image());
    // Neither busy wait starts before what it holds on screen has been painted.
    ASSERT_EQ(watch.sleeps.size(), 2u);
    EXPECT_EQ(watch.sleeps[0].ms, 25);
    EXPECT_GE(watch.sleeps[0].note, 1);
    EXPECT_EQ(watch.sleeps[1].ms, 350);
    EXPECT_GT(watch.sleeps[1].note, watch.sleeps[0].note);
}

}  // namespace
