#pragma once

#include <cstdint>

namespace GamePlaySubs {
// Seat 0 is the human's unless the computer decides for it (the demo).
bool IsHumanSeat(int32_t seat);
}  // namespace GamePlaySubs
