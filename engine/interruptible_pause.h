#pragma once

namespace APIs {
// As Pause, and ends as soon as a replay or a review is asked for.
void PauseInterruptible(double seconds);
}  // namespace APIs
