#include "render/status_line.h"

#include "engine/model/debug_trace.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "render/table_messages.h"

namespace {
constexpr int32_t kStatusCode = -99;
constexpr double kStatusSeconds = 3.5;
}  // namespace

void Video::ShowStatus(const std::string& text) {
    if (!flow.LogOn) return;
    if (IsSet(flags.Stat2, Stat2Bits::LogicOnScreen)) {
        ShowMessageTimed(kStatusCode, text, kStatusSeconds, false);
    }
    if (flow.QuitNow) return;
    if (IsSet(flags.Stat0, Stat0Bits::DebugSwitch)) Misc::DebugLog(text);
}
