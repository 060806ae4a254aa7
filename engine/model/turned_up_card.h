#pragma once

#include <cstdint>

// The suit the turned-up card stands for in calling: its own suit, or for the joker
// the suit named for it (CardUp nibble 3), 7 while none is named.
namespace CardFunctions {
int32_t TurnedUpSuit();
// A turned-up suit the deck cannot hold: the hand state is corrupt.
bool TurnedUpSuitCorrupt();
}  // namespace CardFunctions
