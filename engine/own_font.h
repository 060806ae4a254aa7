#pragma once

#include <string>

namespace KavlorMain {

// Makes the face "Kavlor4" available: from the data folder's font file when the system
// lacks it (Stat1 bit 22 then says this run added it), else a notice and the system's
// fonts. Returns the start-up status line about the font.
std::string InstallOwnFont();
// Takes the font away again when this run added it.
void RemoveOwnFont();

}  // namespace KavlorMain
