#include "render/text_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/colors.h"
#include "platform/settings/player_settings.h"
#include "render/gdi/surface.h"
#include "render/screen_scale.h"
#include "render/text_width.h"

using APIs::DrawTextFont;
using APIs::kAlignCentre;
using APIs::kAlignLeft;
using APIs::kAlignRight;

namespace {

constexpr int32_t kWhite = 16777215;

int Width(const TextRect& r) {
    return r.right - r.left;
}
int Height(const TextRect& r) {
    return r.bottom - r.top;
}

// The smallest rectangle holding every pixel that is no longer the background.
TextRect InkBounds(const Surface& dc) {
    TextRect ink{dc.Width(), dc.Height(), 0, 0};
    for (int y = 0; y < dc.Height(); ++y) {
        for (int x = 0; x < dc.Width(); ++x) {
            if (dc.Pixel(x, y) == kWhite) continue;
            ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                   std::max(ink.bottom, y + 1)};
        }
    }
    return ink;
}

bool Inside(const TextRect& inner, const TextRect& outer, int slack) {
    return inner.left >= outer.left - slack && inner.top >= outer.top - slack &&
           inner.right <= outer.right + slack && inner.bottom <= outer.bottom + slack;
}

class TextDrawingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        drawnText = {};
        scale = {};
        scale.FontSize6 = 9;
    }
    void TearDown() override {
        drawnText = {};
        scale = {};
        settings = {};
    }
    // The width and height of a text as it is measured upright and left-aligned.
    std::pair<int, int> Measure(const std::string& text, int size, const char* face = "Kavlor4") {
        DrawTextFont(dc, text, 0, 0, size, kAlignLeft, face, 0, 0);
        return {Width(drawnText.LastTextRect), Height(drawnText.LastTextRect)};
    }
    Surface dc{400, 300, kWhite};
};

}  // namespace

TEST_F(TextDrawingTest, UprightRectanglesByAlignment) {
    const auto [w, h] = Measure("Kavlor table", 14);
    ASSERT_GT(w, 0);
    ASSERT_GT(h, 0);
    const int half = static_cast<int>(std::nearbyint(w / 2.0));

    DrawTextFont(dc, "Kavlor table", 200, 40, 14, kAlignLeft, "Kavlor4", 0, 0);
    EXPECT_EQ(drawnText.LastTextRect, (TextRect{200, 40, 200 + w, 40 + h}));
    DrawTextFont(dc, "Kavlor table", 200, 40, 14, kAlignRight, "Kavlor4", 0, 0);
    EXPECT_EQ(drawnText.LastTextRect, (TextRect{200 - w, 40, 200, 40 + h}));
    DrawTextFont(dc, "Kavlor table", 200, 40, 14, kAlignCentre, "Kavlor4", 0, 0);
    EXPECT_EQ(drawnText.LastTextRect, (TextRect{200 - half, 40, 200 + half, 40 + h}));
}

TEST_F(TextDrawingTest, UpwardRectanglesByAlignment) {
    const auto [w, h] = Measure("Kitty", 12);
    const int half = static_cast<int>(std::nearbyint(w / 2.0));

    DrawTextFont(dc, "Kitty", 100, 150, 12, kAlignLeft, "Kavlor4", 90, 0);
    EXPECT_EQ(drawnText.LastTextRect, (TextRect{100 - h, 150, 100, 150 + w}));
    DrawTextFont(dc, "Kitty", 100, 150, 12, kAlignRight, "Kavlor4", 90, 0);
    EXPECT_EQ(drawnText.LastTextRect, (TextRect{100 - h, 150 + w, 100, 150 + 2 * w}));
    DrawTextFont(dc, "Kitty", 100, 150, 12, kAlignCentre, "Kavlor4", 90, 0);
    EXPECT_EQ(drawnText.LastTextRect, (TextRect{100 - h, 150 + half, 100, 150 + w + half}));
}

TEST_F(TextDrawingTest, UprightTextStaysInItsRectangle) {
    DrawTextFont(dc, "Hearts", 200, 100, 16, kAlignCentre, "Kavlor4", 0, -7);
    const TextRect ink = InkBounds(dc);
    ASSERT_LT(ink.left, ink.right) << "nothing was drawn";
    EXPECT_TRUE(Inside(ink, drawnText.LastTextRect, 2));
}

