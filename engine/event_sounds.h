#pragma once

#include <functional>

// Sound events 1-32 ("About" … "Win Big") of the current settings.
namespace Misc {
inline constexpr int kInputSound = 13;
// Plays event n through SoundPlayer while sound is on and the program is not leaving.
void PlayEventSound(int event);
// Told of every event actually played: the table's effects and tests follow it.
void InstallEventSoundObserver(std::function<void(int)> observer);
}  // namespace Misc
