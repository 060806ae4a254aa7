#pragma once

#include <cstdint>

namespace GamePlaySubs {
// Kind 0 a card dealt, 1 a card played, 2 the short cue: the sound and its wait.
void PlayCardSound(int32_t kind);
}  // namespace GamePlaySubs
