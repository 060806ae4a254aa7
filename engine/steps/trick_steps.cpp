#include "engine/steps/trick_steps.h"

void GamePlay::Step10000(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step10010(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step10020(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step10030(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step10040(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step10050(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step10060(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step10200(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step10210(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step10500(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step10600(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step10700(StepCall& call) {
    StepNotBuilt(call);
}
