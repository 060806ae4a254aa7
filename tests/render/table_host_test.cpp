#include <gtest/gtest.h>

#include "engine/model/state/flow_state.h"
#include "engine/model/state/tables.h"
#include "platform/settings/player_settings.h"
#include "render/choice_buttons.h"
#include "render/headless_table.h"
#include "render/table_messages.h"
#include "support/virtual_timing.h"

namespace {

class TableHostTest : public ::testing::Test {
  protected:
    void TearDown() override {
        flow = {};
        tables = {};
        tableMessages = {};
    }
    bool Inked(int left, int top, int right, int bottom) {
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                if (table.Table().Pixel(x, y) != settings.Background) return true;
            }
        }
        return false;
    }
    VirtualTiming timing;
    HeadlessTable table;
};

TEST_F(TableHostTest, ButtonsKeepOrClearTheirTagAndComeBackEnabled) {
    ChoiceButton replay = table.Choice(4);
    replay.Tag = "R";
    replay.Enabled = false;
    table.SetChoice(4, replay);
    Video::ShowChoice(4, "Replay", 0);
    EXPECT_EQ(table.Choice(4).Tag, "R");
    EXPECT_TRUE(table.Choice(4).Visible);
    Video::ShowChoice(4, "Cancel", 1);
    EXPECT_EQ(table.Choice(4).Tag, "");
    Video::HideAllChoices();
    EXPECT_FALSE(table.Choice(4).Visible);
    EXPECT_TRUE(table.Choice(4).Enabled);
    EXPECT_EQ(timing.time.NowMs(), 2);
}

TEST_F(TableHostTest, TheYesNoQuestionShowsTwoButtonsAndTakesTheFocus) {
    tables.MessageTable[20] = "&Yes";
    tables.MessageTable[21] = "&No";
    Video::AskTwoChoices();
    EXPECT_EQ(table.Choice(1).Caption, "&Yes");
    EXPECT_EQ(table.Choice(2).Caption, "&No");
    EXPECT_EQ(table.focusCount, 1);
}

TEST_F(TableHostTest, NothingIsDrawnWhileLeaving) {
    flow.QuitNow = true;
    Video::DrawMessage(1, "Late");
    Video::ShowChoice(0, "Late", 0);
    EXPECT_EQ(tableMessages.ShownMessages[1], "");
    EXPECT_FALSE(table.Choice(0).Visible);
    EXPECT_FALSE(Inked(0, 0, 800, 600));
}

TEST(TableHostInstall, DrawingWithoutATableDoesNothing) {
    EXPECT_EQ(CurrentTable(), nullptr);
    Video::DrawMessage(1, "Nobody");
    Video::EraseMessage(1, -1);
    EXPECT_EQ(tableMessages.ShownMessages[1], "");
    {
        HeadlessTable table;
        EXPECT_EQ(CurrentTable(), &table);
    }
    EXPECT_EQ(CurrentTable(), nullptr);
}

}  // namespace
