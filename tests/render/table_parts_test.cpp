#include "render/table_parts.h"

#include <gtest/gtest.h>

#include "platform/packed_fields.h"
#include "render/card_drawing.h"
#include "support/card_table_test.h"
#include "support/virtual_timing.h"

namespace {

class TablePartsTest : public CardTableTest {
  protected:
    Surface Drawn(int card) {
        Surface dc(200, 200, 0);
        Video::DrawCard(dc, 10, 10, card);
        return dc;
    }
    static Surface Expected(bool back, int card) {
        Surface dc(200, 200, 0);
        if (back) {
            CardImages.DrawBack(dc, 10, 10, settings.CardBack);
        } else {
            CardImages.DrawFace(dc, 10, 10, card);
        }
        return dc;
    }
    void HideHandsUnderAJoker() {
        hand = {};
        flags = {};
        hand.GenInf = 0;
        hand.CardUp = Misc::NibSet(0, 6, 1);
    }

    VirtualTiming timing;
};

TEST_F(TablePartsTest, ATurnedUpJokerHidesEveryCardButTheJokerUntilAnyConditionChanges) {
    HideHandsUnderAJoker();
    for (int card : {1, 12, 24}) EXPECT_EQ(Drawn(card).Image(), Expected(true, card).Image());
    EXPECT_EQ(Drawn(25).Image(), Expected(false, 25).Image());

    hand.GenInf = Misc::Set3Bits(0, 1, 4);
    EXPECT_EQ(Drawn(7).Image(), Expected(false, 7).Image());
    HideHandsUnderAJoker();
    hand.GenInf = Misc::Set3Bits(0, 2, 8);
    EXPECT_EQ(Drawn(7).Image(), Expected(false, 7).Image());
    HideHandsUnderAJoker();
    SetBit(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
    EXPECT_EQ(Drawn(7).Image(), Expected(false, 7).Image());
    HideHandsUnderAJoker();
    hand.CardUp = Misc::NibSet(0, 5, 1);
    EXPECT_EQ(Drawn(7).Image(), Expected(false, 7).Image());
}

TEST_F(TablePartsTest, ClearingHidesTheChosenButtonsAndBoxesOnly) {
    for (int i = 0; i < kChoiceButtons; ++i) {
        ChoiceButton b = table.Choice(i);
        b.Visible = true;
        table.SetChoice(i, b);
    }
    table.PicB(2).Fill(0x123456);
    table.Table().Fill(0x654321);
    Video::ClearTableParts(0x02 | 0x10);
    EXPECT_TRUE(table.Choice(4).Visible);
    EXPECT_FALSE(table.Choice(5).Visible);
    EXPECT_FALSE(table.PicBState(2).Visible);
    EXPECT_TRUE(table.PicBState(1).Visible);
    EXPECT_EQ(table.PicB(2).Pixel(1, 1), table.PicBState(2).BackColor);
    EXPECT_EQ(table.Table().Pixel(5, 5), 0x654321);

    Video::ClearTableParts(255);
    for (int i = 0; i < kChoiceButtons; ++i) EXPECT_FALSE(table.Choice(i).Visible);
    for (int i = 0; i < kPictureBoxes; ++i) EXPECT_FALSE(table.PicBState(i).Visible);
    EXPECT_EQ(table.Table().Pixel(5, 5), settings.Background);
}

TEST_F(TablePartsTest, TheTitlesKeepTheHumansNameAsItsClickArea) {
    settings.PlayerNames[0] = "Alexandra Quinn";
    tables.MessageTable[4] = "Welcome,";
    Video::DrawTableTitles();
    EXPECT_EQ(dude0NameBox.Left, 370);
    EXPECT_GT(dude0NameBox.Right, 370);
    EXPECT_EQ(dude0NameBox.Top, 37);
    const int fifteen = dude0NameBox.Bottom - dude0NameBox.Top;

    settings.PlayerNames[0] = "Alexandra Quinns";
    Video::DrawTableTitles();
    EXPECT_LT(dude0NameBox.Bottom - dude0NameBox.Top, fifteen);
}

TEST_F(TablePartsTest, LongComputerNamesShrinkOnlyAtTheSmallestScale) {
    settings.PlayerNames[1] = "Bartholomew X";
    settings.PlayerNames[3] = "Bartholomew";
    Video::DrawPlayerNames();
    const TextRect east = drawnText.LastTextRect;
    EXPECT_EQ(east.right, 790);
    EXPECT_EQ(east.top, 320);
    EXPECT_EQ(drawnText.PrevTextRect.left, 390);
    settings.PlayerNames[3] = "Bartholomew X";
    Video::DrawPlayerNames();
    EXPECT_LT(drawnText.LastTextRect.bottom - drawnText.LastTextRect.top, east.bottom - east.top);
}

}  // namespace
