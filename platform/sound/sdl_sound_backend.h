#pragma once

#include <memory>

#include "platform/sound/sound_backend.h"

struct Mix_Chunk;
struct _Mix_Music;

// Sounds through SDL2_mixer: an event sound and an MP3 each decoded into a chunk on a
// channel of their own, a MIDI tune as the music stream (synthesised with a General
// MIDI sound font), so all three can sound at once.
class SdlSoundBackend final : public SoundBackend {
  public:
    // The backend on the system's audio output, or nullptr when no device opens.
    static std::unique_ptr<SdlSoundBackend> Open();

    // Only Open() can make one: it owns the audio device's set-up.
    class OpenedDevice {
        OpenedDevice() = default;
        friend class SdlSoundBackend;
    };
    SdlSoundBackend(OpenedDevice, int frequency, int channels, int bytesPerSample);
    ~SdlSoundBackend() override;
    SdlSoundBackend(const SdlSoundBackend&) = delete;
    SdlSoundBackend& operator=(const SdlSoundBackend&) = delete;

    bool HasDevice() const override { return true; }
    bool Play(Voice voice, const std::string& file, std::string& error) override;
    void Stop(Voice voice) override;
    bool IsPlaying(Voice voice) override;
    void SetVolume(Voice voice, int percent) override;
    std::optional<double> DecodedLengthMs(const std::string& file, std::string& error) override;

  private:
    struct ChunkFree {
        void operator()(Mix_Chunk* chunk) const;
    };
    struct MusicFree {
        void operator()(_Mix_Music* music) const;
    };
    using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkFree>;

    ChunkPtr& ChunkOf(Voice voice) { return voice == Voice::Wave ? wave_ : mp3_; }
    static int ChannelOf(Voice voice) { return voice == Voice::Wave ? 0 : 1; }

    int frequency_;
    int channels_;
    int bytesPerSample_;
    ChunkPtr wave_;
    ChunkPtr mp3_;
    std::unique_ptr<_Mix_Music, MusicFree> midi_;
};
