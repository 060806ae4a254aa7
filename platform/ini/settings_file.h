#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The one settings file, IniPath. A missing file reads as empty and is created by
// the first write; every write replaces the file atomically.

namespace APIs {
std::string ReadIni(std::string_view section, std::string_view key, std::string_view fallback);
// Nonzero on success.
int WriteIni(std::string_view section, std::string_view key, std::string_view value);
using IniValues = std::vector<std::pair<std::string, std::string>>;
// Writes many keys of one section with a single replacement of the file; nonzero on success.
int WriteIniValues(std::string_view section, const IniValues& values);
std::vector<std::string> IniSectionNames();
int DeleteIniSection(std::string_view section);
}  // namespace APIs

namespace Misc {

enum RenameIniResult : int {
    kRenameDone = 0,
    kRenameNoFile = -1,
    kRenameNoSection = -2,
    // A section of the new name exists already: renaming would merge two profiles.
    kRenameNameTaken = -3,
    kRenameWriteFailed = -4,
};

int RenameIniSection(std::string_view oldName, std::string_view newName);

}  // namespace Misc
