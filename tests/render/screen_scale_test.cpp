#include "render/screen_scale.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "render/scale_code.h"
#include "support/scripted_message_boxes.h"

using KavlorMain::ApplyDisplayScaleOn;
using KavlorMain::MaxDisplayScaleFor;

namespace {
using Sizes = std::array<int32_t, 7>;

Sizes FontSizes() {
    return {scale.FontSize1, scale.FontSize2, scale.FontSize3, scale.FontSize4,
            scale.FontSize5, scale.FontSize6, scale.FontSize7};
}

ScreenMetrics Screen(int32_t w, int32_t h, int32_t dpi = 96) {
    return {w, h, dpi, dpi};
}

class ScreenScaleTest : public ::testing::Test {
  protected:
    void SetUp() override { scale = {}; }
    void TearDown() override { scale = {}; }
};
}  // namespace

TEST(MaxDisplayScale, ScreenSizes) {
    EXPECT_EQ(MaxDisplayScaleFor(1024, 768), 1.2f);
    EXPECT_EQ(MaxDisplayScaleFor(1024, 600), 1.0f);
    EXPECT_EQ(MaxDisplayScaleFor(1280, 1024), 1.5f);
    EXPECT_EQ(MaxDisplayScaleFor(1280, 800), 1.2f);
    EXPECT_EQ(MaxDisplayScaleFor(1440, 900), 1.0f);
    EXPECT_EQ(MaxDisplayScaleFor(1920, 1080), 1.5f);
    EXPECT_EQ(MaxDisplayScaleFor(1920, 1200), 1.9f);
    EXPECT_EQ(MaxDisplayScaleFor(800, 600), 1.0f);
    EXPECT_EQ(MaxDisplayScaleFor(789, 600), 0.0f);
    EXPECT_EQ(MaxDisplayScaleFor(800, 589), 0.0f);
}

TEST(MaxDisplayScale, BoundsOfTheWidthRanges) {
    EXPECT_EQ(MaxDisplayScaleFor(790, 590), 1.0f);
    EXPECT_EQ(MaxDisplayScaleFor(1011, 2000), 1.0f);
    EXPECT_EQ(MaxDisplayScaleFor(1012, 720), 1.2f);
    EXPECT_EQ(MaxDisplayScaleFor(1048, 719), 1.0f);
    EXPECT_EQ(MaxDisplayScaleFor(1049, 2000), 1.0f);
    EXPECT_EQ(MaxDisplayScaleFor(1270, 1020), 1.5f);
    EXPECT_EQ(MaxDisplayScaleFor(1410, 1019), 1.2f);
    EXPECT_EQ(MaxDisplayScaleFor(1590, 2000), 1.0f);
    EXPECT_EQ(MaxDisplayScaleFor(1591, 1165), 1.9f);
    EXPECT_EQ(MaxDisplayScaleFor(1591, 1164), 1.5f);
}

TEST_F(ScreenScaleTest, TooSmallAScreenShowsMessage119AndRefuses) {
    ScriptedMessageBoxes boxes;
    tables.MessageTable[119] = "The screen is too small.";
    scale.ScaleFactor = 1.2f;

    EXPECT_FALSE(ApplyDisplayScaleOn(Screen(789, 600)));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "The screen is too small.");
    EXPECT_EQ(scale.ScaleFactor, 1.2f);
    EXPECT_EQ(scale.FontSize1, 0);
    tables = {};
}

TEST_F(ScreenScaleTest, FontSizesOfEachBandAt96And120Dpi) {
    struct Case {
        float factor;
        int32_t band, bandHeight, bandWidth;
        Sizes at96, at120;
    };
    const std::array<Case, 4> cases{{
        {1.0f, 0, 550, 793, {23, 18, 16, 14, 11, 9, 7}, {20, 16, 14, 12, 10, 8, 6}},
        {1.2f, 1, 670, 952, {26, 21, 17, 15, 13, 10, 8}, {23, 18, 15, 13, 11, 9, 7}},
        {1.5f, 2, 840, 1190, {30, 24, 21, 16, 14, 13, 9}, {26, 21, 18, 14, 12, 11, 8}},
        {1.9f, 3, 1050, 1510, {32, 26, 22, 17, 14, 11, 9}, {28, 23, 19, 15, 12, 10, 8}},
    }};
    for (const Case& c : cases) {
        for (int32_t dpi : {96, 120}) {
            scale = {};
            scale.ScaleFactor = c.factor;
            ASSERT_TRUE(ApplyDisplayScaleOn(Screen(1920, 1200, dpi)));
            EXPECT_EQ(FontSizes(), dpi == 96 ? c.at96 : c.at120) << c.factor << " at " << dpi;
            EXPECT_EQ(scale.ScaleBand, c.band);
            EXPECT_EQ(scale.BandHeight, c.bandHeight);
            EXPECT_EQ(scale.BandWidth, c.bandWidth);
            EXPECT_EQ(scale.ScaleFactor, c.factor);
        }
    }
}

