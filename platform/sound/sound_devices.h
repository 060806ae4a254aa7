#pragma once

#include "platform/sound/sound_system.h"

// Puts the machine's audio output (or a silent stand-in when none opens) and the system
// mixer behind the sound system. Start-up calls it once, then opens mixer device 0.
void InstallSystemSound(SoundSystem& player);
