#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/settings/player_settings.h"
#include "render/cards/card_images.h"
#include "render/cards/card_trace.h"

namespace {

constexpr int32_t kGreen = 65280;
constexpr int32_t kTable = 0x336699;

class CardStore : public ::testing::Test {
  protected:
    void SetUp() override {
        settings = {};
        CardLoads::SetTraceSink([this](std::string_view line) { traces.emplace_back(line); });
    }
    void TearDown() override {
        CardLoads::SetTraceSink(nullptr);
        settings = {};
    }
    ClCards Loaded(int resolution) {
        ClCards store;
        EXPECT_TRUE(store.SetResolution(resolution));
        store.LoadAll();
        return store;
    }
    std::vector<std::string> traces;
};

bool AllOf(const Surface& s, int x, int y, int w, int h, int32_t color) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            if (s.Pixel(i, j) != color) return false;
    return true;
}

}  // namespace

TEST_F(CardStore, EachResolutionLoadsItsSizes) {
    struct Expected {
        int card[2], score[2], turned[2], trick[2], icon;
    };
    const Expected expected[4] = {{{96, 138}, {62, 89}, {94, 107}, {48, 69}, 40},
                                  {{119, 172}, {77, 111}, {117, 134}, {48, 69}, 50},
                                  {{143, 206}, {96, 138}, {146, 166}, {62, 89}, 60},
                                  {{181, 261}, {119, 172}, {181, 207}, {62, 89}, 75}};
    for (int r = 1; r <= 4; ++r) {
        const ClCards store = Loaded(r);
        const Expected& e = expected[r - 1];
        EXPECT_EQ(store.CardWidth(), e.card[0]);
        EXPECT_EQ(store.CardHeight(), e.card[1]);
        EXPECT_EQ(store.ScoreCardWidth(), e.score[0]);
        EXPECT_EQ(store.ScoreCardHeight(), e.score[1]);
        EXPECT_EQ(store.RotatedScoreCardWidth(), e.turned[0]);
        EXPECT_EQ(store.RotatedScoreCardHeight(), e.turned[1]);
        EXPECT_EQ(store.TrickCardWidth(), e.trick[0]);
        EXPECT_EQ(store.TrickCardHeight(), e.trick[1]);
        EXPECT_EQ(store.IconWidth(), e.icon);
    }
    EXPECT_TRUE(traces.empty());
}

TEST_F(CardStore, NewStoreIsEmptyAndRefusesABadResolution) {
    ClCards store;
    EXPECT_EQ(store.CardWidth(), 0);
    EXPECT_EQ(store.TransparentColor(), kGreen);
    EXPECT_FALSE(store.SetResolution(5));
    EXPECT_EQ(store.Resolution(), 1);
    ASSERT_EQ(traces.size(), 1u);
    EXPECT_EQ(traces[0], "Resolution Out of Range (1-4)");
    store.SetGraphicsSubFolder("cards");
    EXPECT_EQ(store.GraphicsSubFolder(), "/cards/");
}

TEST_F(CardStore, TransparentDrawingKeepsTheTableInTheCorners) {
    const ClCards store = Loaded(1);
    Surface table(200, 200, kTable);
    store.DrawFace(table, 10, 10, 21);
    EXPECT_EQ(table.Pixel(10, 10), kTable);  // rounded corner
    EXPECT_EQ(table.Pixel(10 + 95, 10 + 137), kTable);
    EXPECT_NE(table.Pixel(10 + 48, 10 + 69), kTable);  // inside the card
    EXPECT_TRUE(AllOf(table, 0, 0, 200, 10, kTable));
    EXPECT_TRUE(AllOf(table, 106, 0, 94, 200, kTable));
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) ASSERT_NE(table.Pixel(x, y), kGreen);
}

TEST_F(CardStore, EveryKindDrawsThroughItsMask) {
    const ClCards store = Loaded(2);
    Surface table(300, 300, kTable);
    store.DrawBack(table, 0, 0, 3);
    store.DrawIcon(table, 150, 0, 0);
    store.DrawScore(table, 0, 180, 13, 1);
    store.DrawTrick(table, 150, 180, 11, 0);
    EXPECT_EQ(table.Pixel(0, 0), kTable);
    EXPECT_NE(table.Pixel(60, 86), kTable);
    EXPECT_EQ(table.Pixel(150, 0), kTable);
    EXPECT_NE(table.Pixel(175, 25), kTable);
    EXPECT_NE(table.Pixel(150 + 24, 180 + 34), kTable);
}

