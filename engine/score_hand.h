#pragma once

#include <cstdint>

namespace GamePlaySubs {
// Scores the hand just played: points, statistics, the result text and its sound.
void ScoreHand();
// Adds one to a statistics counter of the session and of all sessions.
void CountStat(int32_t index);
}  // namespace GamePlaySubs
