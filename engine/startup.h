#pragma once

#include <string>

// The program's start and its last clean-up, apart from the windows themselves.
namespace KavlorMain {

// Everything before the main window: the data folder and its shipped files, the font,
// the sound system, the tables and settings, the command line (upper case) and the
// start-up status lines. False when the program must end at once.
bool StartProgram(const std::string& programFolder, std::string commandLine);
// Seeds the random numbers, reads the sound card, the tables and the settings, fixes
// the scale and mirrors the option bits into the run words. False on a screen too
// small for the table.
bool InitializeProgram();
// The closing window's clean-up: sounds stopped, system volumes and devices given
// back, the font removed when this run added it, the seams the start installed undone.
void FinishProgram();

}  // namespace KavlorMain
