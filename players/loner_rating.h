#pragma once

#include <cstdint>

namespace Logics {
// How well the seat could play alone with suit as trump: 0-1 no loner, 2-10 rising,
// 11 the three top trumps with weak side cards. Fills LonerAnalysis.
int32_t LonerRating(int32_t seat, int32_t suit, int32_t position);
}  // namespace Logics
