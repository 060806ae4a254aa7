#pragma once

#include <functional>

// The program's exit routine lives with start-up, above the game's lower layers;
// start-up installs it here so that any layer can leave through it. It does not end
// the process: it unloads the main window, and the process ends when no window is left.
namespace KavlorMain {
void ExitProgram();
void InstallExitRoutine(std::function<void()> routine);
}  // namespace KavlorMain
