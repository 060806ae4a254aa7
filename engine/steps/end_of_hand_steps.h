#pragma once

#include "engine/steps/step_call.h"

// Scoring, the end of a hand and of a game, leaving, and a new game asked for during a game.
namespace GamePlay {
void Step11000(StepCall& call);
void Step11100(StepCall& call);
void Step11200(StepCall& call);
void Step12000(StepCall& call);
void Step14000(StepCall& call);
void Step14010(StepCall& call);
void Step14100(StepCall& call);
void Step15000(StepCall& call);
void Step16000(StepCall& call);
void Step16010(StepCall& call);
void Step16020(StepCall& call);
}  // namespace GamePlay
