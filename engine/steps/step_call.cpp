#include "engine/steps/step_call.h"

#include <string>

#include "engine/game_play.h"
#include "engine/model/game_trace.h"
#include "engine/model/state/flow_state.h"
#include "engine/slowpoke_timer.h"

void GamePlay::StepNotBuilt(StepCall& call) {
    Misc::Trace("Step " + std::to_string(call.step) + " is not available yet.");
    AwaitHumanSilent(call.KeepRunning, call.InputCue);
}

bool GamePlay::MovedByNestedCall(const StepCall& call) {
    return flow.Ptrg != call.step;
}

void GamePlay::AnswerTaken(StepCall& call, int32_t next) {
    KavlorMain::SetSlowpokeTimer(0);
    flow.InputOpen = false;
    GoOn(call, next);
}

void GamePlay::GoOn(StepCall& call, int32_t next) {
    flow.Ptrg = next;
    call.KeepRunning = true;
}
