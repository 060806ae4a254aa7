#pragma once

#include <memory>

#include "platform/sound/mixer_backend.h"
#include "platform/sound/sound_backend.h"

// The system mixer with the wave and synthesizer lines served by the game's own voices:
// their volume and mute (0-100 and 0/1) go to the sound backend, so they change what the
// game plays and nothing else. Every other line is the system's.
class ChannelLinesMixer final : public MixerBackend {
  public:
    ChannelLinesMixer(std::unique_ptr<MixerBackend> system, SoundBackend& sound);

    int DeviceCount() override { return system_->DeviceCount(); }
    bool Open(int device) override { return system_->Open(device); }
    int Close() override { return system_->Close(); }
    std::optional<MixerControl> FindControl(MixerLine line, MixerControlKind kind) override;
    std::optional<int64_t> GetValue(const MixerControl& control) override;
    bool SetValue(const MixerControl& control, int64_t value) override;

  private:
    struct OwnLine {
        int64_t volume = 100;
        bool muted = false;
    };
    static bool IsOwn(MixerLine line);
    OwnLine& Own(MixerLine line);
    void Apply(MixerLine line);

    std::unique_ptr<MixerBackend> system_;
    SoundBackend& sound_;
    OwnLine wave_;
    OwnLine synth_;
};
