#include "platform/colors.h"

#include <gtest/gtest.h>

#include <array>

#include "platform/random_source.h"
#include "platform/settings/player_settings.h"

using Misc::Rgb;

// Themes drawn from a chosen random source; the settings and the source are put back after.
class Themes : public ::testing::Test {
  protected:
    ~Themes() override {
        InstallRandomSource(nullptr);
        settings = {};
    }
    void Draw(RandomSource& source, int32_t colorBits) {
        InstallRandomSource(&source);
        settings.ColorBits = colorBits;
        Misc::RandomizeColors();
    }
};

TEST(Colors, Components) {
    const int32_t c = Rgb(10, 20, 30);
    for (int n = 0; n <= 3; ++n) EXPECT_EQ(Misc::ColorComponent(c, n), n < 3 ? 10 * (n + 1) : 0);
}

TEST(Colors, Lighten) {
    EXPECT_EQ(Misc::LightenColor(0), Rgb(100, 100, 100));
    EXPECT_EQ(Misc::LightenColor(Rgb(250, 20, 19)), Rgb(190, 55, 119));
    EXPECT_EQ(Misc::LightenColor(Rgb(230, 245, 246)), Rgb(255, 255, 190));
}

TEST(Colors, Distance) {
    EXPECT_EQ(Misc::ColorDistance(Rgb(12, 200, 7), Rgb(12, 200, 7)), 0);
    EXPECT_NEAR(Misc::ColorDistance(0, 0xFFFFFF), 765, 1);
    EXPECT_EQ(Misc::ColorDistance(Rgb(0, 10, 0), 0), 20);
}

TEST(Colors, QuantizeAndPalette) {
    EXPECT_EQ(Misc::Quantize16(248), 255);
    EXPECT_EQ(Misc::Quantize16(7), 0);
    EXPECT_EQ(Misc::Quantize16(8), 16);
    EXPECT_EQ(Misc::PaletteColor(4), 0xFF99CC);
    EXPECT_EQ(Misc::PaletteColor(9), 0xFFFF);
    EXPECT_EQ(Misc::PaletteColor(10), 0);
    EXPECT_EQ(Misc::PaletteColor(-1), 0);
    EXPECT_EQ(Misc::InvertColor(Rgb(1, 2, 3)), Rgb(254, 253, 252));
}

TEST_F(Themes, RandomColorComponentsStayBelow255) {
    ScriptedRandom script({0.9999, 0.0, 0.5});
    InstallRandomSource(&script);
    EXPECT_EQ(Misc::RandomColor(), Rgb(254, 0, 127));
}

TEST_F(Themes, RandomThemeRejectsDarkAndStrongRedSpots) {
    // dark, then strong red, then a usable spot; then text and background.
    ScriptedRandom script(
        {0.1, 0.1, 0.1, 0.99, 0.1, 0.1, 0.5, 0.5, 0.5, 0.2, 0.4, 0.6, 0.35, 0.75});
    Draw(script, 32);
    EXPECT_EQ(settings.Spot, Rgb(127, 127, 127));
    EXPECT_EQ(settings.Text, Rgb(51, 102, 153));
    EXPECT_EQ(settings.Background, Rgb(204, 153, 102));
    EXPECT_EQ(settings.CardBack, 3);
    EXPECT_EQ(settings.NinePointColor, 7);
}

TEST_F(Themes, SixteenBitThemesUseQuantizedComponents) {
    SeededRandom random(77);
    for (int i = 0; i < 200; ++i) {
        Draw(random, 16);
        for (int32_t color : {settings.Text, settings.Background}) {
            for (int n = 0; n < 3; ++n) {
                const int32_t c = Misc::ColorComponent(color, n);
                EXPECT_TRUE(c % 16 == 0 || c == 255 || c % 16 == 1) << c;
            }
        }
        for (int n = 0; n < 3; ++n) {
            const int32_t c = Misc::ColorComponent(settings.Text, n);
            EXPECT_TRUE(c % 16 == 0 || c == 255) << c;
        }
        EXPECT_NE(settings.Text, settings.Background);
    }
}

TEST_F(Themes, FewColourDisplaysGetTwoDifferentClassicColours) {
    ScriptedRandom script({0.5, 0.5, 0.5, 0.5, 0.5, 0.9});
    Draw(script, 8);
    EXPECT_EQ(settings.Background, Misc::ClassicColor(8));
    EXPECT_EQ(settings.Text, Misc::ClassicColor(14));
}

TEST_F(Themes, NinePointWordsFollowTheCode) {
    settings.NinePointCode = 4;
    Misc::SetNinePointWords();
    EXPECT_EQ(settings.NinePointWords, (std::array<std::string, 3>{"You're", "Goin'", "Down"}));
    settings.NinePointCode = 5;
    Misc::SetNinePointWords();
    EXPECT_EQ(settings.NinePointWords[0], "You're");
}
