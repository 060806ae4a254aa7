#include "engine/slowpoke_timer.h"

#include <algorithm>
#include <string>

#include "engine/model/game_trace.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "render/table_host.h"

namespace {

constexpr int32_t kReminderOn = 1 << 22;

void SetTimer(int32_t interval, const std::string& tag) {
    if (TableHost* table = CurrentTable())
        table->SetTimer(TableTimerId::SlowpokeTimer, {interval, tag});
}

}  // namespace

void KavlorMain::SetSlowpokeTimer(int32_t step) {
    const bool reminderOn = (settings.Opts1 & kReminderOn) != 0;
    if (reminderOn && step > 0) {
        Misc::Trace("Turned Slowpoke Timer On.");
        settings.Slow = std::clamp<int32_t>(settings.Slow, 10, 65);
        flow.SlowpokeStart = APIs::TickCount();
        SetTimer(settings.Slow * 1000, std::to_string(step));
        SetBit(flags.Stat0, Stat0Bits::SlowpokeArmed);
        return;
    }
    if (reminderOn) Misc::Trace("Turned Slowpoke Timer Off.");
    ClearBit(flags.Stat0, Stat0Bits::SlowpokeArmed);
    SetTimer(0, "0");
}
