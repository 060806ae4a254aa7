#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace GamePlaySubs {
// The six result lines of a finished game, and the sound that goes with them (0 none).
struct GameResult {
    std::array<std::string, 6> Lines;
    int32_t Sound = 0;
};
// The result of the game as Score stands; count -1 also counts it in the statistics.
GameResult GameOverResult(int32_t count);
// Counts (count -1), draws the result on the table and plays its sound.
void EndGame(int32_t count);
}  // namespace GamePlaySubs
