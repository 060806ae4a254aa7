#pragma once

#include <string>
#include <string_view>

// The stored table lines are a running difference of their characters, so that the
// texts do not stand readable in the program file. Both work on single-byte text.

namespace APIs {
std::string UnscrambleLine(std::string_view line);
}

namespace Misc {
// The exact inverse of UnscrambleLine for texts of characters 32-255.
std::string ScrambleLine(std::string_view text);
}
