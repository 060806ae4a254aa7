#pragma once

#include "engine/steps/step_call.h"

// New game, new hand, review and replay.
namespace GamePlay {
// The review check and the replay question at the start of a hand.
void ReviewHand(bool& KeepRunning, bool& InputCue);
void Step1(StepCall& call);
void Step2(StepCall& call);
void Step5(StepCall& call);
void Step6(StepCall& call);
void Step25(StepCall& call);
void Step50(StepCall& call);
void Step51(StepCall& call);
void Step1000(StepCall& call);
void Step1010(StepCall& call);
void Step1100(StepCall& call);
void Step1110(StepCall& call);
void Step1200(StepCall& call);
void Step1250(StepCall& call);
void Step1260(StepCall& call);
void Step13000(StepCall& call);
}  // namespace GamePlay
