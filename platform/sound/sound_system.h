#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/sound/mixer_backend.h"
#include "platform/sound/sound_backend.h"

// The one object through which the game plays its sounds: event waves, MIDI and MP3
// music, the lengths of sounds so the game can wait for their end, and the system
// volumes. Until backends are installed at start-up it plays nothing and has no mixer.
class SoundSystem {
  public:
    // Mixer controls 0-6 are the volumes of the seven lines, 7-13 their mutes.
    static constexpr int kMasterVolume = 0;
    static constexpr int kMidiVolume = 3;
    static constexpr int kWaveVolume = 5;
    static constexpr int kControlCount = 14;

    SoundSystem();
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    // Replaces the device behind the sounds and the mixer; the mixer is left closed.
    void InstallBackends(std::unique_ptr<SoundBackend> sound, std::unique_ptr<MixerBackend> mixer);
    // Gives the devices back at exit: nothing plays and the mixer is closed afterwards.
    void Release();

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
    // The length of a media file in ms; 0 when it is missing or cannot be opened.
    int32_t GetWaveTime(const std::string& file);

    bool OpenMixer(int device);
    int CloseMixer();
    int32_t GetVolume(int control);
    bool SetVolume(int control, int32_t value);
    bool SetMute(int control, bool state);
    bool GetMute(int control);

    // Refreshes the cached length of event n (1-32) from its file; 0 refreshes all.
    void SetSoundTime(int n);
    // The cached length of event n (1-96, any bank) in ms; -1 when unknown.
    int32_t GetSoundTime(int n) const;

    // Puts a profile's saved volumes (the Volumes word) into the open mixer, unless the
    // profile keeps the system's own or has never set any.
    void ApplySavedVolumes(int32_t volumes);
    // Puts back the volumes found when the mixer opened, wherever this run changed them.
    void RestoreSystemVolumes();

  private:
    void Play(Voice voice, const std::string& file);
    void ShowMciError(const std::string& text);
    int32_t GetMp3Length(const std::string& path);
    std::optional<double> MeasureOtherMedia(const std::string& path, std::string& error);

    MixerControl GetMixerControl(MixerLine line, MixerControlKind kind);
    std::optional<int64_t> GetControlValue(const MixerControl& control);
    bool SetControlValue(const MixerControl& control, int64_t raw);
    const MixerControl* Control(int index) const;

    std::unique_ptr<SoundBackend> sound_;
    std::unique_ptr<MixerBackend> mixer_;

    bool mixerOpen_ = false;
    std::array<MixerControl, kControlCount> controls_{};
    int32_t origWaveVolume_ = 0;
    int32_t origMidiVolume_ = 0;
    int32_t origMasterVolume_ = 0;
    // Which of the master, MIDI and wave volumes this run has set.
    bool masterChanged_ = false;
    bool midiChanged_ = false;
    bool waveChanged_ = false;

    std::array<int32_t, 33> soundTimes_{};
};

inline SoundSystem SoundPlayer;
