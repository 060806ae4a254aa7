#pragma once

#include <cstdint>
#include <string>

// Timed message sequences at a message position.
namespace Video {
// The three-message sequence: the text shown at the position for the given seconds.
void MessageSeries(const std::string& text, int32_t position, double seconds);
}  // namespace Video
