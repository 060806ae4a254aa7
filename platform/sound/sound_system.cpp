#include "platform/sound/sound_system.h"

#include "platform/settings/player_settings.h"

SoundSystem::SoundSystem() { soundTimes_.fill(-1); }

bool SoundSystem::HasSoundCard() { return false; }
bool SoundSystem::IsMidiPlaying() { return false; }
void SoundSystem::PlayMidi(const std::string&) {}
void SoundSystem::StopMidi() {}
void SoundSystem::PlayWave(const std::string&) {}
void SoundSystem::StopWave() {}
bool SoundSystem::IsMp3Playing() { return false; }
void SoundSystem::PlayMp3(const std::string&) {}
void SoundSystem::StopMp3() {}
void SoundSystem::StopAll() {}
int32_t SoundSystem::GetWaveTime(const std::string&) { return 0; }

void SoundSystem::SetSoundTime(int n) {
    if (n == 0) {
        for (int i = 1; i <= 32; ++i) SetSoundTime(i);
        return;
    }
    if (n >= 1 && n <= 32) soundTimes_[static_cast<size_t>(n)] = GetWaveTime(settings.SoundFiles[static_cast<size_t>(n)]);
}

int32_t SoundSystem::GetSoundTime(int n) const {
    if (n < 1 || n > 32) return -1;
    return soundTimes_[static_cast<size_t>(n)];
}
