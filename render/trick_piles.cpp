#include "render/trick_piles.h"

void CardFunctions::DrawTrickPiles(int32_t /*which*/) {}
