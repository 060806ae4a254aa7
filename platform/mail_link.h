#pragma once

#include <string>
#include <string_view>

namespace APIs {

// A "mailto:" link of the non-empty parts, each percent-encoded (UTF-8) so that
// "&", "#", "?", "%" and line breaks arrive as typed; line breaks become CR LF.
std::string MailLink(std::string_view to, std::string_view cc, std::string_view bcc,
                     std::string_view subject, std::string_view body);
// Hands a link to the desktop's handler of its scheme; false when none took it.
bool OpenLink(std::string_view link);

}  // namespace APIs
