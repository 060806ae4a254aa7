#pragma once

#include <cstdint>

namespace GamePlaySubs {
// The card CardsPlayed(CardsPlayedCount) of the seat goes into the trick: its sound,
// the bower flash, the winner so far and what the seats may now know.
void PlayCardToTrick(int32_t seat, int32_t& winner);
}  // namespace GamePlaySubs
