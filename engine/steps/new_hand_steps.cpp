#include "engine/steps/new_hand_steps.h"

#include "engine/model/game_trace.h"
#include "engine/model/state/run_flags.h"

void GamePlay::ReviewHand(bool&, bool&) {
    Misc::Trace("The hand review is not available yet.");
}

void GamePlay::Step1(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2(StepCall& call) {
    // The request is taken first, so that the tail of the pass does not restart again.
    ClearBit(flags.Stat1, Stat1Bits::RestartRequested);
    StepNotBuilt(call);
}
void GamePlay::Step5(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step6(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step25(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step50(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step51(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1000(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1010(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1100(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1110(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1200(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1250(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1260(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step13000(StepCall& call) {
    StepNotBuilt(call);
}
