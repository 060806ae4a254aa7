#pragma once

#include "engine/steps/step_call.h"

// The dealer's discard, the partner's best card, redeals and the kitty swap, and the set-up for
// play.
namespace GamePlay {
void Step2700(StepCall& call);
void Step2710(StepCall& call);
void Step2715(StepCall& call);
void Step2718(StepCall& call);
void Step2720(StepCall& call);
void Step2725(StepCall& call);
void Step2730(StepCall& call);
void Step2740(StepCall& call);
void Step2770(StepCall& call);
void Step2900(StepCall& call);
void Step2910(StepCall& call);
void Step2915(StepCall& call);
void Step2925(StepCall& call);
void Step2950(StepCall& call);
void Step2960(StepCall& call);
void Step2965(StepCall& call);
void Step2970(StepCall& call);
void Step2975(StepCall& call);
void Step2980(StepCall& call);
void Step5000(StepCall& call);
void Step5020(StepCall& call);
void Step5025(StepCall& call);
void Step5050(StepCall& call);
void Step5060(StepCall& call);
void Step5090(StepCall& call);
void Step5200(StepCall& call);
void Step5210(StepCall& call);
void Step5500(StepCall& call);
void Step5510(StepCall& call);
void Step5520(StepCall& call);
void Step5530(StepCall& call);
void Step5540(StepCall& call);
void Step5580(StepCall& call);
void Step6000(StepCall& call);
void Step7000(StepCall& call);
}  // namespace GamePlay
