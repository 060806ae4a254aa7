#pragma once

#include <string_view>

// The player's settings with the tables and statistics that travel with them.
namespace KavlorMain {

// The defaults of a new profile; the suit and rank names from the message table.
void SetDefaultSettings();
// Mode above 0 applies the defaults first (switching profiles); mode 0 is the
// start-up load. Nothing changes when there is no settings file.
void LoadSettings(int mode);
// Mode 0 writes the current settings (unless the player asked not to save at exit),
// mode 1 the defaults of a new profile.
void SaveSettings(std::string_view profile, int mode);

}  // namespace KavlorMain

namespace Misc {
// The statistics record of a profile into AllSessionStats, and back as text.
void LoadStats(std::string_view profile);
std::string StatsText();
}  // namespace Misc
