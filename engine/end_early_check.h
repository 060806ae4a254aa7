#pragma once

#include <cstdint>

namespace GamePlaySubs {
// The end-early code; on a code above 0 the remaining cards are laid down and the
// next trick gets no leader.
int32_t CheckEndEarly();
}  // namespace GamePlaySubs
