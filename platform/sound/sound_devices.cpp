#include "platform/sound/sound_devices.h"

#include "platform/sound/alsa_mixer_backend.h"
#include "platform/sound/channel_lines_mixer.h"
#include "platform/sound/sdl_sound_backend.h"

void InstallSystemSound(SoundSystem& player) {
    std::unique_ptr<SoundBackend> sound = SdlSoundBackend::Open();
    if (!sound) sound = std::make_unique<NullSoundBackend>();
    auto mixer = std::make_unique<ChannelLinesMixer>(std::make_unique<AlsaMixerBackend>(), *sound);
    player.InstallBackends(std::move(sound), std::move(mixer));
}
