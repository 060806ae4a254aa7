#include <sys/utsname.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string_view>

#include "platform/version/windows_version.h"

namespace Windoze {
namespace {

// A value of an os-release line: quotes removed and backslash escapes undone.
std::string Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) ++i;
        out += value[i];
    }
    return out;
}

std::string OsReleaseValue(const std::string& text, std::string_view key) {
    std::istringstream lines(text);
    std::string line;
    std::string found;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > key.size() && line.compare(0, key.size(), key) == 0 &&
            line[key.size()] == '=') {
            found = Unquote(std::string_view(line).substr(key.size() + 1));
        }
    }
    return found;
}

// The leading number of a text, advancing past it; 0 when there is none.
int32_t LeadingNumber(std::string_view& text) {
    int64_t value = 0;
    while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
        if (value < 100000000) value = value * 10 + (text.front() - '0');
        text.remove_prefix(1);
    }
    return static_cast<int32_t>(value);
}

std::string ReadWholeFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "";
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

VersionRecord LinuxVersionRecord(const std::string& osRelease, const std::string& kernelRelease) {
    VersionRecord record;
    record.PlatformId = kPlatformLinux;
    record.DistributionName = OsReleaseValue(osRelease, "PRETTY_NAME");
    if (record.DistributionName.empty())
        record.DistributionName = OsReleaseValue(osRelease, "NAME");

    std::string_view rest = kernelRelease;
    std::array<int32_t*, 3> parts{&record.MajorVersion, &record.MinorVersion, &record.BuildNumber};
    for (int32_t* part : parts) {
        *part = LeadingNumber(rest);
        if (rest.empty() || rest.front() != '.') break;
        rest.remove_prefix(1);
    }
    return record;
}

bool CurrentVersionRecord(VersionRecord& record) {
    utsname system{};
    if (uname(&system) != 0) return false;
    std::string osRelease = ReadWholeFile("/etc/os-release");
    if (osRelease.empty()) osRelease = ReadWholeFile("/usr/lib/os-release");
    record = LinuxVersionRecord(osRelease, system.release);
    if (record.DistributionName.empty()) record.DistributionName = system.sysname;
    return true;
}

}  // namespace Windoze
