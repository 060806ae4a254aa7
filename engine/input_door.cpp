#include "engine/input_door.h"

#include "engine/game_play.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/settings/player_settings.h"

namespace {

constexpr int32_t kDemonstration = 1 << 14;

bool DemoRunning() {
    return (settings.Opts1 & kDemonstration) != 0 ||
           IsSet(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
}

void EndDemo() {
    settings.Opts1 &= ~kDemonstration;
    ClearBit(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
    if (IsSet(flags.Stat2, Stat2Bits::FastMode)) settings.Delay = settings.SavedDelay;
    ClearBit(flags.Stat2, Stat2Bits::FastMode);
    SetBit(flags.Stat1, Stat1Bits::RestartRequested);
}

}  // namespace

bool GamePlay::TakesOnlyButtons(int32_t step) {
    for (int32_t each : {1000, 1250, 11000, 12000, 13000, 14000}) {
        if (step == each) return true;
    }
    return false;
}

bool GamePlay::EnterDoor(int16_t Button, int16_t Shift, float X, float Y, const GameEntry& entry) {
    if (DemoRunning() && Shift == 0 && flow.Ptrg > 5) EndDemo();
    if (TakesOnlyButtons(flow.Ptrg) && Shift < 100) return false;
    if (!IsSet(flags.Stat0, Stat0Bits::ReplayRequested) && !flow.InputOpen) return false;
    if (entry) {
        entry(Button, Shift, X, Y);
    } else {
        MainGame(Button, Shift, X, Y, 0);
    }
    return true;
}
