#include <gtest/gtest.h>

#include <regex>

#include "platform/version/windows_version.h"

using namespace Windoze;

namespace {
VersionRecord Nt(int major, int minor, int build, int productType = kProductWorkstation) {
    VersionRecord r;
    r.PlatformId = kPlatformWindowsNT;
    r.MajorVersion = major;
    r.MinorVersion = minor;
    r.BuildNumber = build;
    r.ProductType = productType;
    return r;
}
constexpr int kServer = 3;
}  // namespace

TEST(WindowsVersion, TextWithoutServicePackHasTwoBlanksBeforeTheNumber) {
    EXPECT_EQ(VersionText(Nt(10, 0, 19045)), "Windows 10  (v10.0.19045)");
    VersionRecord sp = Nt(5, 1, 2600);
    sp.ServicePackMajor = 3;
    EXPECT_EQ(VersionText(sp), "Windows XP Professional SP3 (v5.1.2600)");
}

TEST(WindowsVersion, ElevenNeedsBothTheBuildAndTheNewerKernel) {
    VersionRecord r = Nt(10, 0, 26100);
    r.HasNewerKernelFunction = true;
    EXPECT_EQ(WindowsName(r), "Windows 11");
    r.BuildNumber = 22000;
    r.HasNewerKernelFunction = false;
    EXPECT_EQ(WindowsName(r), "Windows 10");
    r.BuildNumber = 21999;
    r.HasNewerKernelFunction = true;
    EXPECT_EQ(WindowsName(r), "Windows 10");
}

TEST(WindowsVersion, ServersOfMajorTenFollowBuildReleaseIdAndKernel) {
    VersionRecord r = Nt(10, 0, 26100, kServer);
    EXPECT_EQ(WindowsName(r), "Windows Server 2025");
    r.BuildNumber = 20348;
    r.ReleaseId = 2009;
    r.HasNewerKernelFunction = true;
    EXPECT_EQ(WindowsName(r), "Windows Server 2022");
    r.HasNewerKernelFunction = false;
    EXPECT_EQ(WindowsName(r), "Windows Server 2019");
    r.ReleaseId = 1803;
    EXPECT_EQ(WindowsName(r), "Windows Server 2019");
    r.ReleaseId = 0;  // missing from the registry
    EXPECT_EQ(WindowsName(r), "Windows Server 2016");
}

TEST(WindowsVersion, OlderNames) {
    EXPECT_EQ(WindowsName(Nt(6, 3, 9600)), "Windows 8.1");
    EXPECT_EQ(WindowsName(Nt(6, 1, 7601, kServer)), "Windows Server 2008 R2");
    EXPECT_EQ(WindowsName(Nt(5, 2, 3790)), "Windows XP 64-bit Edition");
    EXPECT_EQ(WindowsName(Nt(5, 2, 3790, kServer)), "Windows Server 2003");
    EXPECT_EQ(WindowsName(Nt(5, 0, 2195)), "Windows 2000 Workstation");
    EXPECT_EQ(WindowsName(Nt(4, 0, 1381, kServer)), "Windows NT 4.0 Server");
    VersionRecord home = Nt(5, 1, 2600, kServer);
    home.SuiteMask = kSuitePersonal | 1;
    EXPECT_EQ(WindowsName(home), "Windows XP Home Edition");
    EXPECT_EQ(WindowsName(Nt(7, 0, 1)), "Unrecognized Version");
    EXPECT_EQ(WindowsName(Nt(6, 4, 1)), "Unrecognized Version");
    VersionRecord unknownPlatform;
    unknownPlatform.PlatformId = 5;
    EXPECT_EQ(WindowsName(unknownPlatform), "Unrecognized Version");
}

TEST(WindowsVersion, TheNinetyFiveFamilyBeginsWithX) {
    VersionRecord r;
    r.PlatformId = kPlatformWindows9x;
    r.MinorVersion = 10;
    EXPECT_EQ(WindowsName(r), "XWindows 98");
    r.MinorVersion = 0;
    EXPECT_EQ(WindowsName(r), "XWindows 95");
    r.MinorVersion = 90;
    EXPECT_EQ(WindowsName(r), "XWindows ME");
    EXPECT_TRUE(IsOldWindowsFamily(r));
    EXPECT_FALSE(IsOldWindowsFamily(Nt(5, 1, 2600)));
    r.PlatformId = kPlatformWin32s;
    EXPECT_EQ(WindowsName(r), "Windows 32s On Windows 3.1");
}

TEST(WindowsVersion, ServicePackText) {
    VersionRecord r = Nt(5, 1, 2600);
    EXPECT_EQ(ServicePackText(r), "");
    r.ServicePackMajor = 2;
    r.ServicePackMinor = 1;
    EXPECT_EQ(ServicePackText(r), "SP2.1");
    r.ServicePackMinor = 0;
    EXPECT_EQ(ServicePackText(r), "SP2");
    r.ServicePackMajor = 0;
    r.ServicePackMinor = 1;
    EXPECT_EQ(ServicePackText(r), "");
    EXPECT_FALSE(IsServer(r));
    EXPECT_TRUE(IsServer(Nt(6, 0, 1, 2)));
}

TEST(LinuxVersion, NamesTheDistributionAndTheKernel) {
    const std::string osRelease =
        "# comment\nNAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"
        "VERSION_ID=\"12\"\n";
    const VersionRecord r = LinuxVersionRecord(osRelease, "6.1.0-18-amd64");
    EXPECT_EQ(VersionText(r), "Debian GNU/Linux 12 (bookworm)  (v6.1.0)");
    EXPECT_FALSE(IsServer(r));
}

TEST(LinuxVersion, FallsBackToNameAndReadsShortKernelReleases) {
    const VersionRecord r = LinuxVersionRecord("NAME='Some \\\"Linux\\\"'\r\nID=x\r\n", "6.12");
    EXPECT_EQ(WindowsName(r), "Some \"Linux\"");
    EXPECT_EQ(VersionNumberText(r), "6.12.0");
    const VersionRecord bare = LinuxVersionRecord("", "garbage");
    EXPECT_EQ(WindowsName(bare), "Unrecognized Version");
    EXPECT_EQ(VersionNumberText(bare), "0.0.0");
}

TEST(LinuxVersion, ADistributionNamedWithXIsNoOldWindows) {
    const VersionRecord r = LinuxVersionRecord("PRETTY_NAME=\"XOS 1\"\n", "6.1.0");
    EXPECT_EQ(WindowsName(r), "XOS 1");
    EXPECT_FALSE(IsOldWindowsFamily(r));
}

TEST(LinuxVersion, TheRunningSystemHasTheShape) {
    const std::string text = GetWindowsVersion();
    EXPECT_TRUE(std::regex_match(text, std::regex(R"(.+ \(v\d+\.\d+\.\d+\))"))) << text;
    EXPECT_NE(text.find("  (v"), std::string::npos) << text;
    VersionRecord r;
    ASSERT_TRUE(CurrentVersionRecord(r));
    EXPECT_FALSE(IsOldWindowsFamily(r));
}
