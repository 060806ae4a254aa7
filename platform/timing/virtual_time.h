#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "platform/timing/clock.h"
#include "platform/timing/event_pump.h"

// Time that passes only when somebody waits: a wait of an hour returns at once,
// and events scheduled inside it fire at their moment.
class VirtualTime final : public Clock, public EventPump {
public:
    explicit VirtualTime(int64_t startMs = 0) : now_(startMs) {}

    int64_t NowMs() const override { return now_; }
    void SleepMs(int64_t ms) override { now_ += ms; }
    void ProcessPending() override;
    void WaitForEvents(int64_t maxMs) override;

    void Advance(int64_t ms);
    void ScheduleAt(int64_t atMs, std::function<void()> event);
    void ScheduleIn(int64_t ms, std::function<void()> event) { ScheduleAt(now_ + ms, std::move(event)); }
    int PumpCount() const { return pumps_; }

private:
    void FireDue();

    int64_t now_;
    int pumps_ = 0;
    std::multimap<int64_t, std::function<void()>> events_;
};
