#include <gtest/gtest.h>

#include "engine/steps/step_call.h"
#include "support/game_driver.h"

namespace {

constexpr int32_t kPaused = 536870912;

class MainGameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.SoundOn = true;
        settings.PlayerNames[0] = "Pat";
        tables.MessageTable[294] = "Closing.";
        tables.MessageTable[295] = "Unknown step ";
    }
    void WaitAt(int32_t step) {
        flow.Ptrg = step;
        flow.InputOpen = true;
    }
    bool AreaHasInk(int left, int top, int right, int bottom) {
        const Surface& table = game.table.Table();
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                if (table.Pixel(x, y) != settings.Background) return true;
            }
        }
        return false;
    }
    GameDriver game;
};

TEST_F(MainGameTest, AnUnacceptedAnswerLeavesTheQuestionStandingWithoutTheInputSound) {
    WaitAt(1810);
    game.Click();
    EXPECT_EQ(flow.Ptrg, 1811);
    EXPECT_EQ(game.sounds, std::vector<int>{13});
    EXPECT_TRUE(game.table.Choice(1).Visible);

    game.Click();
    game.Door(1, 104);
    EXPECT_EQ(flow.Ptrg, 1811);
    EXPECT_EQ(game.sounds, std::vector<int>{13});
    EXPECT_TRUE(flow.InputOpen);
    EXPECT_TRUE(game.table.Choice(1).Visible);

    game.Answer(2);
    EXPECT_NE(flow.Ptrg, 1811);
    EXPECT_TRUE(game.Traced("Starting Loop for Calling Trump"));
}

TEST_F(MainGameTest, ASecondEntryIsLoggedAndChangesNothing) {
    WaitAt(1811);
    SetBit(flags.Stat0, Stat0Bits::MainGameRunning);
    flow.LastKeyCode = 65;
    const HandState handBefore = hand;
    const FlowState flowBefore = flow;
    const RunFlags flagsBefore = flags;
    game.Call(1, 101);
    flow.LastKeyCode = 13;
    game.Call(1, 7);
    EXPECT_EQ(game.trace,
              (std::vector<std::string>{"Entered MainGame Sub Twice!  LastKeyCodeg=AShift=101.",
                                        "Entered MainGame Sub Twice!  LastKeyCodeg=Shift=7."}));
    flow.LastKeyCode = 65;
    EXPECT_EQ(hand, handBefore);
    EXPECT_EQ(flow, flowBefore);
    EXPECT_EQ(flags, flagsBefore);
}

TEST_F(MainGameTest, TheReplayRequestAtTheScorePauseRunsNested) {
    WaitAt(11200);
    bool guardHeldAfterNestedCall = false;
    game.timing.time.ScheduleIn(100, [&] {
        game.PressReplay();
        guardHeldAfterNestedCall = IsSet(flags.Stat0, Stat0Bits::MainGameRunning);
    });
    game.Click();
    EXPECT_TRUE(game.Traced("Entered MainGame Sub Twice to Process RePlay!"));
    EXPECT_TRUE(guardHeldAfterNestedCall);
    EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::MainGameRunning));
    // The nested call put the replay question; the outer call left it standing.
    EXPECT_EQ(flow.Ptrg, 13000);
    EXPECT_EQ(game.table.Choice(4).Tag, "R");
}

TEST_F(MainGameTest, WithoutARequestTheScorePauseRunsOnToTheNextStep) {
    WaitAt(11200);
    hand.Score = 10;
    SetBit(flags.Stat2, Stat2Bits::FastMode);
    // The fast mode goes from the game over straight into a new game.
    game.stopAtLine = "Starting New Game.";
    const int64_t start = game.timing.time.NowMs();
    game.Click();
    EXPECT_NEAR(game.timing.time.NowMs() - start, 810, 5);
    EXPECT_EQ(flow.Ptrg, 50);
    EXPECT_FALSE(IsSet(flags.Stat2, Stat2Bits::GameInProgress));
    EXPECT_TRUE(IsSet(flags.Stat1, Stat1Bits::ReplayButtonsShown));
    EXPECT_TRUE(game.sounds.empty());
}

