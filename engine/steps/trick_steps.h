#pragma once

#include "engine/steps/step_call.h"

// The five tricks of a hand.
namespace GamePlay {
void Step10000(StepCall& call);
void Step10010(StepCall& call);
void Step10020(StepCall& call);
void Step10030(StepCall& call);
void Step10040(StepCall& call);
void Step10050(StepCall& call);
void Step10060(StepCall& call);
void Step10200(StepCall& call);
void Step10210(StepCall& call);
void Step10500(StepCall& call);
void Step10600(StepCall& call);
void Step10700(StepCall& call);
}  // namespace GamePlay
