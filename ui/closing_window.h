#pragma once

// The closing screen shown when the main window goes for good. For now a plain
// window in the table colour on the kept rectangle that closes itself.
namespace FormFunctions {
void ShowClosingScreen();
}  // namespace FormFunctions
