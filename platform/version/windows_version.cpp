#include "platform/version/windows_version.h"

namespace Windoze {
namespace {

std::string NameOfWindows10Family(const VersionRecord& r) {
    if (!IsServer(r)) {
        return r.BuildNumber >= 22000 && r.HasNewerKernelFunction ? "Windows 11" : "Windows 10";
    }
    if (r.BuildNumber >= 26100) return "Windows Server 2025";
    if (r.ReleaseId >= 2009 && r.HasNewerKernelFunction) return "Windows Server 2022";
    if (r.ReleaseId < 1803) return "Windows Server 2016";
    return "Windows Server 2019";
}

std::string NameOfNtFamily(const VersionRecord& r) {
    const bool server = IsServer(r);
    const auto pick = [server](const char* workstation, const char* serverName) {
        return std::string(server ? serverName : workstation);
    };
    switch (r.MajorVersion) {
        case 3:
            return pick("Windows NT 3.5 Workstation", "Windows NT 3.5 Server");
        case 4:
            return pick("Windows NT 4.0 Workstation", "Windows NT 4.0 Server");
        case 5:
            switch (r.MinorVersion) {
                case 0:
                    return pick("Windows 2000 Workstation", "Windows 2000 Server");
                case 1:
                    return (r.SuiteMask & kSuitePersonal) != 0 ? "Windows XP Home Edition"
                                                               : "Windows XP Professional";
                case 2:
                    return pick("Windows XP 64-bit Edition", "Windows Server 2003");
            }
            break;
        case 6:
            switch (r.MinorVersion) {
                case 0:
                    return pick("Windows Vista", "Windows Server 2008");
                case 1:
                    return pick("Windows 7", "Windows Server 2008 R2");
                case 2:
                    return pick("Windows 8", "Windows Server 2012");
                case 3:
                    return pick("Windows 8.1", "Windows Server 2012 R2");
            }
            break;
        case 10:
            return NameOfWindows10Family(r);
    }
    return "Unrecognized Version";
}

}  // namespace

std::string WindowsName(const VersionRecord& r) {
    switch (r.PlatformId) {
        case kPlatformWin32s:
            return "Windows 32s On Windows 3.1";
        case kPlatformWindows9x:
            if (r.MinorVersion == 0) return "XWindows 95";
            if (r.MinorVersion == 90) return "XWindows ME";
            return "XWindows 98";
        case kPlatformWindowsNT:
            return NameOfNtFamily(r);
        case kPlatformLinux:
            if (!r.DistributionName.empty()) return r.DistributionName;
            break;
    }
    return "Unrecognized Version";
}

std::string ServicePackText(const VersionRecord& r) {
    if (r.ServicePackMajor <= 0) return "";
    std::string text = "SP" + std::to_string(r.ServicePackMajor);
    if (r.ServicePackMinor > 0) text += "." + std::to_string(r.ServicePackMinor);
    return text;
}

std::string VersionNumberText(const VersionRecord& r) {
    return std::to_string(r.MajorVersion) + "." + std::to_string(r.MinorVersion) + "." +
           std::to_string(r.BuildNumber);
}

bool IsServer(const VersionRecord& r) {
    return r.ProductType != kProductWorkstation;
}

bool IsOldWindowsFamily(const VersionRecord& r) {
    return r.PlatformId == kPlatformWindows9x;
}

std::string VersionText(const VersionRecord& r) {
    return WindowsName(r) + " " + ServicePackText(r) + " (v" + VersionNumberText(r) + ")";
}

std::string GetWindowsVersion() {
    VersionRecord record;
    if (!CurrentVersionRecord(record)) return kVersionFailure;
    return VersionText(record);
}

}  // namespace Windoze
