#pragma once

#include <cstdint>

// One step of MainGame as it runs inside a call: the call's arguments (a step may
// change them) and the two loop flags of the pass.
struct StepCall {
    int16_t& Button;
    int16_t& Shift;
    float& X;
    float& Y;
    // The step being run, as Ptrg stood when it was dispatched.
    int32_t step = 0;
    // Set by a step that wants the next step to run in the same call.
    bool KeepRunning = false;
    // Whether the "Input" sound plays when the call ends waiting for the human.
    bool InputCue = true;
};

using StepFunction = void (*)(StepCall&);

namespace GamePlay {
// The step function of a step number, or nullptr for a number not in the table.
StepFunction FindStep(int32_t ptrg);
// Ends the call waiting for the human at a step whose part of the game is not there
// yet; Ptrg stays.
void StepNotBuilt(StepCall& call);
// Ptrg no longer names the running step: a nested call moved the game on while this
// step waited.
bool MovedByNestedCall(const StepCall& call);
// An answer step took its answer: the reminder is disarmed, the input closed, and
// the game runs on at next in the same call.
void AnswerTaken(StepCall& call, int32_t next);
// Runs on at next in the same call.
void GoOn(StepCall& call, int32_t next);
}  // namespace GamePlay
