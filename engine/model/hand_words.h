#pragma once

#include <cstdint>

// Read accessors of the hand-state words; writes go straight through NibSet and
// Set3Bits by the steps that own the fields.
namespace Misc {

int32_t TrumpSuit();
int32_t GenInfField2();
int32_t GenInfField3();
int32_t DealerSeat();
int32_t GenInfField7();
int32_t GenInfField8();
int32_t TricksNibble5();
int32_t CallingRound();
// The seat that leads the trick in play, from the count of cards played; 7 once all
// are played.
int32_t TrickLeader();
// The table-message position of a seat: 1, 3, 4, 5.
int32_t PlusTwoOrOne(int32_t seat);
// The seat whose card stands at trick index i (1 = the lead).
int32_t SeatAtTrickIndex(int32_t index);
// Notes in GenInf field 6 that the seat at trick index i trumped a non-trump lead.
void NoteTrumpOnLead(int32_t index);

}  // namespace Misc
