#pragma once

#include <functional>
#include <string_view>

// The one sink of the game flow's log lines. The status line installs itself here;
// until then, and after, the lines follow the trace-file rule of the status line.
namespace Misc {
void Trace(std::string_view text);
// Replaces the sink; an empty function puts the trace-file rule back.
void InstallTraceSink(std::function<void(std::string_view)> sink);
// The trace-file rule: with LogOn, the DEBUG switch and not leaving, Debug.txt.
void TraceToDebugFile(std::string_view text);
}  // namespace Misc
