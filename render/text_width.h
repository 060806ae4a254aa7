#pragma once

#include <cstdint>
#include <string_view>

namespace Misc {

// The width of a text in twips as the named window measures it in its font (an empty
// name: the printer). A face or a size above 0 sets that window's measuring font first;
// the font stays for later measures.
int32_t TextWidth(std::string_view text, std::string_view formName, std::string_view face,
                  int32_t size);

}  // namespace Misc
