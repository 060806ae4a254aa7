#pragma once

#include "platform/timing/timing.h"
#include "platform/timing/virtual_time.h"

// Installs a virtual clock and pump for its lifetime.
class VirtualTiming {
public:
    VirtualTiming() { InstallTiming(&time, &time); }
    ~VirtualTiming() { InstallTiming(nullptr, nullptr); }
    VirtualTiming(const VirtualTiming&) = delete;
    VirtualTiming& operator=(const VirtualTiming&) = delete;

    VirtualTime time;
};
