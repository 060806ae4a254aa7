#pragma once

#include <cstdint>

namespace CardFunctions {
// Draws a card still in hand.DeckTable and marks it drawn. The first 21 cards of a
// deal are drawn at random, the last few by a scan from one end of the table. False
// when the deck is empty.
bool DrawRandomCard(int32_t& suit, int32_t& rank);
}  // namespace CardFunctions
