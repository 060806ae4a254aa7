#include "render/score_corners.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/colors.h"
#include "platform/packed_fields.h"
#include "render/gdi/shapes.h"
#include "render/mood_face.h"
#include "support/card_table_test.h"
#include "support/virtual_timing.h"

namespace {

using Video::ScoreCardSpot;

class ScoreCornersTest : public CardTableTest {
  protected:
    // A place in card sizes as the corner's tables give it; b < 0 is one pixel down.
    static ScoreCardSpot At(bool top, double a, double b, int32_t index, int32_t orientation) {
        const double w = CardImages.ScoreCardWidth();
        const double h = CardImages.ScoreCardHeight();
        const auto round = [](double v) { return static_cast<int32_t>(std::nearbyint(v)); };
        const int32_t y = top ? (b < 0 ? 1 : round(b * h)) : round(scale.BandHeight - b * h);
        return {round(a * w), y, index, orientation};
    }

    VirtualTiming timing;
};

TEST_F(ScoreCornersTest, EachStyleLaysItsCardsWhereItsPipsCountThePoints) {
    settings.CardBack = 3;
    const int32_t back = 3 + 13;
    struct Case {
        bool top;
        int32_t style;
        int32_t points;
        float s;
        ScoreCardSpot first;
        ScoreCardSpot second;
    };
    const Case cases[] = {
        {true, Video::kSixesAndFours, 0, 1.0f, At(true, 0.3, 0.2, 7, 0),
         At(true, 0.4, 0.3, back, 0)},
        {false, Video::kSixesAndFours, 4, 1.0f, At(false, 0.3, 1.25, 8, 0),
         At(false, 0.4, 1.15, 2, 0)},
        {true, Video::kSixesAndFours, 5, 1.0f, At(true, 0.3, 0.15, 7, 0),
         At(true, 0.35, 0.13, 1, 1)},
        {true, Video::kSixesAndFours, 5, 1.5f, At(true, 0.3, 0.15, 7, 0), At(true, 0.3, 0.1, 1, 1)},
        {false, Video::kSixesAndFours, 1, 1.9f, At(false, 0.3, 1.3, 8, 0),
         At(false, 0.3, 1.35, 3 + 5, 1)},
        {true, Video::kSixesAndFours, 8, 1.0f, At(true, 0.3, -1, 7, 0), At(true, 0.4, 0.6, 1, 0)},
        {false, Video::kFives, 9, 1.0f, At(false, 0.1, 1.5, 4, 0), At(false, 0.42, 1.45, 4, 1)},
        {true, Video::kFives, 7, 1.0f, At(true, 0.3, 0.2, 6, 0), At(true, 0.4, 0.55, 3, 0)},
        {true, Video::kTwosAndThrees, 8, 1.0f, At(true, 0.3, 0.12, 11, 0),
         At(true, 0.1, 0.5, 1, 2)},
        {false, Video::kTwosAndThrees, 5, 1.0f, At(false, 0.3, 1.25, back, 0),
         At(false, 0.1, 1.1, 3 + 3, 2)},
        {false, Video::kTwosAndThrees, 15, 1.0f, At(false, 0.3, 1.25, back, 0),
         At(false, 0.4, 1.15, back, 0)},
    };
    for (const Case& c : cases) {
        scale.ScaleFactor = c.s;
        const auto cards = Video::ScoreCornerCards(c.top, c.style, c.points);
        ASSERT_EQ(cards.size(), 2u);
        EXPECT_EQ(cards[0], c.first) << c.style << " at " << c.points;
        EXPECT_EQ(cards[1], c.second) << c.style << " at " << c.points;
    }
    EXPECT_TRUE(Video::ScoreCornerCards(true, Video::kNumerals, 3).empty());
}

TEST_F(ScoreCornersTest, TheBottomCornerIsErasedAndItsCardsDrawnFirstUnderSecond) {
    hand.Score = Misc::NibSet(0, 6, 0);
    table.Table().Fill(0x123456);
    Video::DrawBottomScore();
    Surface expected(table.Table().Width(), table.Table().Height(), 0x123456);
    const int w = CardImages.ScoreCardWidth();
    const int h = CardImages.ScoreCardHeight();
    const int band = scale.BandHeight;
    Gdi::FillBox(expected, 1, static_cast<int>(std::nearbyint(band - 1.68 * h)),
                 static_cast<int>(std::nearbyint(1.9 * w)), band + 8, settings.Background);
    for (const auto& card : Video::ScoreCornerCards(false, Video::kSixesAndFours, 6)) {
        CardImages.DrawScore(expected, card.x, card.y, card.index, card.orientation);
    }
    EXPECT_EQ(table.Table().Image(), expected.Image());
}

TEST_F(ScoreCornersTest, OnlySixesAndFoursShowTheNinePointPhrase) {
    settings.NinePointColor = 6;
    settings.NinePointWords = {"In", "The", "Barn"};
    const int32_t magenta = Misc::PaletteColor(6);
    hand.Score = Misc::NibSet(0, 9, 1);
    const int w = CardImages.ScoreCardWidth();
    const int h = CardImages.ScoreCardHeight();
    for (int32_t style :
         {Video::kSixesAndFours, Video::kFives, Video::kNumerals, Video::kTwosAndThrees}) {
        settings.Opts1 = style;
        table.Table().Fill(settings.Background);
        Video::DrawTopScore();
        const int phrase = CountPixels(table.Table(), magenta, 0, 0, 2 * w, 2 * h);
        if (style == Video::kSixesAndFours) {
            EXPECT_GT(phrase, 0);
        } else {
            EXPECT_EQ(phrase, 0) << style;
        }
    }
}

TEST_F(ScoreCornersTest, TheFaceTurnsGreenOnYellowStatisticsAndOnThePlainBack) {
    struct Case {
        const char* caption;
        int32_t back;
        int32_t cardBack;
        int32_t opts1;
        bool green;
    };
    const int32_t yellow = Misc::Rgb(230, 230, 40);
    for (const Case& c :
         {Case{"Statistics", yellow, 3, 0, true}, Case{"Kavlor", yellow, 3, 0, false},
          Case{"Kavlor", 0, 0, 0, true}, Case{"Kavlor", 0, 0, 1 << 26, false}}) {
        settings.CardBack = c.cardBack;
        settings.Opts1 = c.opts1;
        Surface dc(100, 100, c.back);
        for (int32_t mood = 0; mood <= 4; ++mood) {
            dc.Fill(c.back);
            Video::DrawMoodFace(50, 50, mood, {dc, c.caption, c.back}, 1.0f);
            // The disc's rim, away from eyes and mouth.
            EXPECT_EQ(dc.Pixel(50 - 30, 50), Misc::ClassicColor(c.green ? 10 : 14))
                << c.caption << " mood " << mood;
        }
    }
}

}  // namespace
