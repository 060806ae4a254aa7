#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// One player profile's section of the settings file, read into and written from
// settings. The values owned elsewhere (the statistics, the screen scale) are
// passed in as their stored texts.

namespace Misc {

inline constexpr size_t kMaxProfileName = 17;

// The profile named by "Player" of "General": "Guest" when empty; a longer name
// than 17 characters is cut, and its section renamed to the cut name.
std::string CurrentProfileName();

// Takes every stored value of the profile into settings; a value that does not
// read as a number leaves the one in memory. A section without "Opts1" is of the
// older layout, whose sound and music override keys are mapped.
void ReadProfile(std::string_view profile);

struct StoredExtras {
    std::string Stats;
    std::string Video;
    // The speed to store; while the fast demonstration holds Delay it is the player's own.
    float Delay = 0.25f;
};
void WriteProfile(std::string_view profile, const StoredExtras& extras);
// A new profile that does not inherit the current settings.
void WriteDefaultProfile(std::string_view profile);
// The save of a player who asked not to save at exit: only bit 11 of the stored
// "Opts1" is set, when that value is a number; nothing else is touched.
void MarkProfileNotSaved(std::string_view profile);

// "1.0", "1.2", "1.5", "1.9" for codes 1-4, else empty.
std::string VideoText(int scaleCode);

}  // namespace Misc
