#include "platform/mail_link.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QUrl>

namespace APIs {
namespace {

std::string WithCrLfBreaks(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Addresses keep "@" and the "," between several of them readable.
std::string Encoded(std::string_view text, bool address) {
    const QByteArray raw(text.data(), static_cast<qsizetype>(text.size()));
    return QUrl::toPercentEncoding(QString::fromUtf8(raw), address ? "@," : "@").toStdString();
}

void AddField(std::string& link, std::string_view name, std::string_view value, bool address) {
    if (value.empty()) return;
    link += link.find('?') == std::string::npos ? '?' : '&';
    link += name;
    link += '=';
    link += Encoded(address ? std::string(value) : WithCrLfBreaks(value), address);
}

}  // namespace

std::string MailLink(std::string_view to, std::string_view cc, std::string_view bcc,
                     std::string_view subject, std::string_view body) {
    std::string link = "mailto:" + Encoded(to, true);
    AddField(link, "cc", cc, true);
    AddField(link, "bcc", bcc, true);
    AddField(link, "subject", subject, false);
    AddField(link, "body", body, false);
    return link;
}

bool OpenLink(std::string_view link) {
    const QByteArray encoded(link.data(), static_cast<qsizetype>(link.size()));
    return QDesktopServices::openUrl(QUrl::fromEncoded(encoded, QUrl::StrictMode));
}

}  // namespace APIs
