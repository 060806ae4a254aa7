#pragma once

#include <cstdint>

// Starting a hand: the shuffle, the deal, the replay reset and the first dealer.
namespace GamePlaySubs {
void ShuffleAnnounce();
// Kind 0 a card dealt, 1 a card played, 2 a card traded.
void PlayCardSound(int kind);
// Development 0 for a normal deal.
void DealHand(int development);
// Puts the hand back as it was dealt, with the same dealer.
void ResetHandForReplay();
// Deals face up until the first jack (or joker): the seat that got it, 0 when stopped.
int32_t ChooseFirstDealer();
}  // namespace GamePlaySubs
