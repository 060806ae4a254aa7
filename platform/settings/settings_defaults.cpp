#include "platform/settings/settings_defaults.h"

#include "platform/settings/player_settings.h"

void Misc::ApplyDefaultSettings() {
    PlayerSettings fresh;
    fresh.SoundFiles = settings.SoundFiles;
    fresh.MusicFiles = settings.MusicFiles;
    fresh.NinePointCode = settings.NinePointCode;
    fresh.NinePointWords = settings.NinePointWords;
    fresh.SavedDelay = settings.SavedDelay;
    fresh.SoundOn = settings.SoundOn;
    fresh.ColorBits = settings.ColorBits;
    for (int i = 1; i <= kMusicSlots; ++i) {
        const auto& tune = fresh.MusicFiles[static_cast<size_t>(i + kMusicDefaults)];
        fresh.MusicFiles[static_cast<size_t>(i)] = tune;
        fresh.MusicFiles[static_cast<size_t>(i + kMusicLastApplied)] = tune;
    }
    for (int i = 1; i <= kSoundEvents; ++i) {
        const auto& wave = fresh.SoundFiles[static_cast<size_t>(i + kSoundDefaults)];
        fresh.SoundFiles[static_cast<size_t>(i)] = wave;
        fresh.SoundFiles[static_cast<size_t>(i + kSoundLastApplied)] = wave;
    }
    settings = fresh;
}
