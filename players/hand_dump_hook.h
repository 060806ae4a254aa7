#pragma once

#include <functional>

// The hand dump to the error log lives in the engine; it installs itself here at
// start-up so that the computer's trick play can write it on a fault.
namespace LogicMain {
void InstallHandDump(std::function<void(int)> dump);
// Writes the dump in mode (1 for a fault of the trick play); nothing until installed.
void WriteHandDump(int mode);
}  // namespace LogicMain
