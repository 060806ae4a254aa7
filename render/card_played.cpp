#include "render/card_played.h"

void Video::ShowCardPlayed(int32_t /*seat*/, int32_t /*suit*/, int32_t /*rank*/,
                           bool /*redrawHand*/, int32_t /*mode*/) {}
void Video::InvertPlayedCard() {}
void Video::PlayEffectWave(int32_t /*n*/) {}
