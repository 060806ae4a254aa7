#include "platform/timing/virtual_time.h"

#include <algorithm>

void VirtualTime::ProcessPending() {
    ++pumps_;
    FireDue();
}

void VirtualTime::WaitForEvents(int64_t maxMs) {
    ++pumps_;
    int64_t target = now_ + (maxMs > 0 ? maxMs : 0);
    if (!events_.empty() && events_.begin()->first < target) {
        target = std::max(now_, events_.begin()->first);
    }
    now_ = target;
    FireDue();
}

void VirtualTime::Advance(int64_t ms) {
    now_ += ms;
    FireDue();
}

void VirtualTime::ScheduleAt(int64_t atMs, std::function<void()> event) {
    events_.emplace(atMs, std::move(event));
}

void VirtualTime::FireDue() {
    while (!events_.empty() && events_.begin()->first <= now_) {
        auto event = std::move(events_.begin()->second);
        events_.erase(events_.begin());
        event();
    }
}
