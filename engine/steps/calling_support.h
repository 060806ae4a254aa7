#pragma once

#include <cstdint>
#include <string>

// What the calling steps share: the seat to act, names, and the fields they set.
namespace GamePlay::Calling {
inline constexpr int32_t kNone = 7;
// CardUp bit 28: the seat to act may order up the turned-up suit.
inline constexpr int32_t kMayOrderUp = 1 << 28;

int32_t Position();
int32_t SeatToAct();
void SetGenInfField(int field, int32_t value);
int32_t Maker();
int32_t Loner();
int32_t RuleCode();
std::string SeatName(int32_t seat);
std::string SuitName(int32_t suit);
// An OK button in Choice(1).
void ShowOkButton();
void SetChoiceEnabled(int index, bool enabled);
bool ChoiceEnabled(int index);
// The trump-in-hand rule leaves the seat no suit to name in round 2.
bool NoSuitToName(int32_t seat);
}  // namespace GamePlay::Calling
