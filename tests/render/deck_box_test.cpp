#include <gtest/gtest.h>

#include "platform/packed_fields.h"
#include "render/hand_drawing.h"
#include "support/card_table_test.h"
#include "support/virtual_timing.h"

namespace {

constexpr int32_t kNobody = 7;

class DeckBoxTest : public CardTableTest {
  protected:
    void SetUp() override { settings.Opts1 |= kAlignCards; }
    // Dealer, trump, maker and lone player in GenInf; suit, rank and round in CardUp.
    void SetHand(int dealer, int trump, int maker, int lone, int round) {
        int32_t genInf = Misc::Set3Bits(0, trump, 0);
        genInf = Misc::Set3Bits(genInf, maker, 2);
        genInf = Misc::Set3Bits(genInf, lone, 3);
        genInf = Misc::Set3Bits(genInf, dealer, 4);
        hand.GenInf = Misc::Set3Bits(genInf, 1, 8);
        hand.CardUp = Misc::NibSet(Misc::NibSet(Misc::NibSet(0, 1, 0), 3, 1), round, 2);
        hand.CardUp = Misc::NibSet(hand.CardUp, kNobody, 3);
    }
    int Count(int32_t colour) { return CountPixels(table.PicB(2), colour); }

    VirtualTiming timing;
};

TEST_F(DeckBoxTest, BeforeTheCallingTheBoxIsOnlyCleared) {
    table.PicB(2).Fill(0x445566);
    PictureBox before = table.PicBState(2);
    SetHand(2, kNobody, kNobody, kNobody, 0);
    Video::DrawDeckBox();
    EXPECT_EQ(table.PicBState(2), before);
    EXPECT_EQ(Count(table.PicBState(2).BackColor), table.PicB(2).Width() * table.PicB(2).Height());
}

TEST_F(DeckBoxTest, TheBoxStandsBesideEachDealer) {
    const std::array<std::pair<int, int>, 5> places{
        {{645, 340}, {85, 250}, {130, 10}, {590, 95}, {645, 340}}};
    for (int dealer = 0; dealer <= 4; ++dealer) {
        SetHand(dealer, kNobody, kNobody, kNobody, 1);
        Video::DrawDeckBox();
        EXPECT_EQ(table.PicBState(2).Left, places[dealer].first) << dealer;
        EXPECT_EQ(table.PicBState(2).Top, places[dealer].second) << dealer;
        EXPECT_TRUE(table.PicBState(2).Visible);
    }
}

TEST_F(DeckBoxTest, TheTurnedDownCardIsCrossedAndANamedTrumpMarked) {
    SetHand(1, kNobody, kNobody, kNobody, 1);
    Video::DrawDeckBox();
    EXPECT_EQ(Count(180), 0);
    SetHand(1, kNobody, kNobody, kNobody, 2);
    Video::DrawDeckBox();
    EXPECT_GT(Count(180), 100);
    settings.Spot = 0x00FF00;
    SetHand(1, 2, 1, 1, 2);
    Video::DrawDeckBox();
    EXPECT_EQ(Count(180), 0);
    EXPECT_GT(Count(settings.Spot), 1000);
}

}  // namespace
