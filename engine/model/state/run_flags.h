#pragma once

#include <cstdint>

// The run-time flag words: signed 32-bit, 0 at start, changed bit by bit and
// never stored. Window handlers set request bits here; the game flow reads them
// after each wait.
struct RunFlags {
    int32_t Stat0 = 0;
    int32_t Stat1 = 0;
    int32_t Stat2 = 0;
    int32_t Stat3 = 0;
    int32_t Stat4 = 0;

    bool operator==(const RunFlags&) const = default;
};

inline RunFlags flags;

namespace StatBits {
// Stat0
inline constexpr int32_t kDebugTrace = 1 << 1;
inline constexpr int32_t kNewGameRequest = 1 << 18;
// Stat1
inline constexpr int32_t kReviewRequest = 1 << 14;
}  // namespace StatBits

constexpr bool IsSet(int32_t word, int32_t bit) { return (word & bit) != 0; }
