#pragma once

namespace APIs {
// As Pause, and ends as soon as a new game or a review is asked for.
void PauseInterruptible(double seconds);
}
