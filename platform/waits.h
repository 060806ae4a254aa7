#pragma once

#include <cstdint>
#include <functional>

// The game's waits. Each lets window events through while it waits, so the table
// stays alive; none uses the processor while nothing happens.

namespace APIs {

// Set by a key on the splash window to cut a millisecond wait short.
inline bool WaitCancel = false;

// Waits Delay × seconds × 1000 ms; Delay is read afresh on every pass.
void Pause(double seconds);
// As Pause, and ends as soon as stop() answers true after a pass.
void PauseUntil(double seconds, const std::function<bool()>& stop);
// Waits ms milliseconds, unscaled; ends early when WaitCancel becomes set.
void WaitMs(int32_t ms);
// The millisecond counter: the low half of the monotonic 64-bit clock.
int32_t TickCount();
// Busy wait for the card flashes and swirls: no events are handled.
void BusyWaitMs(int32_t ms);

// Drops every key press still waiting to be handled.
void FlushKeyboard();
// Modifier keys held now: 1 Ctrl, 2 Alt, 4 Shift, with 8/16, 32/64, 128/256
// for the left and right keys.
int ModifierKeys();

}  // namespace APIs
