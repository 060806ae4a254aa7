#include "platform/timing/timing.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <thread>

namespace {
SteadyClock steadyClock;
QtEventPump qtPump;
Clock* installedClock = nullptr;
EventPump* installedPump = nullptr;
}  // namespace

int64_t SteadyClock::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SteadyClock::SleepMs(int64_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void QtEventPump::ProcessPending() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::WaitForEvents(int64_t maxMs) {
    if (maxMs <= 0) {
        ProcessPending();
        return;
    }
    if (!QCoreApplication::instance() || !QAbstractEventDispatcher::instance()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(maxMs));
        return;
    }
    // The timer guarantees that the blocking pass wakes up at the deadline.
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    wake.start(static_cast<int>(maxMs));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void InstallTiming(Clock* clock, EventPump* pump) {
    installedClock = clock;
    installedPump = pump;
}

Clock& CurrentClock() {
    return installedClock ? *installedClock : static_cast<Clock&>(steadyClock);
}

EventPump& CurrentEventPump() {
    return installedPump ? *installedPump : static_cast<EventPump&>(qtPump);
}
