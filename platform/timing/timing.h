#pragma once

#include "platform/timing/clock.h"
#include "platform/timing/event_pump.h"

// The clock and pump every wait uses: the real ones unless a test installs others.
void InstallTiming(Clock* clock, EventPump* pump);
Clock& CurrentClock();
EventPump& CurrentEventPump();
