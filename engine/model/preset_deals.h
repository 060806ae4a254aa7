#pragma once

#include <array>
#include <cstdint>

// The fixed hands the development word can deal to chosen seats.
namespace CardFunctions {
// Writes the preset hands of Development0 into hand.Hands and takes their cards out
// of the deck. taken[seat] tells which seats got one; true when the up card is fixed.
bool ApplyPresetDeals(int32_t development, std::array<bool, 4>& taken);
}  // namespace CardFunctions
