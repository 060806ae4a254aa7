#pragma once

#include <cstdint>
#include <string>

namespace Video {
// The same message three times: plain, inverted, plain, for 1.5, 1.7 and 2.2 × seconds.
void ShowMessageSeries(int32_t code, const std::string& text, double seconds);
// A claim of the rest of the hand: the claiming cards and their messages, the claimed
// tricks credited, the piles redrawn and the remaining cards played out.
void ShowLayDown(int32_t code);
}  // namespace Video
