#include "render/trick_box_wipe.h"

#include <gtest/gtest.h>

#include "engine/model/state/run_flags.h"
#include "platform/settings/player_settings.h"
#include "render/headless_table.h"
#include "support/virtual_timing.h"

namespace {

constexpr int kTrickBox = 0;
constexpr int32_t kOldCards = 0x336699;

class TrickBoxWipeTest : public ::testing::Test {
  protected:
    void TearDown() override {
        flags = {};
        settings = {};
    }
    void Prepare(int width, int height) {
        PictureBox box = table.PicBState(kTrickBox);
        box.Width = width;
        box.Height = height;
        table.SetPicBState(kTrickBox, box);
        table.PicB(kTrickBox).Fill(kOldCards);
        table.picBRefreshes.clear();
    }
    int Left(int32_t colour) {
        const Surface& dc = table.PicB(kTrickBox);
        int n = 0;
        for (int y = 0; y < dc.Height(); ++y) {
            for (int x = 0; x < dc.Width(); ++x) n += dc.Pixel(x, y) == colour ? 1 : 0;
        }
        return n;
    }

    VirtualTiming timing;
    HeadlessTable table;
};

TEST_F(TrickBoxWipeTest, EveryPatternCoversTheBoxOneMillisecondAStep) {
    struct Case {
        int pattern;
        int width;
        int height;
        size_t steps;
    };
    for (const Case& c : {Case{0, 261, 235, 236}, Case{1, 261, 235, 262}, Case{2, 100, 60, 61},
                          Case{3, 100, 60, 101}, Case{4, 261, 100, 131}, Case{4, 100, 100, 51}}) {
        Prepare(c.width, c.height);
        const int64_t start = timing.time.NowMs();
        Video::WipeTrickBox(c.pattern);
        EXPECT_EQ(Left(kOldCards), 0) << "pattern " << c.pattern;
        EXPECT_EQ(table.picBRefreshes.size(), c.steps) << "pattern " << c.pattern;
        EXPECT_GE(timing.time.NowMs() - start, static_cast<int64_t>(c.steps));
    }
}

TEST_F(TrickBoxWipeTest, APatternOutsideTheFiveLeavesTheBox) {
    for (int pattern : {5, -1}) {
        Prepare(100, 60);
        Video::WipeTrickBox(pattern);
        EXPECT_EQ(Left(kOldCards), 100 * 60) << pattern;
    }
}

TEST_F(TrickBoxWipeTest, FastModeClearsAtOnceWhateverThePattern) {
    SetBit(flags.Stat2, Stat2Bits::FastMode);
    for (int pattern : {1, 9}) {
        Prepare(261, 235);
        Video::WipeTrickBox(pattern);
        EXPECT_EQ(Left(settings.Background), 261 * 235);
        EXPECT_EQ(table.picBRefreshes.size(), 1u);
    }
}

}  // namespace
