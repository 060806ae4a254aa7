#include "render/table_geometry.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kAlignCards = 1 << 25;

TableLayout Layout(float s, int32_t band, int32_t bandWidth, int32_t opts1 = 0) {
    return FormFunctions::LayOutTable(s, band, bandWidth, FormFunctions::DesignCardSizes(band + 1),
                                      opts1, 0);
}

TEST(TableGeometryTest, BaseScaleBoxes) {
    const TableLayout t = Layout(1.0f, 0, 793);
    EXPECT_EQ(t.PicB[0], (BoxRect{268, 108, 261, 235}));
    // 212.5 rounds to even.
    EXPECT_EQ(t.PicB[1], (BoxRect{212, 342, 368, 152}));
    EXPECT_EQ(t.PicB[3], (BoxRect{2, 185, 79, 138}));
    EXPECT_EQ(t.PicB[4], (BoxRect{250, 2, 138, 79}));
    EXPECT_EQ(t.PicB[5], (BoxRect{711, 180, 79, 138}));
    EXPECT_EQ(t.PicB[6], (BoxRect{573, 2, 140, 81}));
    EXPECT_EQ(t.PicB[7], (BoxRect{714, 2, 81, 140}));
    EXPECT_EQ(t.Geometry.ChoiceLefts[5], 565);
    EXPECT_EQ(t.Choice[5].Left, 565);
    EXPECT_EQ(t.Geometry.ReviewTop, 505);
    EXPECT_EQ(t.Geometry.HandOriginX, 220);
    EXPECT_EQ(t.Geometry.HandOriginY, 350);
    EXPECT_EQ(t.Geometry.TrickSpots[0], (SpotPoint{82, 89}));
    EXPECT_EQ(t.Geometry.TrickSpots[2], (SpotPoint{82, 6}));
    EXPECT_EQ(t.ChoiceFontSize, 14);
}

TEST(TableGeometryTest, ScaleOnePointTwoUsesTheShrunkSpotsAndLowerButtons) {
    const TableLayout t = Layout(1.2f, 1, 952);
    EXPECT_EQ(t.Geometry.TrickSpots[0], (SpotPoint{94, 102}));
    EXPECT_EQ(t.Geometry.TrickSpots[2], (SpotPoint{94, 7}));
    EXPECT_EQ(t.Geometry.TrickSpots[1], (SpotPoint{15, 55}));
    EXPECT_EQ(t.Geometry.ReviewTop, 612);
    EXPECT_EQ(t.Geometry.ChoiceLefts[5], 720);
    EXPECT_EQ(t.Geometry.ChoiceTop, 606 + 12);
    EXPECT_EQ(t.ChoiceFontSize, 17);
}

TEST(TableGeometryTest, LargerScalesUseTheWidePiles) {
    const TableLayout t = Layout(1.5f, 2, 1190);
    EXPECT_EQ(t.PicB[0], (BoxRect{402, 162, 391, 352}));
    EXPECT_EQ(t.PicB[1], (BoxRect{321, 513, 548, 227}));
    EXPECT_EQ(t.PicB[5].Left, 1088);
    EXPECT_EQ(t.PicB[6], (BoxRect{916, 2, 174, 101}));
    EXPECT_EQ(t.PicB[7], (BoxRect{1091, 2, 101, 174}));
    EXPECT_EQ(t.Geometry.ChoiceLefts[5], 900);

    const TableLayout big = Layout(1.9f, 3, 1510);
    EXPECT_EQ(big.PicB[0], (BoxRect{509, 205, 495, 446}));
    EXPECT_EQ(big.Geometry.ReviewTop, 959);
    EXPECT_EQ(big.Geometry.ChoiceLefts[5], 1140);
    EXPECT_EQ(big.Geometry.TrickSpots[2], (SpotPoint{156, 11}));
}

TEST(TableGeometryTest, AlignedCardsUseTheNarrowMargin) {
    const TableLayout t = Layout(1.0f, 0, 793, kAlignCards);
    EXPECT_EQ(t.Geometry.TrickSpots[0].y, 94);
    EXPECT_EQ(t.Geometry.TrickSpots[2].y, 1);
}

}  // namespace
