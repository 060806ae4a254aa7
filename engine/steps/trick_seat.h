#pragma once

#include <cstdint>

namespace GamePlaySubs {
// 0 when team 0 took tricks 1-4, 1 when team 1 did, -1 otherwise.
int32_t SumSeatFlags();
}  // namespace GamePlaySubs
