#include <gtest/gtest.h>

#include <numbers>
#include <set>

#include "render/gdi/plg_blt.h"
#include "render/gdi/raster_ops.h"
#include "render/gdi/shapes.h"

namespace {

// A picture whose every pixel has its own colour.
Surface Numbered(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.SetPixel(x, y, y * 256 + x + 1);
    return s;
}

std::set<int32_t> Colors(const Surface& s) {
    std::set<int32_t> seen;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) seen.insert(s.Pixel(x, y));
    return seen;
}

}  // namespace

TEST(RasterOps, CopyAndOrAndXorWithClipping) {
    Surface dest(4, 4, 0x0F0F0F);
    Surface src(4, 4, 0x00FF00);
    Gdi::BitBlt(dest, 2, 2, 4, 4, src, 0, 0, Gdi::Rop::SrcAnd);
    EXPECT_EQ(dest.Pixel(3, 3), 0x000F00);
    EXPECT_EQ(dest.Pixel(1, 1), 0x0F0F0F);
    Gdi::BitBlt(dest, -1, -1, 2, 2, src, 0, 0, Gdi::Rop::SrcPaint);
    EXPECT_EQ(dest.Pixel(0, 0), 0x0FFF0F);
    EXPECT_EQ(dest.Pixel(1, 0), 0x0F0F0F);
    Gdi::BitBlt(dest, 0, 0, 1, 1, src, 0, 0, Gdi::Rop::SrcInvert);
    EXPECT_EQ(dest.Pixel(0, 0), 0x0F000F);
    Gdi::BitBlt(dest, 0, 0, 4, 4, Numbered(4, 4), 1, 1);
    EXPECT_EQ(dest.Pixel(0, 0), 256 + 2);
    EXPECT_EQ(dest.Pixel(3, 3), 0x000F00);  // beyond the source's edge: untouched
}

TEST(RasterOps, MonochromeKeepsOnlyTheBackgroundColourWhite) {
    Surface s(2, 1, 65280);
    s.SetPixel(1, 0, 65281);
    const Surface mono = Gdi::MonochromeFrom(s, 65280);
    EXPECT_EQ(mono.Pixel(0, 0), 0xFFFFFF);
    EXPECT_EQ(mono.Pixel(1, 0), 0);
}

TEST(RasterOps, StretchIsNearestNeighbour) {
    const Surface src = Numbered(3, 2);
    Surface same(3, 2);
    Gdi::StretchBlt(same, 0, 0, 3, 2, src, 0, 0, 3, 2);
    EXPECT_EQ(Colors(same), Colors(src));
    Surface big(6, 4);
    Gdi::StretchBlt(big, 0, 0, 6, 4, src, 0, 0, 3, 2);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(big.Pixel(x, y), src.Pixel(x / 2, y / 2));
    EXPECT_EQ(Colors(big).size(), 6u);
}

TEST(RasterOps, InvertTwiceIsTheIdentity) {
    Surface s = Numbered(5, 5);
    const Surface before = s;
    Gdi::InvertRect(s, 1, 1, 4, 9);
    EXPECT_EQ(s.Pixel(1, 1), before.Pixel(1, 1) ^ 0xFFFFFF);
    EXPECT_EQ(s.Pixel(4, 1), before.Pixel(4, 1));
    Gdi::InvertRect(s, 1, 1, 4, 9);
    EXPECT_EQ(s.Image(), before.Image());
}

TEST(PlgBlt, QuarterAndHalfTurnsArePixelExact) {
    const int w = 5, h = 3;
    const Surface src = Numbered(w, h);
    const Surface cw = Gdi::TurnClockwise(src), ccw = Gdi::TurnCounterClockwise(src);
    const Surface half = Gdi::TurnHalf(src);
    ASSERT_EQ(cw.Width(), h);
    ASSERT_EQ(cw.Height(), w);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            EXPECT_EQ(cw.Pixel(h - 1 - y, x), src.Pixel(x, y));
            EXPECT_EQ(ccw.Pixel(y, w - 1 - x), src.Pixel(x, y));
            EXPECT_EQ(half.Pixel(w - 1 - x, h - 1 - y), src.Pixel(x, y));
        }
    EXPECT_EQ(Gdi::TurnHalf(half).Image(), src.Image());
}

