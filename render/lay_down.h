#pragma once

#include <cstdint>
#include <string>

namespace Video {
// The same message three times: plain, inverted, plain, for 1.5, 1.7 and 2.2 × seconds.
void ShowMessageSeries(int32_t code, const std::string& text, double seconds);
// The claiming seat's cards laid down for an ending code.
void ShowLayDown(int32_t code);
}  // namespace Video
