#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "engine/exit_steps.h"
#include "engine/model/exit_routine.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/ini/settings_file.h"
#include "platform/settings/player_settings.h"
#include "render/choice_buttons.h"
#include "render/screen_scale.h"
#include "render/table_controls.h"
#include "render/table_geometry.h"
#include "support/temp_data_folder.h"
#include "support/virtual_timing.h"
#include "ui/frm_main.h"

namespace {

class TableWindowTest : public ::testing::Test {
  protected:
    TableWindowTest() { Reset(); }
    ~TableWindowTest() override { Reset(); }
    static void Reset() {
        flow = {};
        flags = {};
        settings = {};
        tableControls = {};
        scale = {};
    }
    // A shown window at the base scale.
    std::unique_ptr<frmMain> BaseWindow() {
        scale.ScaleFactor = 1.0f;
        KavlorMain::ApplyDisplayScaleOn({1600, 1200, 96, 96});
        auto window = std::make_unique<frmMain>();
        window->show();
        return window;
    }
    VirtualTiming timing;
};

TEST_F(TableWindowTest, TheClientAreaIsTheScaledTableAndTheBoxesFollowTheLayout) {
    for (float s : {1.0f, 1.2f, 1.5f, 1.9f}) {
        scale = {};
        scale.ScaleFactor = s;
        ASSERT_TRUE(KavlorMain::ApplyDisplayScaleOn({2560, 1600, 96, 96}));
        frmMain window;
        window.show();
        EXPECT_EQ(window.TableWidget()->width(), static_cast<int>(std::nearbyint(800 * s)));
        EXPECT_EQ(window.TableWidget()->height(), static_cast<int>(std::nearbyint(600 * s)));
        const TableLayout layout = FormFunctions::LayOutCurrentTable();
        for (int i = 0; i < kPictureBoxes; ++i) {
            const PictureBox box = window.PicBState(i);
            const BoxRect& rect = layout.PicB[static_cast<size_t>(i)];
            EXPECT_EQ((BoxRect{box.Left, box.Top, box.Width, box.Height}), rect) << s << " " << i;
            EXPECT_EQ(window.PicB(i).Width(), rect.Width);
        }
        EXPECT_EQ(window.Choice(5).Left, tableGeometry.ChoiceLefts[5]);
    }
}

TEST_F(TableWindowTest, OkMovesHalfWayAndTheResetPutsItBack) {
    const auto owned = BaseWindow();
    frmMain& window = *owned;
    const int left1 = window.Choice(1).Left;
    const int left2 = window.Choice(2).Left;
    Video::AskOk();
    EXPECT_EQ(window.Choice(1).Left, (left1 + left2) / 2);
    EXPECT_EQ(window.Choice(1).Caption, "&OK");
    EXPECT_TRUE(window.Choice(1).Visible);
    ChoiceButton ok = window.Choice(1);
    ok.Enabled = false;
    window.SetChoice(1, ok);
    Video::ResetChoiceButton();
    EXPECT_FALSE(window.Choice(1).Visible);
    EXPECT_TRUE(window.Choice(1).Enabled);
    EXPECT_EQ(window.Choice(1).Left, left1);
}

TEST_F(TableWindowTest, SavedControlsComeBackAfterTheTableChanged) {
    const auto owned = BaseWindow();
    frmMain& window = *owned;
    for (int i = 2; i < kPictureBoxes; ++i) {
        PictureBox box = window.PicBState(i);
        box.Visible = false;
        window.SetPicBState(i, box);
    }
    Video::ShowChoice(4, "Cancel", 0);
    ChoiceButton cancel = window.Choice(4);
    cancel.Tag = "R";
    window.SetChoice(4, cancel);
    FormFunctions::SaveTableControls();
    EXPECT_EQ(tableControls.SavedControlMask, 1 + 2 + 4096);
    Video::HideAllChoices();
    Video::ShowChoice(0, "&Hearts", 1);
    flow.Ptrg = 2000;
    FormFunctions::ApplyTableColors();
    EXPECT_FALSE(window.Choice(0).Visible);
    EXPECT_TRUE(window.Choice(4).Visible);
    EXPECT_EQ(window.Choice(4).Tag, "R");
    EXPECT_EQ(window.Choice(0).Caption, "Hearts");
}

TEST_F(TableWindowTest, ClosingKeepsTheRectangleUnlessTheExitRoutineDidAndRebuildSavesOnly) {
    {
        const auto window = BaseWindow();
        int rebuilds = 0;
        window->SetRebuildHandler([&rebuilds] { ++rebuilds; });
        SetBit(flags.Stat0, Stat0Bits::RebuildMainWindow);
        window->close();
        QTest::qWait(10);
        EXPECT_EQ(rebuilds, 1);
        EXPECT_FALSE(flow.QuitNow);
        EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::ClosingScreenShown));
    }
    flags = {};
    {
        const auto window = BaseWindow();
        tableControls.MainWindowRect = {1, 2, 3, 4};
        SetBit(flags.Stat0, Stat0Bits::ExitStarted);
        window->Unload();
        QTest::qWait(10);
        EXPECT_TRUE(window->isHidden());
        EXPECT_TRUE(flow.QuitNow);
        EXPECT_TRUE(IsSet(flags.Stat0, Stat0Bits::MainWindowClosing));
        EXPECT_EQ(tableControls.MainWindowRect, (WindowRect{1, 2, 3, 4}));
    }
    flags = {};
    flow = {};
    const auto window = BaseWindow();
    window->showMinimized();
    window->close();
    EXPECT_GT(tableControls.MainWindowRect.Width, 800 * 15 - 1);
}

TEST_F(TableWindowTest, TheExitRoutineUnloadsTheWindowOnceAndTheSettingsAreSaved) {
    TempDataFolder data;
    const auto owned = BaseWindow();
    frmMain& window = *owned;
    KavlorMain::InstallExitRoutine([&window] {
        KavlorMain::RunExitRoutine(
            {[&window] { window.KeepWindowRect(); }, [&window] { window.Unload(); }});
    });
    KavlorMain::ExitProgram();
    KavlorMain::ExitProgram();
    QTest::qWait(10);
    KavlorMain::InstallExitRoutine({});
    EXPECT_TRUE(window.isHidden());
    EXPECT_TRUE(IsSet(flags.Stat0, Stat0Bits::ClosingScreenShown));
    EXPECT_EQ(APIs::ReadIni("General", "Player", ""), settings.PlayerNames[0]);
}

}  // namespace
