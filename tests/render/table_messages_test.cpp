#include "render/table_messages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <optional>
#include <sstream>

#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "render/headless_table.h"
#include "render/screen_scale.h"
#include "render/status_line.h"
#include "render/text_drawing.h"
#include "support/temp_data_folder.h"
#include "support/virtual_timing.h"

namespace {

class TableMessagesTest : public ::testing::Test {
  protected:
    void TearDown() override {
        flow = {};
        flags = {};
        hand = {};
        tables = {};
        tableMessages = {};
        settings = {};
        scale = {};
    }
    // Sets the scale before the table is made, so that the table has the scaled size.
    HeadlessTable& TableAt(float factor) {
        scale = {};
        scale.ScaleFactor = factor;
        EXPECT_TRUE(KavlorMain::ApplyDisplayScaleOn({2560, 1600, 96, 96}));
        table.emplace();
        return *table;
    }
    static int Px(double base) {
        return static_cast<int>(std::nearbyint(base * scale.ScaleFactor));
    }
    // Whether anything other than the background lies in the base-unit rectangle.
    bool Inked(double left, double top, double right, double bottom) {
        for (int y = Px(top); y < Px(bottom); ++y) {
            for (int x = Px(left); x < Px(right); ++x) {
                if (table->Table().Pixel(x, y) != settings.Background) return true;
            }
        }
        return false;
    }
    void SetDealer(int seat) { hand.GenInf = Misc::Set3Bits(hand.GenInf, seat, 4); }

