#include <gtest/gtest.h>

#include "engine/interruptible_pause.h"
#include "engine/model/debug_trace.h"
#include "engine/model/game_trace.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/settings/player_settings.h"
#include "support/temp_data_folder.h"
#include "support/virtual_timing.h"

class InterruptiblePause : public ::testing::Test {
  protected:
    void TearDown() override {
        flags = {};
        settings = {};
    }
    VirtualTiming timing;
};

TEST_F(InterruptiblePause, EitherRequestBitEndsIt) {
    for (auto [word, bit] : {std::pair{&flags.Stat0, Stat0Bits::ReplayRequested},
                             std::pair{&flags.Stat1, Stat1Bits::ReviewRequested}}) {
        flags = {};
        const int64_t start = timing.time.NowMs();
        timing.time.ScheduleIn(200, [word, bit] { *word |= bit; });
        APIs::PauseInterruptible(8);
        EXPECT_EQ(timing.time.NowMs() - start, 200);
    }
}

TEST_F(InterruptiblePause, WithoutARequestItRunsItsTime) {
    APIs::PauseInterruptible(4);
    EXPECT_EQ(timing.time.NowMs(), 1000);
}

TEST(DebugTrace, AppendsStepAndTextLines) {
    TempDataFolder folder;
    folder.Write("Debug.txt", "earlier\n");
    flow.Ptrg = 4100;
    Misc::DebugLog("West leads");
    flow.Ptrg = 4200;
    Misc::DebugLog("");
    EXPECT_EQ(FileText(folder.File("Debug.txt")), "earlier\n4100 West leads\n4200 \n");
    flow = {};
}

TEST(GameTrace, WithoutASinkLinesGoToTheTraceFileOnlyWithLogOnAndDebug) {
    TempDataFolder folder;
    flow.Ptrg = 25;
    Misc::Trace("not logged");
    flow.LogOn = true;
    Misc::Trace("still not");
    flags.Stat0 = Stat0Bits::DebugSwitch;
    Misc::Trace("Starting New Game.");
    flow.QuitNow = true;
    Misc::Trace("leaving");
    EXPECT_EQ(FileText(folder.File("Debug.txt")), "25 Starting New Game.\n");
    flow = {};
    flags = {};
}