TEST_F(MainGameTest, APauseHoldsTheGameUntilTheNextClick) {
    WaitAt(91100);
    SetBit(flags.Stat2, Stat2Bits::PauseRequested);
    game.Click();
    EXPECT_EQ(flow.Ptrg, 11200 + kPaused);
    EXPECT_EQ(tableMessages.ShownMessages[1], "Paused");
    EXPECT_TRUE(AreaHasInk(146, 492, 627, 524));
    EXPECT_TRUE(game.Traced("F12 or Ptrg Pause."));

    game.Click();
    EXPECT_LT(flow.Ptrg, kPaused);
    EXPECT_NE(tableMessages.ShownMessages[1], "Paused");
    EXPECT_FALSE(IsSet(flags.Stat2, Stat2Bits::PauseRequested));
    EXPECT_TRUE(game.Traced("Start of new HAND"));  // 11200 ran on into the next hand
}

TEST_F(MainGameTest, APauseLiftedElsewhereStillReachesItsStep) {
    WaitAt(kPaused + 12000);
    game.Click();
    EXPECT_TRUE(game.boxes.shown().empty());
    EXPECT_FALSE(flow.QuitNow);
    EXPECT_LT(flow.Ptrg, kPaused);
    EXPECT_TRUE(game.Traced("Start of new HAND"));
    game.trace.clear();
    WaitAt((1 << 30) + 12000);
    game.Click();
    EXPECT_LT(flow.Ptrg, kPaused);
    EXPECT_TRUE(game.Traced("Start of new HAND"));
    EXPECT_TRUE(game.boxes.shown().empty());
}

TEST_F(MainGameTest, EveryStepOfTheTableDispatches) {
    const int32_t steps[] = {
        1,     2,     5,     6,     25,    50,    51,    1000,  1010,  1100,  1110,  1200,
        1250,  1260,  1800,  1810,  1811,  1812,  1813,  1815,  1830,  1832,  1835,  1950,
        1951,  1952,  1953,  1970,  1975,  1980,  1985,  2000,  2040,  2041,  2050,  2051,
        2060,  2070,  2080,  2100,  2112,  2115,  2500,  2600,  2605,  2700,  2710,  2715,
        2718,  2720,  2725,  2730,  2740,  2770,  2900,  2910,  2915,  2925,  2950,  2960,
        2965,  2970,  2975,  2980,  5000,  5020,  5025,  5050,  5060,  5090,  5200,  5210,
        5500,  5510,  5520,  5530,  5540,  5580,  6000,  7000,  10000, 10010, 10020, 10030,
        10040, 10050, 10060, 10200, 10210, 10500, 10600, 10700, 11000, 11100, 11200, 12000,
        13000, 14000, 14010, 14100, 15000, 16000, 16010, 16020, 90600, 91100};
    ASSERT_EQ(std::size(steps), 106u);
    for (const int32_t step : steps) {
        flow = {};
        flags = {};
        EXPECT_NE(GamePlay::FindStep(step), nullptr) << step;
        WaitAt(step);
        // On a table left over from the steps before, a step may find nothing to play
        // and report it; none may crash or leave the game entered.
        game.Call(1, 101);
        EXPECT_TRUE(flow.InputOpen) << step;
        EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::MainGameRunning)) << step;
    }
}

TEST_F(MainGameTest, AnUnknownStepEndsTheProgramThroughTheExitRoutine) {
    WaitAt(4242);
    game.Click();
    ASSERT_EQ(game.boxes.shown().size(), 1u);
    EXPECT_EQ(game.boxes.shown()[0].text, "Unknown step 4242\nClosing.");
    EXPECT_TRUE(flow.QuitNow);
    EXPECT_EQ(game.exits, 1);
    EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::MainGameRunning));
    game.Click();
    EXPECT_EQ(game.boxes.shown().size(), 1u);
}

