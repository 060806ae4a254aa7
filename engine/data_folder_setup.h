#pragma once

#include <string>

namespace KavlorMain {

// Fixes DataFolder, IniPath and ProgramFolder and makes sure the data folder exists.
// Without one it shows "Missing Data Folder" and returns false: the program ends.
bool FindDataFolder(const std::string& programFolder);
// Puts the files the program ships with into the data folder where they are missing
// (the font and the "Media" folder) and makes the "graphics" folder. A file the user
// has there already is never replaced.
void CopyShippedFiles();

}  // namespace KavlorMain
