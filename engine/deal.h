#pragma once

#include <cstdint>

#include "engine/card_sounds.h"

// Starting a hand: the shuffle, the deal, the replay reset and the first dealer.
namespace GamePlaySubs {
void ShuffleAnnounce();
// Development 0 for a normal deal.
void DealHand(int development);
// Puts the hand back as it was dealt, with the same dealer.
void ResetHandForReplay();
// Deals face up until the first jack (or joker): the seat that got it, 0 when stopped.
int32_t ChooseFirstDealer();
}  // namespace GamePlaySubs
