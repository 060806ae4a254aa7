#pragma once

#include <cstdint>

// How a wait keeps the program alive: it lets pending events through, and sleeps
// until the next event or the given time without using the processor.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void ProcessPending() = 0;
    virtual void WaitForEvents(int64_t maxMs) = 0;
};

// The Qt event loop of this thread; with no application object it only sleeps.
class QtEventPump final : public EventPump {
public:
    void ProcessPending() override;
    void WaitForEvents(int64_t maxMs) override;
};