TEST_F(MainGameTest, LeavingStepRunsTheExitRoutineAtTheEndOfTheCall) {
    WaitAt(15000);
    game.Call(1, 101);
    EXPECT_EQ(game.exits, 1);
    EXPECT_TRUE(IsSet(flags.Stat0, Stat0Bits::LeaveAfterLoop));
    EXPECT_FALSE(game.table.MenuEnabled(TableMenu::MnuFileNew));
    EXPECT_TRUE(game.sounds.empty());
}

TEST_F(MainGameTest, RestartRequestsStartTheGameAgainAtStepTwo) {
    WaitAt(1811);
    SetBit(flags.Stat1, Stat1Bits::RestartRequested);
    game.Click();
    EXPECT_TRUE(game.Traced("Starting New Game."));

    WaitAt(1811);
    flags = {};
    SetBit(flags.Stat0, Stat0Bits::PlayersChanged);
    game.Click();
    EXPECT_TRUE(game.Traced("Starting New Game."));
    EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::PlayersChanged));
}

TEST_F(MainGameTest, ANewGameAskedForDuringAGameKeepsTheStep) {
    WaitAt(1811);
    SetBit(flags.Stat1, Stat1Bits::NewGameRequested);
    game.Click();
    EXPECT_EQ(flow.SavedPtrg, 1811);
    EXPECT_EQ(flow.Ptrg, 16010);
    EXPECT_TRUE(flow.InputOpen);
    EXPECT_TRUE(game.table.Choice(1).Visible);

    // No: the interrupted question stands again, unanswered by this call.
    game.Answer(2);
    EXPECT_EQ(flow.Ptrg, 1811);
    EXPECT_TRUE(flow.InputOpen);
    EXPECT_FALSE(IsSet(flags.Stat1, Stat1Bits::NewGameRequested));
}

TEST_F(MainGameTest, TheHintLeavesTheQuestionStanding) {
    WaitAt(1811);
    game.Door(2, 0);
    EXPECT_TRUE(game.Traced("Pat Asking for Help."));
    EXPECT_EQ(flow.Ptrg, 1811);
    EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::HintRunning));
    EXPECT_TRUE(game.sounds.empty());
}

TEST_F(MainGameTest, AClickAtAWaitForAClickStepResumesAtItsStep) {
    WaitAt(90600);
    game.Click();
    // Resumed at 10700, which goes on to the next trick.
    EXPECT_TRUE(game.TracedStartingWith("Starting TRICK"));
    WaitAt(91100);
    game.Click();
    EXPECT_TRUE(game.Traced("Start of new HAND"));
}

TEST_F(MainGameTest, TheMenusFollowTheCall) {
    WaitAt(1811);
    game.Click();
    EXPECT_TRUE(game.table.MenuEnabled(TableMenu::MnuFileSaveHand));
    EXPECT_TRUE(game.table.MenuEnabled(TableMenu::MnuFileNew));
    WaitAt(14010);
    game.Click();
    EXPECT_FALSE(game.table.MenuEnabled(TableMenu::MnuFileSaveHand));
    EXPECT_EQ(game.trace.back(), "Out of Main Do Loop.");
}

TEST_F(MainGameTest, ACallWhileLeavingReturnsAtOnceAndKeepsNoGuard) {
    WaitAt(1810);
    flow.QuitNow = true;
    game.Click();
    SetBit(flags.Stat0, Stat0Bits::MainWindowClosing);
    flow.QuitNow = false;
    game.Click();
    EXPECT_EQ(flow.Ptrg, 1810);
    EXPECT_TRUE(game.trace.empty());
    EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::MainGameRunning));
    EXPECT_EQ(game.exits, 0);
}

TEST_F(MainGameTest, TheDevelopmentLabelShowsTheStep) {
    WaitAt(1811);
    SetBit(flags.Stat2, Stat2Bits::ShowPtrg);
    game.Click();
    EXPECT_EQ(game.table.lblPtrg, "1811");
}

TEST_F(MainGameTest, TheDoorTakesOnlyButtonsAtSomeSteps) {
    WaitAt(12000);
    EXPECT_FALSE(game.Door(1, 0));
    EXPECT_TRUE(game.Door(1, 101));
    flow.InputOpen = false;
    EXPECT_FALSE(game.Door(1, 101));
}

}  // namespace
