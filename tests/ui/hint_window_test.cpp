#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QTest>
#include <QTimer>

#include "engine/model/state/flow_state.h"
#include "platform/settings/player_settings.h"
#include "players/analysis_state.h"
#include "render/screen_scale.h"
#include "support/virtual_timing.h"
#include "ui/frm_help.h"
#include "ui/frm_main.h"

namespace {

TEST(HintWindowTest, ShowsTheTextFlashesNothingWithoutATargetAndClosesOnAKey) {
    VirtualTiming timing;
    settings = {};
    settings.Opts3 |= 1 << 27;
    analysis = {};
    analysis.HintTarget = Analysis::kNoHintTarget;
    scale = {};
    scale.ScaleFactor = 1.0f;
    ASSERT_TRUE(KavlorMain::ApplyDisplayScaleOn({2560, 1600, 96, 96}));
    frmMain window;
    window.show();
    std::vector<ChoiceButton> buttons;
    for (int i = 0; i < kChoiceButtons; ++i) buttons.push_back(window.Choice(i));
    const QPoint pointer = QCursor::pos();

    QString shown;
    // After the first flash (10 ms) a key closes it.
    QTimer::singleShot(200, [&] {
        auto* help = qobject_cast<frmHelp*>(QApplication::activeModalWidget());
        ASSERT_NE(help, nullptr);
        shown = help->HelpTxt()->text();
        QTest::keyClick(help, Qt::Key_A);
    });
    window.ShowHintWindow("Lead your side Ace.");

    EXPECT_EQ(shown, "Lead your side Ace.");
    for (int i = 0; i < kChoiceButtons; ++i) EXPECT_EQ(window.Choice(i), buttons[i]) << i;
    EXPECT_EQ(QCursor::pos(), pointer);
    settings = {};
    analysis = {};
    scale = {};
}

}  // namespace
