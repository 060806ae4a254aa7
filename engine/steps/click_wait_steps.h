#pragma once

#include "engine/steps/step_call.h"

// Waiting for a click after a trick or the score.
namespace GamePlay {
void Step90600(StepCall& call);
void Step91100(StepCall& call);
}  // namespace GamePlay