TEST_F(CardStore, FittedCardsAndPartsHaveTheirSizes) {
    const ClCards store = Loaded(1);
    Surface table(200, 200, kTable);
    store.DrawCardFit(table, 0, 0, 21, 110);
    EXPECT_NE(table.Pixel(75, 55), kTable);  // 110 / 1.44 = 76.39: 76 wide
    EXPECT_EQ(table.Pixel(76, 55), kTable);
    EXPECT_EQ(table.Pixel(0, 0), kTable);
    EXPECT_NE(table.Pixel(38, 109), kTable);
    EXPECT_EQ(table.Pixel(38, 110), kTable);

    Surface part(200, 200, kTable);
    store.DrawFacePart(part, 0, 0, 1, 50, 50);
    EXPECT_NE(part.Pixel(47, 68), kTable);
    EXPECT_TRUE(AllOf(part, 48, 0, 152, 200, kTable));
    EXPECT_TRUE(AllOf(part, 0, 69, 200, 131, kTable));

    Surface old(200, 200, kTable);
    store.DrawCardFitOLD(old, 0, 0, 21, 110);
    EXPECT_EQ(old.Pixel(0, 0), 0xFFFFFF);  // no transparency: white corners
}

TEST_F(CardStore, OutOfRangeIndexesDrawNothing) {
    const ClCards store = Loaded(1);
    Surface table(300, 300, kTable);
    store.DrawFace(table, 0, 0, 26);
    store.DrawFace(table, 0, 0, -1);
    store.DrawBack(table, 0, 0, 10);
    store.DrawIcon(table, 0, 0, 6);
    store.DrawScore(table, 0, 0, 23, 0);
    store.DrawScore(table, 0, 0, 15, 1);
    store.DrawScore(table, 0, 0, 13, 2);
    store.DrawScore(table, 0, 0, 1, 3);
    store.DrawTrick(table, 0, 0, 21, 0);
    store.DrawDeckPreview(table, 0, 0, 11, 3);
    store.DrawDeckPreview(table, 0, 0, 1, 7);
    store.DrawDeckThumb(table, 0, 0, 50, 80, "SHOWDEFAULT", 7);
    store.DrawDeckThumb(table, 0, 0, 50, 80, "a.dk", 3);
    store.DrawCardFit(table, 0, 0, 26, 100);
    EXPECT_TRUE(AllOf(table, 0, 0, 300, 300, kTable));
    EXPECT_EQ(traces.size(), 10u);  // the wrong indexes, not the empty choices
}

TEST_F(CardStore, SideTricksAreTheSameForBothSideOrientations) {
    const ClCards store = Loaded(3);
    Surface one(100, 100, kTable), three(100, 100, kTable);
    store.DrawTrick(one, 0, 0, 4, 1);
    store.DrawTrick(three, 0, 0, 4, 3);
    EXPECT_EQ(one.Image(), three.Image());
    EXPECT_NE(one.Pixel(85, 30), kTable);  // 89 wide, 62 high
    EXPECT_EQ(one.Pixel(50, 70), kTable);
}

TEST_F(CardStore, TheHalfTurnedTrickBackIsTheUprightOneTurned) {
    const ClCards store = Loaded(1);
    Surface up(48, 69, kTable), down(48, 69, kTable);
    store.DrawTrick(up, 0, 0, 6, 0);
    store.DrawTrick(down, 0, 0, 16, 0);
    for (int y = 0; y < 69; ++y)
        for (int x = 0; x < 48; ++x) ASSERT_EQ(down.Pixel(47 - x, 68 - y), up.Pixel(x, y));
}

TEST_F(CardStore, JokerWithoutItsFileIsTheBuiltInOne) {
    const ClCards store = Loaded(1);
    Surface plain(96, 138, kTable), custom(96, 138, kTable);
    store.DrawFace(plain, 0, 0, 25);
    settings.Opts1 |= 1 << 24;
    store.DrawFace(custom, 0, 0, 25);
    EXPECT_EQ(plain.Image(), custom.Image());
    EXPECT_FALSE(AllOf(plain, 0, 0, 96, 138, kTable));
}

TEST_F(CardStore, PreviewsFillEveryClass) {
    const ClCards store = Loaded(2);
    for (int c = 0; c < 7; ++c) {
        Surface s(200, 270, kTable);
        store.DrawDeckPreview(s, 0, 0, 5, c);
        EXPECT_NE(s.Pixel(24, 34), kTable) << c;
        EXPECT_EQ(s.Pixel(0, 0), kTable) << c;
    }
    Surface thumbs(600, 300, kTable);
    store.DrawDeckThumb(thumbs, 0, 0, 100, 150, "SHOWDEFAULT", 1);
    EXPECT_NE(thumbs.Pixel(430, 190), kTable);  // design 9: row 1, column 4
    EXPECT_EQ(thumbs.Pixel(400, 150), kTable);
}

TEST_F(CardStore, MemoryImages) {
    Surface image;
    EXPECT_TRUE(ClCards::GDIMakeDCAndBitmap(false, image, 30, 20));
    EXPECT_EQ(image.Width(), 30);
    ClCards::GDIClearDCBitmap(image);
    EXPECT_TRUE(image.IsNull());
    EXPECT_FALSE(ClCards::GDIMakeDCAndBitmap(true, image, 0, 20));
}
