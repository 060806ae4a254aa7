#pragma once

namespace Misc {
// Puts a new profile's values into settings. The default media names (the banks
// SoundFiles 65-96 and MusicFiles 61-90) are kept and copied into the current and
// last-applied banks; the nine-point phrase and the run-time values stay.
void ApplyDefaultSettings();
}  // namespace Misc
