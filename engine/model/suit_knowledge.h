#pragma once

#include <cstdint>

// The knowledge words (SutOutInf, SutShownInf, SutLedInf, SutOffInf) keep one bit per
// seat and suit, bit 4 × seat + suit; SutLedInf and SutOffInf also keep a suit per
// seat in 3-bit field seat + 6.
namespace CardFunctions {
// Seat 7 asks whether any seat has the suit's bit.
bool TestSeatSuitFlag(int32_t seat, int32_t suit, int32_t word);
int32_t SetSeatSuitFlag(int32_t seat, int32_t suit, int32_t word);
int32_t SetSeatSuitFlagAndSuit(int32_t seat, int32_t suit, int32_t word);
}  // namespace CardFunctions