TEST(PlgBlt, ASlantedCopyTakesOnlySourcePixelsAndLeavesTheRest) {
    const Surface src = Numbered(10, 10);
    Surface dest(20, 20, 65280);
    Gdi::PlgBlt(dest, {QPointF(6, 0), QPointF(15, 3), QPointF(0, 9)}, src, 0, 0, 10, 10);
    const auto seen = Colors(dest);
    const auto own = Colors(src);
    for (int32_t c : seen) EXPECT_TRUE(c == 65280 || own.count(c)) << c;
    EXPECT_EQ(dest.Pixel(0, 0), 65280);
    EXPECT_EQ(dest.Pixel(19, 19), 65280);
}

TEST(Shapes, FilledBoxCoversBothCorners) {
    Surface s(6, 6, 0);
    Gdi::FillBox(s, 4, 4, 1, 2, 255);
    EXPECT_EQ(s.Pixel(1, 2), 255);
    EXPECT_EQ(s.Pixel(4, 4), 255);
    EXPECT_EQ(s.Pixel(5, 4), 0);
    EXPECT_EQ(s.Pixel(1, 1), 0);
}

TEST(Shapes, CirclesAndArcsWithoutSmoothing) {
    Surface s(41, 41, 0xFFFFFF);
    Gdi::Circle(s, 20, 20, 10, 0);
    EXPECT_EQ(Colors(s).size(), 2u);
    EXPECT_EQ(s.Pixel(20, 20), 0xFFFFFF);
    EXPECT_EQ(s.Pixel(30, 20), 0);
    EXPECT_EQ(s.Pixel(20, 10), 0);

    // A quarter arc from 3 o'clock counter-clockwise to 12 o'clock: the upper right only.
    Surface arc(41, 41, 0xFFFFFF);
    Gdi::Circle(arc, 20, 20, 10, 0, {0.0, std::numbers::pi / 2});
    EXPECT_EQ(arc.Pixel(20, 10), 0);
    EXPECT_EQ(arc.Pixel(20, 30), 0xFFFFFF);
    EXPECT_EQ(arc.Pixel(10, 20), 0xFFFFFF);
    EXPECT_EQ(arc.Pixel(15, 20), 0xFFFFFF);

    // Negative angles also draw the radii.
    Surface pie(41, 41, 0xFFFFFF);
    Gdi::Circle(pie, 20, 20, 10, 0, {-0.001, -std::numbers::pi / 2});
    EXPECT_EQ(pie.Pixel(25, 20), 0);
    EXPECT_EQ(pie.Pixel(20, 15), 0);

    // Aspect 2: twice as high as wide, the radius being the vertical one.
    Surface tall(41, 41, 0xFFFFFF);
    Gdi::Circle(tall, 20, 20, 10, 0, {std::nullopt, std::nullopt, 2.0});
    EXPECT_EQ(tall.Pixel(20, 10), 0);
    EXPECT_EQ(tall.Pixel(25, 20), 0);
    EXPECT_EQ(tall.Pixel(30, 20), 0xFFFFFF);
}

TEST(Shapes, AWidePenOnATinyCircleIsADisc) {
    Surface s(41, 41, 0xFFFFFF);
    Gdi::Circle(s, 20, 20, 1, 255, {}, 15);
    EXPECT_EQ(s.Pixel(20, 20), 255);
    EXPECT_EQ(s.Pixel(26, 20), 255);
    EXPECT_EQ(s.Pixel(30, 20), 0xFFFFFF);
    EXPECT_EQ(Colors(s).size(), 2u);
}
