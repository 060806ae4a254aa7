#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/settings/player_settings.h"
#include "render/choice_buttons.h"
#include "render/screen_scale.h"
#include "render/table_controls.h"
#include "support/virtual_timing.h"
#include "ui/frm_main.h"

namespace {

struct DoorCall {
    int Button;
    int Shift;
    float X;
    float Y;
    bool operator==(const DoorCall&) const = default;
};

class DoorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        flow = {};
        flags = {};
        settings = {};
        tables = {};
        scale = {};
        KavlorMain::ApplyDisplayScaleOn({1600, 1200, 96, 96});
        scale.ScaleFactor = 1.0f;
        window = std::make_unique<frmMain>();
        window->SetGameEntry([this](int16_t button, int16_t shift, float x, float y) {
            calls.push_back({button, shift, x, y});
        });
        window->show();
        flow.Ptrg = 2000;
        flow.InputOpen = true;
    }
    void TearDown() override {
        window.reset();
        flow = {};
        flags = {};
        settings = {};
    }
    void ClickTable(QPoint at, Qt::MouseButton button = Qt::LeftButton,
                    Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(window->TableWidget(), button, modifiers, at);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window->DefFocusWidget(), key, modifiers);
    }
    void Press(int i, Qt::MouseButton button = Qt::LeftButton, QPoint at = {}) {
        QTest::mouseClick(window->ChoiceWidget(i), button, {}, at);
    }
    ChoiceButton SetEnabled(int i, bool enabled) {
        ChoiceButton b = window->Choice(i);
        b.Enabled = enabled;
        window->SetChoice(i, b);
        return b;
    }
    DoorCall Last() const { return calls.empty() ? DoorCall{-1, -1, 0, 0} : calls.back(); }

    VirtualTiming timing;
    std::unique_ptr<frmMain> window;
    std::vector<DoorCall> calls;
};

TEST_F(DoorTest, LoadingBeforeAnyGameWaitsAtThePreGameTable) {
    window.reset();
    flow = {};
    window = std::make_unique<frmMain>();
    EXPECT_EQ(flow.Ptrg, 5);
    EXPECT_TRUE(flow.InputOpen);
    flow.Ptrg = 1250;
    window = std::make_unique<frmMain>();
    EXPECT_EQ(flow.Ptrg, 1250);
}

