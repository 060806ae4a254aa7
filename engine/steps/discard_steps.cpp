#include "engine/steps/discard_steps.h"

void GamePlay::Step2700(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2710(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2715(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2718(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2720(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2725(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2730(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2740(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2770(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2900(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2910(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2915(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2925(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2950(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2960(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2965(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2970(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2975(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2980(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step5000(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step5020(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step5025(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step5050(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step5060(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step5090(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step5200(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step5210(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step5500(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step5510(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step5520(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step5530(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step5540(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step5580(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step6000(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step7000(StepCall& call) {
    StepNotBuilt(call);
}
