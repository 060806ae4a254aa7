#pragma once

#include <string>

namespace Video {
// The development status line: shown over the trick box under the LOGIC trace and
// appended to the debug trace file under the DEBUG switch; nothing unless logging is on.
void ShowStatus(const std::string& text);
}  // namespace Video
