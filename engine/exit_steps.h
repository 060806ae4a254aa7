#pragma once

#include <functional>

namespace KavlorMain {

// What the exit routine asks of the main window.
struct ExitWindow {
    std::function<void()> KeepWindowRect;
    std::function<void()> Unload;
};

// The closing sound, the window's rectangle kept, Stat0 bit 24 set and the main window
// unloaded. Runs once: once the program is leaving, a further call returns at once.
void RunExitRoutine(const ExitWindow& window);

}  // namespace KavlorMain
