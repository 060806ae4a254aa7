#pragma once

#include <cstdint>

namespace Logics {
// The seat 0-3 that asks for a redeal, or 7. Flag 1: the hint asks for seat 0 too.
// Sets CardUp bit 29 when a three-card kitty trade takes the redeal's place.
int32_t FindRedealHand(int32_t flag);
}  // namespace Logics
