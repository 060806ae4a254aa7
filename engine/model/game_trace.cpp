#include "engine/model/game_trace.h"

#include "engine/model/debug_trace.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"

namespace {

std::function<void(std::string_view)>& Sink() {
    static std::function<void(std::string_view)> sink;
    return sink;
}

}  // namespace

void Misc::TraceToDebugFile(std::string_view text) {
    if (!flow.LogOn || flow.QuitNow) return;
    if (IsSet(flags.Stat0, Stat0Bits::DebugSwitch)) DebugLog(text);
}

void Misc::Trace(std::string_view text) {
    if (Sink()) {
        Sink()(text);
    } else {
        TraceToDebugFile(text);
    }
}

void Misc::InstallTraceSink(std::function<void(std::string_view)> sink) {
    Sink() = std::move(sink);
}