TEST_F(DoorTest, TableClicksCarryButtonModifiersAndPoint) {
    ClickTable({100, 200});
    EXPECT_EQ(Last(), (DoorCall{1, 0, 100, 200}));
    ClickTable({30, 40}, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(Last(), (DoorCall{2, 3, 30, 40}));
    const PictureBox hand = window->PicBState(1);
    QTest::mouseClick(window->PicBWidget(1), Qt::LeftButton, {}, {10, 12});
    EXPECT_EQ(Last(), (DoorCall{1, 0, static_cast<float>(hand.Left + 10),
                                static_cast<float>(hand.Top + 12)}));
}

TEST_F(DoorTest, StepsThatTakeOnlyButtonsDropPlainClicksAndKeys) {
    for (int32_t step : {1000, 1250, 11000, 12000, 13000, 14000}) {
        flow.Ptrg = step;
        ClickTable({100, 100});
        Key(Qt::Key_3);
        Key(Qt::Key_Q);
    }
    EXPECT_TRUE(calls.empty());
    flow.Ptrg = 1000;
    Video::ShowChoice(1, "&Yes", 0);
    Press(1);
    const ChoiceButton yes = window->Choice(1);
    EXPECT_EQ(Last(), (DoorCall{1, 101, static_cast<float>(yes.Left + 20),
                                static_cast<float>(yes.Top + 5)}));
}

TEST_F(DoorTest, NothingPassesWhileTheGameRunsUnlessAnAnswerIsPending) {
    flow.InputOpen = false;
    ClickTable({100, 100});
    Key(Qt::Key_1);
    EXPECT_TRUE(calls.empty());
    SetBit(flags.Stat0, Stat0Bits::ReplayRequested);
    ClickTable({100, 100});
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(DoorTest, AnswerButtonsArriveAsShiftHundredPlusIndex) {
    for (int i = 0; i < 4; ++i) Video::ShowChoice(i, "&" + std::to_string(i), 0);
    Video::ShowChoice(4, "Cancel", 0);
    for (int i = 0; i <= 4; ++i) {
        Press(i);
        EXPECT_EQ(Last().Shift, 100 + i);
        EXPECT_EQ(Last().Button, 1);
    }

    ChoiceButton replay = window->Choice(4);
    replay.Tag = "R";
    window->SetChoice(4, replay);
    Press(4);
    EXPECT_EQ(Last().Button, 4);
    EXPECT_EQ(Last().Shift, 104);
    EXPECT_TRUE(window->Choice(4).Tag.empty());
    EXPECT_TRUE(IsSet(flags.Stat0, Stat0Bits::ReplayRequested));
}

TEST_F(DoorTest, ReviewAsksForTheReviewAndAnswersOnlyWhileAnAnswerIsPending) {
    Video::ShowChoice(5, "Review", 0);
    Press(5);
    EXPECT_TRUE(IsSet(flags.Stat1, Stat1Bits::ReviewRequested));
    EXPECT_TRUE(calls.empty());
    SetBit(flags.Stat0, Stat0Bits::ReplayRequested);
    Press(5);
    EXPECT_EQ(Last().Shift, 105);
    EXPECT_FALSE(IsSet(flags.Stat0, Stat0Bits::ReplayRequested));
    EXPECT_EQ(window->Choice(5).Tag, "L");
}

TEST_F(DoorTest, ARightClickOnAnAnswerButtonIsARightClickRelativeToTheButton) {
    Video::ShowChoice(2, "&No", 0);
    Press(2, Qt::RightButton, {7, 9});
    EXPECT_EQ(Last(), (DoorCall{2, 0, 7, 9}));
}

TEST_F(DoorTest, AClickOnADisabledButtonReachesTheTableAtThatPoint) {
    Video::ShowChoice(2, "&No", 0);
    const ChoiceButton no = SetEnabled(2, false);
    // Through the window, as the pointer would: the table beneath takes the click.
    const QPoint onButton =
        window->TableWidget()->mapTo(window.get(), QPoint(no.Left + 7, no.Top + 9));
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, onButton);
    EXPECT_EQ(Last(),
              (DoorCall{1, 0, static_cast<float>(no.Left + 7), static_cast<float>(no.Top + 9)}));
    // Hiding re-enables it, and a shown button answers again.
    Video::HideChoice(2);
    Video::ShowChoice(2, "&No", 0);
    Press(2);
    EXPECT_EQ(Last().Shift, 102);
}

TEST_F(DoorTest, NumberKeysPickCardsEscAndOtherKeysAreCoded) {
    Key(Qt::Key_3);
    EXPECT_EQ(Last(), (DoorCall{1, 0, -3, 0}));
    Key(Qt::Key_3, Qt::KeypadModifier);
    EXPECT_EQ(Last(), (DoorCall{1, 0, -3, 0}));
    Key(Qt::Key_6);
    EXPECT_EQ(Last(), (DoorCall{1, 0, -6, 0}));
    Key(Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(Last(), (DoorCall{27, 1, 0, 0}));
    Key(Qt::Key_Q);
    EXPECT_EQ(Last(), (DoorCall{81, 50, 100, 100}));
    Key(Qt::Key_F2);
    EXPECT_EQ(Last(), (DoorCall{2, 50, 100, 100}));
    const size_t before = calls.size();
    Key(Qt::Key_F5);
    EXPECT_EQ(calls.size(), before);
    EXPECT_EQ(flow.LastKeyCode, 116);
    Key(Qt::Key_F8, Qt::ControlModifier);
    EXPECT_EQ(Last(), (DoorCall{119, 152, 100, 100}));
}

TEST_F(DoorTest, LetterKeysPressOnlyLiveButtonsWithTheirCaption) {
    Video::ShowChoice(0, "&Hearts", 0);
    SetEnabled(0, false);
    Key(Qt::Key_H);
    EXPECT_TRUE(calls.empty());
    SetEnabled(0, true);
    Key(Qt::Key_H);
    EXPECT_EQ(Last().Shift, 100);

    tables.MessageTable[20] = "&Yes";
    tables.MessageTable[21] = "&No";
    Video::AskTwoChoices();
    Key(Qt::Key_Y);
    EXPECT_EQ(Last().Shift, 101);
    EXPECT_TRUE(IsSet(flags.Stat1, Stat1Bits::KeyYes));
    Key(Qt::Key_N);
    EXPECT_EQ(Last().Shift, 102);
    const size_t before = calls.size();
    Key(Qt::Key_D);
    EXPECT_EQ(calls.size(), before);
}

TEST_F(DoorTest, NAtTheDiscardStepClicksInsideTheKeyMark) {
    flow.Ptrg = 2715;
    tableControls.KeyMarkLeft = 400;
    tableControls.KeyMarkTop = 480;
    Key(Qt::Key_N);
    EXPECT_EQ(Last(), (DoorCall{1, 0, 403, 483}));
}

TEST_F(DoorTest, ThePlainClickEndsTheDemonstrationAndStillPasses) {
    settings.Opts1 = 1 << 14;
    SetBit(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
    SetBit(flags.Stat2, Stat2Bits::FastMode);
    settings.SavedDelay = 0.7f;
    ClickTable({50, 50}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_NE(settings.Opts1 & (1 << 14), 0);
    ClickTable({50, 50});
    EXPECT_EQ(settings.Opts1 & (1 << 14), 0);
    EXPECT_FALSE(IsSet(flags.Stat1, Stat1Bits::ComputerDecidesSouth));
    EXPECT_FALSE(IsSet(flags.Stat2, Stat2Bits::FastMode));
    EXPECT_FLOAT_EQ(settings.Delay, 0.7f);
    EXPECT_TRUE(IsSet(flags.Stat1, Stat1Bits::RestartRequested));
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_EQ(Last(), (DoorCall{1, 0, 50, 50}));
}

}  // namespace
