#include "engine/steps/click_wait_steps.h"

#include "engine/model/state/flow_state.h"
#include "render/table_messages.h"

namespace {

// A click at a wait-for-a-click step resumes at the step it stands for.
void ResumeAfterClick(StepCall& call) {
    Video::EraseMessage(1, -1);
    flow.InputOpen = false;
    GamePlay::GoOn(call, call.step - 79900);
}

}  // namespace

void GamePlay::Step90600(StepCall& call) {
    ResumeAfterClick(call);
}
void GamePlay::Step91100(StepCall& call) {
    ResumeAfterClick(call);
}
