#include "platform/waits.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

#include "platform/settings/player_settings.h"
#include "support/virtual_timing.h"

class VirtualWaits : public ::testing::Test {
protected:
    void SetUp() override { settings.Delay = 0.25f; }
    void TearDown() override { settings = {}; }
    VirtualTiming timing;
};

TEST_F(VirtualWaits, PauseIsScaledByTheSpeed) {
    APIs::Pause(2);
    EXPECT_EQ(timing.time.NowMs(), 500);
    settings.Delay = 0.8f;
    APIs::Pause(2);
    EXPECT_NEAR(static_cast<double>(timing.time.NowMs()), 500 + 1600, 1);
}

TEST_F(VirtualWaits, ASpeedChangeDuringAPauseTakesEffect) {
    timing.time.ScheduleIn(100, [] { settings.Delay = 0.125f; });
    APIs::Pause(10);  // 2500 ms at the old speed, 1250 ms at the new
    EXPECT_EQ(timing.time.NowMs(), 1250);
}

TEST_F(VirtualWaits, ZeroWaitsPumpOnceAndReturn) {
    int fired = 0;
    timing.time.ScheduleIn(0, [&] { ++fired; });
    APIs::Pause(0);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(timing.time.NowMs(), 0);
    timing.time.ScheduleIn(0, [&] { ++fired; });
    APIs::WaitMs(0);
    EXPECT_EQ(fired, 2);
    EXPECT_EQ(timing.time.NowMs(), 0);
}

TEST_F(VirtualWaits, WaitCancelEndsAMillisecondWaitAndTheNextWaitClearsIt) {
    timing.time.ScheduleIn(300, [] { APIs::WaitCancel = true; });
    APIs::WaitMs(5000);
    EXPECT_EQ(timing.time.NowMs(), 300);
    APIs::WaitCancel = true;
    APIs::WaitMs(400);
    EXPECT_EQ(timing.time.NowMs(), 700);
}

TEST_F(VirtualWaits, PauseUntilStopsWhenAskedAfterAPass) {
    bool stop = false;
    timing.time.ScheduleIn(120, [&] { stop = true; });
    APIs::PauseUntil(100, [&] { return stop; });
    EXPECT_EQ(timing.time.NowMs(), 120);
}

TEST_F(VirtualWaits, TickCountIsTheLowHalfAndWaitsSpanTheWrap) {
    VirtualTime late(0xFFFFFF00LL);
    InstallTiming(&late, &late);
    EXPECT_EQ(APIs::TickCount(), static_cast<int32_t>(0xFFFFFF00u));
    APIs::WaitMs(1000);
    EXPECT_EQ(late.NowMs(), 0xFFFFFF00LL + 1000);
    EXPECT_EQ(APIs::TickCount(), 1000 - 256);
    InstallTiming(&timing.time, &timing.time);
}

TEST_F(VirtualWaits, BusyWaitsHandleNoEvents) {
    int fired = 0;
    timing.time.ScheduleIn(10, [&] { ++fired; });
    APIs::BusyWaitMs(350);
    EXPECT_EQ(timing.time.NowMs(), 350);
    EXPECT_EQ(fired, 0);
}

TEST(RealWaits, ATimerFiresDuringAPauseAndThePauseLastsItsTime) {
    settings.Delay = 0.25f;
    bool fired = false;
    QTimer::singleShot(50, [&] { fired = true; });
    QElapsedTimer elapsed;
    elapsed.start();
    APIs::Pause(1);
    EXPECT_TRUE(fired);
    EXPECT_GE(elapsed.elapsed(), 240);  // two clocks, rounded apart
    EXPECT_LT(elapsed.elapsed(), 1500);
    settings = {};
}

TEST(RealWaits, WaitCancelSetByAnEventEndsTheWait) {
    QTimer::singleShot(30, [] { APIs::WaitCancel = true; });
    QElapsedTimer elapsed;
    elapsed.start();
    APIs::WaitMs(3000);
    EXPECT_LT(elapsed.elapsed(), 1000);
}
