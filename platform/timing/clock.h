#pragma once

#include <cstdint>

// Milliseconds since an arbitrary start, monotonic and 64-bit: it never wraps.
class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t NowMs() const = 0;
    // Lets the time pass without handling any event.
    virtual void SleepMs(int64_t ms) = 0;
};

class SteadyClock final : public Clock {
public:
    int64_t NowMs() const override;
    void SleepMs(int64_t ms) override;
};
