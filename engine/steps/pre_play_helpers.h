#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/model/state/hand_state.h"
#include "engine/steps/step_call.h"

// What the steps between the call and the first lead share.
namespace GamePlay {
using Card = std::array<int32_t, 2>;

inline int32_t& HandSuit(int32_t seat, int32_t slot) {
    return hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)][kSuitPlane];
}
inline int32_t& HandRank(int32_t seat, int32_t slot) {
    return hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)][kRankPlane];
}
bool OptionBit(int32_t word, int bit);
inline bool IsSeat(int32_t seat) {
    return seat >= 0 && seat < 4;
}
// The computer decides for seat 0.
bool DemoRunning();
// A card counted as trump: of the trump suit, or the other jack of its colour.
bool CountsAsTrump(int32_t suit, int32_t rank, int32_t trump, int32_t otherJackRank);
// Trumps among the human's slots 0-4.
int32_t HumanTrumpCount(int32_t otherJackRank);
// The name of a seat for trace lines and messages.
const std::string& SeatName(int32_t seat);
// The card passed by the loner's partner, NibCounter nibbles 4 and 5.
Card PassedCard();
void SetPassedCard(int32_t seat, int32_t slot);
// LoopSaver field n.
int32_t LoopSaverField(int n);
void SetLoopSaverField(int n, int32_t value);
// Shows a yes/no question at message position 2 and waits for the answer step.
void AskYesNo(StepCall& call, int32_t message, int32_t answerStep);
// Hands over to the human at answerStep after a prompt was drawn.
void WaitForAnswer(StepCall& call, int32_t answerStep);
// The yes/no answer: 101 or 102 taken (prompt erased), 0 refused.
int32_t TakeYesNo(StepCall& call);
// Sound 30 and a 3 s pause when sound is on.
void WarnSound();
// Plays the sound and waits its few milliseconds when sound is on.
void CardSound(int32_t ms);
}  // namespace GamePlay
