#pragma once

#include <string_view>

namespace Misc {
// Appends "<step> <text>" to Debug.txt in the data folder.
void DebugLog(std::string_view text);
}  // namespace Misc
