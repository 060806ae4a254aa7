#pragma once

#include <cstdint>

namespace GamePlaySubs {
// Why the rest of the hand can no longer change its result, 1-60; 0 to play on.
int32_t EndEarlyCode();
}  // namespace GamePlaySubs
