#include "engine/steps/calling_steps.h"

#include "engine/game_play.h"
#include "engine/model/game_trace.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/tables.h"
#include "engine/slowpoke_timer.h"
#include "render/choice_buttons.h"
#include "render/table_messages.h"

void GamePlay::Step1800(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1812(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1813(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1815(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1830(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1832(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1835(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1950(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1951(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1952(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1953(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1970(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1975(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1980(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step1985(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2000(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2040(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2041(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2050(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2051(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2060(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2070(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2080(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2100(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2112(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2115(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2500(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2600(StepCall& call) {
    StepNotBuilt(call);
}
void GamePlay::Step2605(StepCall& call) {
    StepNotBuilt(call);
}

void GamePlay::Step1810(StepCall& call) {
    Misc::Trace("Asking Human for 3-of-a-Kind Trade");
    Video::ShowMessageTimed(1, tables.MessageTable[18], 7);
    Video::DrawMessage(1, tables.MessageTable[19]);
    Video::AskTwoChoices();
    KavlorMain::SetSlowpokeTimer(1811);
    AwaitHuman(call.KeepRunning, call.InputCue);
    flow.Ptrg = 1811;
}

void GamePlay::Step1811(StepCall& call) {
    if (call.Shift != 101 && call.Shift != 102) {
        AwaitHumanSilent(call.KeepRunning, call.InputCue);
        return;
    }
    Video::EraseMessage(1, -1);
    Video::HideChoice(1);
    Video::HideChoice(2);
    AnswerTaken(call, call.Shift == 101 ? 1812 : 1800);
}
