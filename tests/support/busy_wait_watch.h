#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/timing/timing.h"
#include "platform/timing/virtual_time.h"

// Virtual time that notes every busy wait (the waits that handle no events) and asks
// the test what it wants remembered at that moment.
class BusyWaitWatch final : public Clock {
  public:
    struct Sleep {
        int64_t ms;
        int note;
    };

    explicit BusyWaitWatch(std::function<int()> note) : note_(std::move(note)) {
        InstallTiming(this, &time);
    }
    ~BusyWaitWatch() override { InstallTiming(nullptr, nullptr); }
    BusyWaitWatch(const BusyWaitWatch&) = delete;
    BusyWaitWatch& operator=(const BusyWaitWatch&) = delete;

    int64_t NowMs() const override { return time.NowMs(); }
    void SleepMs(int64_t ms) override {
        sleeps.push_back({ms, note_()});
        time.SleepMs(ms);
    }
    int Count(int64_t ms) const {
        int n = 0;
        for (const Sleep& s : sleeps) n += s.ms == ms;
        return n;
    }

    VirtualTime time;
    std::vector<Sleep> sleeps;

  private:
    std::function<int()> note_;
};
