#include "engine/model/send_mail.h"

#include "engine/model/state/tables.h"
#include "platform/mail_link.h"

namespace APIs {
namespace {
constexpr int kDefaultAddress = 120;
constexpr int kDefaultSubject = 121;
}  // namespace

void SendMail(std::string_view to, std::string_view cc, std::string_view bcc,
              std::string_view subject, std::string_view body) {
    if (to.empty()) to = tables.MessageTable[kDefaultAddress];
    if (subject.empty()) subject = tables.MessageTable[kDefaultSubject];
    OpenLink(MailLink(to, cc, bcc, subject, body));
}

}  // namespace APIs
