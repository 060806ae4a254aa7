#pragma once

#include "platform/sound/mixer_backend.h"

struct _snd_mixer;
struct _snd_mixer_elem;

// The system's master volume and mute on ALSA's "Master" simple element. Device 0 is
// the default mixer, device n the n-th sound card. Other lines are absent.
class AlsaMixerBackend final : public MixerBackend {
  public:
    AlsaMixerBackend() = default;
    ~AlsaMixerBackend() override;
    AlsaMixerBackend(const AlsaMixerBackend&) = delete;
    AlsaMixerBackend& operator=(const AlsaMixerBackend&) = delete;

    int DeviceCount() override;
    bool Open(int device) override;
    int Close() override;
    std::optional<MixerControl> FindControl(MixerLine line, MixerControlKind kind) override;
    std::optional<int64_t> GetValue(const MixerControl& control) override;
    bool SetValue(const MixerControl& control, int64_t value) override;

  private:
    _snd_mixer_elem* Master(MixerLine line);

    _snd_mixer* handle_ = nullptr;
    _snd_mixer_elem* master_ = nullptr;
};
