#pragma once

#include <cstdint>

namespace Logics {
// The worth of the seat's five cards with suit (0-3) as trump; fills the
// SuitAnalysis word of that suit. A corrupt turned-up card sets QuitNow and gives 0.
int32_t HandTotal(int32_t seat, int32_t suit);
}  // namespace Logics
