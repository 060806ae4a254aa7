#pragma once

#include <string>
#include <string_view>

// Where the program keeps its things; set at start-up.
struct ProgramPaths {
    std::string DataFolder;     // "~/.local/share/Kavlor", no trailing "/"
    std::string IniPath;        // DataFolder + "/Kavlor.ini"
    std::string ProgramFolder;  // the folder of the program file, no trailing "/"

    bool operator==(const ProgramPaths&) const = default;
};

inline ProgramPaths paths;

// Shell folder numbers the program asks for.
inline constexpr int kCommonAppData = 35;

namespace APIs {
// The path of a special folder, or "" when it is not available.
std::string SpecialFolder(int csidl);
}  // namespace APIs

namespace Misc {
// A path inside the data folder without the data-folder part; any other unchanged.
std::string RelativeToDataFolder(std::string_view path);
// A relative path put under the data folder; any other unchanged.
std::string AbsoluteFromDataFolder(std::string_view path);
}  // namespace Misc
