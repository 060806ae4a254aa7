#pragma once

#include <array>
#include <cstdint>
#include <string>

// The one object through which the game plays its sounds: event waves, MIDI and MP3
// music, the lengths of sounds so the game can wait for their end, and the system
// volumes. Until a backend is installed at start-up it plays nothing.
class SoundSystem {
public:
    SoundSystem();

    bool IsMixerOpen() const { return mixerOpen_; }
    int32_t OrigWaveVolume() const { return origWaveVolume_; }
    int32_t OrigMidiVolume() const { return origMidiVolume_; }
    int32_t OrigMasterVolume() const { return origMasterVolume_; }

    bool HasSoundCard();
    bool IsMidiPlaying();
    void PlayMidi(const std::string& file);
    void StopMidi();
    void PlayWave(const std::string& file);
    void StopWave();
    bool IsMp3Playing();
    void PlayMp3(const std::string& file);
    void StopMp3();
    void StopAll();
    int32_t GetWaveTime(const std::string& file);

    // Refreshes the cached length of event n (1-32) from its file; 0 refreshes all.
    void SetSoundTime(int n);
    // The cached length of event n in ms; -1 when unknown.
    int32_t GetSoundTime(int n) const;

private:
    bool mixerOpen_ = false;
    int32_t origWaveVolume_ = 0;
    int32_t origMidiVolume_ = 0;
    int32_t origMasterVolume_ = 0;
    std::array<int32_t, 33> soundTimes_{};
};

inline SoundSystem SoundPlayer;
