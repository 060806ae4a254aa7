#pragma once

#include <cstdint>

// Exchanges between a hand and the kitty (CardsPlayed entries 21 on). A card going
// into the kitty is written as rank × 16 + suit. No exchange goes past the kitty's
// size: three cards, four with the joker in the deck.
namespace CardFunctions {
// The three-of-a-kind trade before calling: every card of the rank but the kept slot
// (-1: the computer decides) goes to the kitty; the hand is sorted afterwards.
void TradeThreeForKitty(int32_t seat, int32_t keptSlot);
// The human's marked cards (Stat2 bits slot + 3) for the kitty, then the bowers
// re-marked and the hand sorted.
void HumanKittySwap();
// A computer seat keeps its trumps, aces and a guard and trades the rest.
void ComputerKittyExchange(int32_t seat);
// The jacks of the trump colour become the bowers (trump, 7) and (trump, 8).
void RemarkBowers(int32_t seat);
// RemarkBowers, then the three sorting steps.
void RemarkBowersAndSort(int32_t seat);
int32_t KittySize();
}  // namespace CardFunctions
