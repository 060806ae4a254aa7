#include "engine/model/debug_trace.h"

#include <fstream>

#include "engine/model/state/flow_state.h"
#include "platform/paths.h"

void Misc::DebugLog(std::string_view text) {
    std::ofstream out(paths.DataFolder + "/Debug.txt", std::ios::app | std::ios::binary);
    if (!out) return;
    out << flow.Ptrg << ' ' << text << '\n';
}
