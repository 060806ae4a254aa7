#pragma once

#include <cmath>
#include <cstdint>

// A number made whole as the classic conversion does: halves go to the even neighbour.
inline int32_t RoundHalfEven(double v) {
    return static_cast<int32_t>(std::nearbyint(v));
}