TEST_F(ScreenScaleTest, TableSizeInTwips) {
    scale.ScaleFactor = 1.2f;
    ASSERT_TRUE(ApplyDisplayScaleOn(Screen(1024, 768)));
    EXPECT_EQ(scale.TableWidthTwips, 14400);
    EXPECT_EQ(scale.TableHeightTwips, 10800);
    ASSERT_TRUE(ApplyDisplayScaleOn(Screen(1024, 768, 120)));
    EXPECT_EQ(scale.TableWidthTwips, 11520);
    EXPECT_EQ(scale.TableHeightTwips, 8640);
}

TEST_F(ScreenScaleTest, AutomaticTakesTheLargestAndAChosenFactorStays) {
    ASSERT_TRUE(ApplyDisplayScaleOn(Screen(1024, 768)));
    EXPECT_EQ(scale.ScaleFactor, 1.2f);
    EXPECT_EQ(scale.ScaleBand, 1);

    scale.ScaleFactor = 1.9f;
    ASSERT_TRUE(ApplyDisplayScaleOn(Screen(1024, 768)));
    EXPECT_EQ(scale.ScaleFactor, 1.9f);
    EXPECT_EQ(scale.ScaleBand, 3);

    scale.ScaleFactor = 1.3f;  // inside band 1: kept as it is
    ASSERT_TRUE(ApplyDisplayScaleOn(Screen(1024, 768)));
    EXPECT_EQ(scale.ScaleFactor, 1.3f);
    EXPECT_EQ(scale.ScaleBand, 1);

    scale.ScaleFactor = std::nanf("");
    ASSERT_TRUE(ApplyDisplayScaleOn(Screen(1280, 1024)));
    EXPECT_EQ(scale.ScaleFactor, 1.5f);
}

TEST_F(ScreenScaleTest, AFactorInNoBandIsSnappedToTheNearestAllowed) {
    const std::array<std::pair<float, float>, 4> cases{
        {{1.185f, 1.2f}, {1.485f, 1.5f}, {1.885f, 1.9f}, {12.0f, 1.9f}}};
    for (const auto& [given, snapped] : cases) {
        scale = {};
        scale.ScaleFactor = given;
        ASSERT_TRUE(ApplyDisplayScaleOn(Screen(1024, 768)));
        EXPECT_EQ(scale.ScaleFactor, snapped) << given;
        EXPECT_GT(scale.FontSize1, 0);
    }
}

TEST(ScaleCode, KeptInStat1Bits11To13) {
    flags = {};
    flags.Stat1 = (1 << 10) | (1 << 14);
    KavlorMain::SetScaleCode(3);
    EXPECT_EQ(KavlorMain::ScaleCode(), 3);
    EXPECT_EQ(flags.Stat1, (1 << 10) | (1 << 14) | (3 << 11));
    KavlorMain::SetScaleCode(0);
    EXPECT_EQ(flags.Stat1, (1 << 10) | (1 << 14));
    flags = {};
}

TEST(ScaleCode, FactorsAndCodes) {
    EXPECT_EQ(KavlorMain::ScaleCodeOf(1.0f), 1);
    EXPECT_EQ(KavlorMain::ScaleCodeOf(1.2f), 2);
    EXPECT_EQ(KavlorMain::ScaleCodeOf(1.5f), 3);
    EXPECT_EQ(KavlorMain::ScaleCodeOf(1.9f), 4);
    EXPECT_EQ(KavlorMain::ScaleCodeOf(1.04f), 1);
    EXPECT_EQ(KavlorMain::ScaleCodeOf(1.25f), 0);
    EXPECT_EQ(KavlorMain::ScaleCodeOf(0.0f), 0);
    EXPECT_EQ(KavlorMain::ScaleFactorOfCode(4), 1.9f);
    EXPECT_EQ(KavlorMain::ScaleFactorOfCode(0), 0.0f);
    EXPECT_EQ(KavlorMain::ScaleFactorOfCode(7), 0.0f);
}
