#include "engine/steps/new_hand_steps.h"

#include "engine/model/game_trace.h"

void GamePlay::ReviewHand(bool&, bool&) {
    Misc::Trace("The hand review is not available yet.");
}

void GamePlay::Step1(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2(StepCall& call) {
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
