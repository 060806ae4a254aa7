#pragma once

#include <cstdint>

namespace Logics {
// The slot 0-4 of the card the lone player's partner passes to the loner.
int32_t PartnersBestCard();
}  // namespace Logics