    VirtualTiming timing;
    std::optional<HeadlessTable> table;
};

TEST_F(TableMessagesTest, TwoLinesStandTwentyFourUnitsApartAndWipeByTheirPlaces) {
    for (float factor : {1.0f, 1.5f, 1.9f}) {
        TableAt(factor);
        Video::DrawMessage(1, "Top line\r\nSecond line");
        EXPECT_EQ(tableMessages.ShownMessages[1], "Top line");
        EXPECT_EQ(tableMessages.ShownMessages[23], "Second line");
        EXPECT_TRUE(Inked(146, 492, 627, 516)) << factor;
        EXPECT_TRUE(Inked(146, 516, 627, 555)) << factor;
        EXPECT_FALSE(Inked(0, 0, 800, 490)) << factor;
        Video::EraseMessage(1, -1);
        EXPECT_FALSE(Inked(146, 492, 627, 514)) << factor;
        Video::EraseMessage(2, -1);
        EXPECT_FALSE(Inked(0, 0, 800, 600)) << factor;
    }
}

TEST_F(TableMessagesTest, EachSeatSpeaksInItsOwnPlace) {
    TableAt(1.2f);
    Video::DrawMessage(3, "West");
    EXPECT_EQ(drawnText.LastTextRect.left, Px(88));
    EXPECT_TRUE(Inked(86, 202, 594, 232));
    Video::DrawMessage(5, "East");
    EXPECT_EQ(drawnText.LastTextRect.right, Px(708));
    Video::DrawMessage(4, "North");
    const int mid = (drawnText.LastTextRect.left + drawnText.LastTextRect.right) / 2;
    EXPECT_NEAR(mid, Px(420), 1);
    Video::EraseSeatMessages();
    EXPECT_FALSE(Inked(0, 0, 800, 600));
}

TEST_F(TableMessagesTest, TheMiddleLinesDropWhenEastDeals) {
    TableAt(1.0f);
    SetDealer(3);
    Video::DrawMessage(12, "Dealing");
    EXPECT_EQ(drawnText.LastTextRect.top, 234);
    EXPECT_FALSE(Inked(0, 0, 800, 234));
    Video::EraseMessage(12, -1);
    EXPECT_FALSE(Inked(0, 0, 800, 600));
    SetDealer(0);
    Video::DrawMessage(12, "Dealing");
    EXPECT_EQ(drawnText.LastTextRect.top, 196);
}

TEST_F(TableMessagesTest, ALongNorthMessageMovesAsideOfTheDealer) {
    TableAt(1.0f);
    SetDealer(2);
    const std::string wide = "North goes alone and takes every trick of this hand";
    Video::DrawMessage(4, wide);
    EXPECT_EQ(drawnText.LastTextRect.left, 238);
    Video::EraseMessage(4, -1);
    EXPECT_FALSE(Inked(255, 82, 606, 112));
    Video::DrawMessage(4, "Pass");
    const int mid = (drawnText.LastTextRect.left + drawnText.LastTextRect.right) / 2;
    EXPECT_NEAR(mid, 420, 1);
}

TEST_F(TableMessagesTest, TheSecondHumanLineOnlyWipesFromItsSharedPlaces) {
    TableAt(1.0f);
    Video::DrawMessage(22, "Small print");
    EXPECT_TRUE(Inked(146, 510, 627, 555));
    Video::EraseMessage(22, -1);
    EXPECT_TRUE(Inked(146, 510, 627, 555));
    Video::EraseMessage(16, -1);
    Video::EraseMessage(2, -1);
    EXPECT_FALSE(Inked(0, 0, 800, 600));
}

TEST_F(TableMessagesTest, TheLastMessageIsDrawnAgainUnlessItWasTheDealingNotice) {
    TableAt(1.0f);
    tables.MessageTable[12] = "Shuffling";
    Video::DrawMessage(3, "West passes");
    Video::EraseMessage(3, -1);
    Video::DrawMessage(-1, "");
    EXPECT_TRUE(Inked(86, 202, 594, 232));
    Video::EraseMessage(3, -1);
    Video::DrawMessage(0, "Shuffling");
    Video::EraseMessage(0, -1);
    Video::DrawMessage(-1, "");
    EXPECT_FALSE(Inked(0, 0, 800, 600));
    Video::DrawMessage(5, "Kept aside", -1, false, true);
    EXPECT_EQ(tableMessages.LastMessage.FirstLine, "Shuffling");
}

TEST_F(TableMessagesTest, AnInverseMessageIsDrawnInTheOppositeColour) {
    settings.Text = 0x000000;
    settings.Background = 0x008000;
    TableAt(1.0f);
    Video::DrawMessage(0, "Inverse", -1, true);
    bool white = false;
    for (int y = 210; y < 240 && !white; ++y) {
        for (int x = 185; x < 708 && !white; ++x) white = table->Table().Pixel(x, y) == 0xFFFFFF;
    }
    EXPECT_TRUE(white);
}

TEST_F(TableMessagesTest, ATimedMessageStaysForTheGamePause) {
    settings.Delay = 0.5f;
    TableAt(1.0f);
    Video::ShowMessageTimed(3, "West passes", 4);
    EXPECT_EQ(timing.time.NowMs(), 2000);
    EXPECT_FALSE(Inked(0, 0, 800, 600));
}

TEST_F(TableMessagesTest, TheStatusLineFollowsTheTraceSwitches) {
    TempDataFolder folder;
    TableAt(1.0f);
    const auto debugText = [&] {
        std::ifstream in(folder.File("Debug.txt"));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    };
    flags.Stat0 = Stat0Bits::DebugSwitch;
    flags.Stat2 = Stat2Bits::LogicOnScreen;
    Video::ShowStatus("quiet");
    EXPECT_EQ(debugText(), "");
    EXPECT_EQ(timing.time.NowMs(), 0);

    flow.LogOn = true;
    flags.Stat2 = 0;
    Video::ShowStatus("to the file");
    EXPECT_NE(debugText().find("to the file"), std::string::npos);
    EXPECT_EQ(timing.time.NowMs(), 0);
    EXPECT_FALSE(Inked(0, 0, 800, 600));

    flags.Stat0 = 0;
    flags.Stat2 = Stat2Bits::LogicOnScreen;
    settings.Delay = 1.0f;
    Video::ShowStatus("on the table");
    EXPECT_EQ(timing.time.NowMs(), 3500);
    EXPECT_FALSE(Inked(0, 0, 800, 600));
    EXPECT_EQ(debugText().find("on the table"), std::string::npos);
}

}  // namespace
