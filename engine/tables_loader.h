#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The message texts and the default media names are stored scrambled, one line each,
// behind the program file: the first byte of the tables is byte 15,000,000 of the file.
namespace KavlorMain {

inline constexpr std::size_t kTablesOffset = 14'999'999;
inline constexpr std::size_t kTableLines = 499;

// Fills the tables and the default media names from the installed program file;
// without it, or without the appended data, everything stays as it is.
void LoadTables();
// The same from the stored tail of the file (everything after the offset but its last byte).
void FillTables(std::string_view tail);
// The installed program file "kavlor" in ProgramFolder, or beside the running one.
std::string InstalledProgramFile();

}  // namespace KavlorMain
