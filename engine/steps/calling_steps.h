#pragma once

#include "engine/steps/step_call.h"

// The three-of-a-kind trade and both calling rounds.
namespace GamePlay {
void Step1800(StepCall& call);
void Step1810(StepCall& call);
void Step1811(StepCall& call);
void Step1812(StepCall& call);
void Step1813(StepCall& call);
void Step1815(StepCall& call);
void Step1830(StepCall& call);
void Step1832(StepCall& call);
void Step1835(StepCall& call);
void Step1950(StepCall& call);
void Step1951(StepCall& call);
void Step1952(StepCall& call);
void Step1953(StepCall& call);
void Step1970(StepCall& call);
void Step1975(StepCall& call);
void Step1980(StepCall& call);
void Step1985(StepCall& call);
void Step2000(StepCall& call);
void Step2040(StepCall& call);
void Step2041(StepCall& call);
void Step2050(StepCall& call);
void Step2051(StepCall& call);
void Step2060(StepCall& call);
void Step2070(StepCall& call);
void Step2080(StepCall& call);
void Step2100(StepCall& call);
void Step2112(StepCall& call);
void Step2115(StepCall& call);
void Step2500(StepCall& call);
void Step2600(StepCall& call);
void Step2605(StepCall& call);
}  // namespace GamePlay
