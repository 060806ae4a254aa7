#include "platform/sound/alsa_mixer_backend.h"

#include <alsa/asoundlib.h>

#include <string>

namespace {

// A machine without a card is normal here; ALSA would say so on standard error.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

int CardCount() {
    int count = 0;
    for (int card = -1; snd_card_next(&card) == 0 && card >= 0;) ++count;
    return count;
}

std::string DeviceName(int device) {
    return device == 0 ? "default" : "hw:" + std::to_string(device - 1);
}

}  // namespace

AlsaMixerBackend::~AlsaMixerBackend() {
    Close();
}

int AlsaMixerBackend::DeviceCount() {
    return 1 + CardCount();
}

bool AlsaMixerBackend::Open(int device) {
    Close();
    snd_lib_error_set_handler(IgnoreAlsaError);
    snd_mixer_t* handle = nullptr;
    if (snd_mixer_open(&handle, 0) < 0) return false;
    const std::string name = DeviceName(device);
    if (snd_mixer_attach(handle, name.c_str()) < 0 ||
        snd_mixer_selem_register(handle, nullptr, nullptr) < 0 || snd_mixer_load(handle) < 0) {
        snd_mixer_close(handle);
        return false;
    }
    handle_ = handle;
    snd_mixer_selem_id_t* id = nullptr;
    snd_mixer_selem_id_alloca(&id);
    snd_mixer_selem_id_set_index(id, 0);
    snd_mixer_selem_id_set_name(id, "Master");
    master_ = snd_mixer_find_selem(handle_, id);
    return true;
}

int AlsaMixerBackend::Close() {
    if (!handle_) return 0;
    const int result = snd_mixer_close(handle_);
    handle_ = nullptr;
    master_ = nullptr;
    return result < 0 ? -result : 0;
}

snd_mixer_elem_t* AlsaMixerBackend::Master(MixerLine line) {
    if (line != MixerLine::Speakers || !handle_) return nullptr;
    // Picks up changes other programs made since the last look.
    snd_mixer_handle_events(handle_);
    return master_;
}

std::optional<MixerControl> AlsaMixerBackend::FindControl(MixerLine line, MixerControlKind kind) {
    snd_mixer_elem_t* elem = Master(line);
    if (!elem) return std::nullopt;
    if (kind == MixerControlKind::Mute) {
        if (!snd_mixer_selem_has_playback_switch(elem)) return std::nullopt;
        return MixerControl{true, line, kind, 0, 1};
    }
    long low = 0, high = 0;
    if (!snd_mixer_selem_has_playback_volume(elem) ||
        snd_mixer_selem_get_playback_volume_range(elem, &low, &high) < 0) {
        return std::nullopt;
    }
    return MixerControl{true, line, kind, low, high};
}

std::optional<int64_t> AlsaMixerBackend::GetValue(const MixerControl& control) {
    snd_mixer_elem_t* elem = Master(control.line);
    if (!elem) return std::nullopt;
    if (control.kind == MixerControlKind::Mute) {
        int on = 0;
        if (snd_mixer_selem_get_playback_switch(elem, SND_MIXER_SCHN_FRONT_LEFT, &on) < 0) {
            return std::nullopt;
        }
        return on ? 0 : 1;  // a mute control is the inverse of ALSA's playback switch
    }
    long value = 0;
    if (snd_mixer_selem_get_playback_volume(elem, SND_MIXER_SCHN_FRONT_LEFT, &value) < 0) {
        return std::nullopt;
    }
    return value;
}

bool AlsaMixerBackend::SetValue(const MixerControl& control, int64_t value) {
    snd_mixer_elem_t* elem = Master(control.line);
    if (!elem) return false;
    if (control.kind == MixerControlKind::Mute) {
        return snd_mixer_selem_set_playback_switch_all(elem, value ? 0 : 1) == 0;
    }
    return snd_mixer_selem_set_playback_volume_all(elem, long(value)) == 0;
}
