#pragma once

#include <optional>
#include <string>

// The three voices the game plays on: one event sound, one MIDI tune and one MP3 at a
// time, each able to sound together with the others.
enum class Voice { Wave, Midi, Mp3 };

// Where sounds are actually made. Each voice holds at most one open file.
class SoundBackend {
  public:
    virtual ~SoundBackend() = default;

    // True when an audio output device is open.
    virtual bool HasDevice() const = 0;
    // Opens the file on the voice (the voice must be stopped) and starts it; returns at
    // once. False, with the reason, when the file cannot be opened or played.
    virtual bool Play(Voice voice, const std::string& file, std::string& error) = 0;
    // Stops the voice and closes its file.
    virtual void Stop(Voice voice) = 0;
    virtual bool IsPlaying(Voice voice) = 0;
    // 0-100, applied at once and to later sounds of the voice.
    virtual void SetVolume(Voice voice, int percent) = 0;
    // The play time of a file of a kind the caller cannot measure itself.
    virtual std::optional<double> DecodedLengthMs(const std::string& file, std::string& error) = 0;
};

// Plays nothing: the stand-in when no audio device opens. It keeps the volumes it is
// given so that they can be read back.
class NullSoundBackend final : public SoundBackend {
  public:
    bool HasDevice() const override { return false; }
    bool Play(Voice, const std::string&, std::string&) override { return true; }
    void Stop(Voice) override {}
    bool IsPlaying(Voice) override { return false; }
    void SetVolume(Voice voice, int percent) override { volumes_[int(voice)] = percent; }
    std::optional<double> DecodedLengthMs(const std::string&, std::string& error) override {
        error = "No sound device is open.";
        return std::nullopt;
    }

    int Volume(Voice voice) const { return volumes_[int(voice)]; }

  private:
    int volumes_[3] = {100, 100, 100};
};
