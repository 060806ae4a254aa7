#include "render/trick_piles.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/packed_fields.h"
#include "support/card_table_test.h"
#include "support/virtual_timing.h"

namespace {

constexpr int kTeam0Box = 6;
constexpr int kTeam1Box = 7;

class TrickPilesTest : public CardTableTest {
  protected:
    void SetUp() override { settings.Opts1 |= kAlignCards; }
    void SetTricks(int team0, int team1, int trick) {
        hand.Tricks = Misc::NibSet(Misc::NibSet(Misc::NibSet(0, team0, 0), team1, 1), trick, 2);
    }
    void SizeBox(int index, int width, int height) {
        PictureBox box = table.PicBState(index);
        box.Width = width;
        box.Height = height;
        table.SetPicBState(index, box);
    }
    // The box as it should look with the trick backs at those places.
    Surface Expected(int index, const std::vector<std::pair<int, int>>& places, int card,
                     int orientation) {
        Surface dc(table.PicB(index).Width(), table.PicB(index).Height(), settings.Background);
        for (const auto& [x, y] : places) CardImages.DrawTrick(dc, x, y, card, orientation);
        return dc;
    }

    VirtualTiming timing;
};

TEST_F(TrickPilesTest, PilesStandWhereTheirCountsCentreThem) {
    SizeBox(kTeam1Box, 81, 140);
    SetTricks(0, 3, 3);
    CardFunctions::DrawTrickPiles(1);
    EXPECT_EQ(table.PicB(kTeam1Box).Image(),
              Expected(kTeam1Box, {{5, 65}, {5, 45}, {5, 25}}, settings.CardBack + 11, 1).Image());

    scale.ScaleFactor = 1.5f;
    SizeBox(kTeam0Box, 174, 81);
    SetTricks(2, 0, 2);
    CardFunctions::DrawTrickPiles(0);
    EXPECT_EQ(table.PicB(kTeam0Box).Image(),
              Expected(kTeam0Box, {{43, 5}, {68, 5}}, settings.CardBack + 1, 0).Image());
    EXPECT_TRUE(table.PicBState(kTeam0Box).Visible);
    EXPECT_TRUE(table.PicBState(kTeam1Box).Visible);
}

TEST_F(TrickPilesTest, BeforeTheFirstTrickIsCountedBothBoxesAreHidden) {
    SetTricks(2, 1, 0);
    CardFunctions::DrawTrickPiles(2);
    EXPECT_FALSE(table.PicBState(kTeam0Box).Visible);
    EXPECT_FALSE(table.PicBState(kTeam1Box).Visible);
}

TEST_F(TrickPilesTest, TeamOnesPileAloneLeavesTeamZerosAsItWas) {
    table.PicB(kTeam0Box).Fill(0x123456);
    const QImage before = table.PicB(kTeam0Box).Image();
    SetTricks(1, 2, 3);
    CardFunctions::DrawTrickPiles(1);
    EXPECT_EQ(table.PicB(kTeam0Box).Image(), before);
    EXPECT_NE(
        table.PicB(kTeam1Box).Image(),
        Surface(table.PicB(kTeam1Box).Width(), table.PicB(kTeam1Box).Height(), settings.Background)
            .Image());
}

}  // namespace
