#pragma once

#include <string_view>

namespace APIs {

// Opens a new mail in the user's mail program. An empty address or subject takes the
// game's own (messages 120 and 121); every part arrives as typed.
void SendMail(std::string_view to, std::string_view cc, std::string_view bcc,
              std::string_view subject, std::string_view body);

}  // namespace APIs
