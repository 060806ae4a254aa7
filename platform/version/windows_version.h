#pragma once

#include <cstdint>
#include <string>

namespace Windoze {

// Platform identifiers of a version record.
inline constexpr int32_t kPlatformWin32s = 0;
inline constexpr int32_t kPlatformWindows9x = 1;
inline constexpr int32_t kPlatformWindowsNT = 2;
// A value no Windows record carries: the record describes a Linux system.
inline constexpr int32_t kPlatformLinux = 10;

inline constexpr int32_t kProductWorkstation = 1;
inline constexpr int32_t kSuitePersonal = 0x200;

// What the version text is made of. On Linux the distribution's name stands in for
// the Windows name and the kernel release gives the numbers.
struct VersionRecord {
    int32_t PlatformId = 0;
    int32_t MajorVersion = 0;
    int32_t MinorVersion = 0;
    int32_t BuildNumber = 0;
    int32_t ServicePackMajor = 0;
    int32_t ServicePackMinor = 0;
    int32_t SuiteMask = 0;
    int32_t ProductType = kProductWorkstation;
    // Facts the major-10 names depend on: the numeric "ReleaseId" (0 when missing)
    // and whether the kernel has the function only newer systems export.
    int32_t ReleaseId = 0;
    bool HasNewerKernelFunction = false;
    std::string DistributionName;

    bool operator==(const VersionRecord&) const = default;
};

// The one-line description of the running system:
// name + " " + service-pack text + " (v" + version number + ")".
std::string GetWindowsVersion();
// The same line for a given record.
std::string VersionText(const VersionRecord& record);

std::string WindowsName(const VersionRecord& record);
std::string ServicePackText(const VersionRecord& record);
std::string VersionNumberText(const VersionRecord& record);
bool IsServer(const VersionRecord& record);
// The Windows 95, 98 and ME family, which the game refuses. Never true on Linux,
// whatever the distribution's name begins with.
bool IsOldWindowsFamily(const VersionRecord& record);

// The record of this Linux system: the name from the text of an os-release file
// (PRETTY_NAME, else NAME) and the numbers from the kernel release ("6.1.0-18-amd64").
VersionRecord LinuxVersionRecord(const std::string& osRelease, const std::string& kernelRelease);
// The record of the running system, or false when the kernel cannot be asked.
bool CurrentVersionRecord(VersionRecord& record);

inline constexpr const char* kVersionFailure = "Failed to retrieve Windows version";

}  // namespace Windoze