TEST_F(TextDrawingTest, UpwardTextRunsUpFromTheRectanglesTop) {
    DrawTextFont(dc, "Hearts", 200, 200, 16, kAlignLeft, "Kavlor4", 90, 0);
    const TextRect r = drawnText.LastTextRect;
    const TextRect ink = InkBounds(dc);
    ASSERT_LT(ink.left, ink.right) << "nothing was drawn";
    EXPECT_TRUE(Inside(ink, TextRect{r.left, r.top - Height(r), r.right, r.top}, 2));
}

TEST_F(TextDrawingTest, TheLastTwoRectanglesAreKept) {
    DrawTextFont(dc, "one", 10, 10, 12, kAlignLeft, "Kavlor4", 0, 0);
    const TextRect first = drawnText.LastTextRect;
    DrawTextFont(dc, "two", 10, 60, 12, kAlignLeft, "Kavlor4", 0, 0);
    EXPECT_EQ(drawnText.PrevTextRect, first);
    EXPECT_EQ(drawnText.LastTextRect.top, 60);
    EXPECT_NE(drawnText.LastTextRect, first);
}

TEST_F(TextDrawingTest, SizesAboveFontSize6AreBold) {
    scale.FontSize6 = 20;
    const int medium = Measure("Medium weight text", 20).first;
    scale.FontSize6 = 19;
    const int bold = Measure("Medium weight text", 20).first;
    EXPECT_GT(bold, medium);
}

TEST_F(TextDrawingTest, TheSizeIsInPoints) {
    const auto [w12, h12] = Measure("Points", 12);
    const auto [w24, h24] = Measure("Points", 24);
    EXPECT_NEAR(static_cast<double>(h24) / h12, 2.0, 0.2);
    EXPECT_NEAR(static_cast<double>(w24) / w12, 2.0, 0.2);
}

TEST_F(TextDrawingTest, TimesNewRomanIsMeasuredInItsStandIn) {
    EXPECT_NE(Measure("Times New Roman", 14, "Times New Roman").first,
              Measure("Times New Roman", 14, "Kavlor4").first);
}

TEST_F(TextDrawingTest, NothingToDrawOnStillKeepsTheRectangle) {
    Surface none;
    DrawTextFont(none, "text", 5, 6, 12, kAlignLeft, "Kavlor4", 0, 0);
    EXPECT_EQ(drawnText.LastTextRect.left, 5);
    EXPECT_GT(Width(drawnText.LastTextRect), 0);
    DrawTextFont(dc, "", 5, 6, 12, kAlignLeft, "Kavlor4", 0, 0);
    EXPECT_EQ(Width(drawnText.LastTextRect), 0);
}

TEST(TextColor, ZeroIsTheTextColourAndNegativesThePalette) {
    settings.Text = Misc::Rgb(1, 2, 3);
    EXPECT_EQ(APIs::ResolveTextColor(0), Misc::Rgb(1, 2, 3));
    EXPECT_EQ(APIs::ResolveTextColor(-7), Misc::PaletteColor(7));
    EXPECT_EQ(APIs::ResolveTextColor(-10), 0);
    EXPECT_EQ(APIs::ResolveTextColor(INT32_MIN), 0);
    EXPECT_EQ(APIs::ResolveTextColor(12345), 12345);
    settings = {};
}

TEST(TextWidth, TwipsOfTheWindowsFontWhichStays) {
    const int32_t set = Misc::TextWidth("Kavlor", "frmTCP", "Kavlor4", 20);
    EXPECT_GT(set, 0);
    EXPECT_EQ(Misc::TextWidth("Kavlor", "FRMTCP", "", 0), set);
    EXPECT_LT(Misc::TextWidth("Kavlor", "frmOther", "Kavlor4", 10), set);
}

TEST(TextWidth, LongTextsAreMeasuredInTwoPieces) {
    const std::string first(250, 'w');
    const std::string rest(60, 'i');
    const int32_t whole = Misc::TextWidth(first + rest, "frmTCP", "Kavlor4", 12);
    const int32_t pieces =
        Misc::TextWidth(first, "frmTCP", "", 0) + Misc::TextWidth(rest, "frmTCP", "", 0);
    EXPECT_NEAR(whole, pieces, 1);
}
