#pragma once

#include <functional>
#include <string_view>

// Where the card-image store reports what it could not use. The program installs its
// trace (the status line, the debug file); until then the lines are dropped.
namespace CardLoads {

using TraceSink = std::function<void(std::string_view)>;

void SetTraceSink(TraceSink sink);
void Trace(std::string_view line);

}  // namespace CardLoads
