#pragma once

#include <cstdint>

namespace Video {
// Paints the trick box over in one of the wipe patterns.
void WipeTrickBox(int32_t pattern);
}  // namespace Video
