#include <algorithm>

#include "platform/packed_fields.h"
#include "platform/sound/mixer_scale.h"
#include "platform/sound/sound_system.h"

namespace {

constexpr int32_t kKeepSystemVolumes = 1 << 24;
constexpr int32_t kVolumesNeverSet = 1 << 25;

MixerLine LineOf(int control) {
    return MixerLine(control % 7);
}
MixerControlKind KindOf(int control) {
    return control < 7 ? MixerControlKind::Volume : MixerControlKind::Mute;
}

}  // namespace

MixerControl SoundSystem::GetMixerControl(MixerLine line, MixerControlKind kind) {
    // A control the mixer lacks stays an empty record; using it fails quietly.
    return mixer_->FindControl(line, kind).value_or(MixerControl{});
}

std::optional<int64_t> SoundSystem::GetControlValue(const MixerControl& control) {
    return mixer_->GetValue(control);
}

bool SoundSystem::SetControlValue(const MixerControl& control, int64_t raw) {
    return mixer_->SetValue(control, raw);
}

const MixerControl* SoundSystem::Control(int index) const {
    if (!mixerOpen_ || index < 0 || index >= kControlCount) return nullptr;
    const MixerControl& control = controls_[size_t(index)];
    return control.present ? &control : nullptr;
}

bool SoundSystem::OpenMixer(int device) {
    if (device < 0 || device > mixer_->DeviceCount() - 1 || !mixer_->Open(device)) {
        mixerOpen_ = false;
        return false;
    }
    for (int i = 0; i < kControlCount; ++i) {
        controls_[size_t(i)] = GetMixerControl(LineOf(i), KindOf(i));
    }
    mixerOpen_ = true;
    masterChanged_ = midiChanged_ = waveChanged_ = false;
    origMasterVolume_ = GetVolume(kMasterVolume);
    origWaveVolume_ = GetVolume(kWaveVolume);
    origMidiVolume_ = GetVolume(kMidiVolume);
    return true;
}

int SoundSystem::CloseMixer() {
    const int result = mixer_->Close();
    mixerOpen_ = false;
    controls_ = {};
    return result;
}

int32_t SoundSystem::GetVolume(int control) {
    const MixerControl* record = Control(control);
    if (!record) return 0;
    const auto raw = GetControlValue(*record);
    return raw ? MixerScale::ToPercent(*record, *raw) : 0;
}

bool SoundSystem::SetVolume(int control, int32_t value) {
    const MixerControl* record = Control(control);
    if (!record || !SetControlValue(*record, MixerScale::FromPercent(*record, value))) return false;
    if (control == kMasterVolume) masterChanged_ = true;
    if (control == kMidiVolume) midiChanged_ = true;
    if (control == kWaveVolume) waveChanged_ = true;
    return true;
}

bool SoundSystem::SetMute(int control, bool state) {
    const MixerControl* record = Control(control);
    if (!record) return false;
    const int64_t raw = std::clamp<int64_t>(state ? 1 : 0, record->minimum, record->maximum);
    return SetControlValue(*record, raw);
}

bool SoundSystem::GetMute(int control) {
    const MixerControl* record = Control(control);
    if (!record) return false;
    const auto raw = GetControlValue(*record);
    return raw && *raw != 0;
}

void SoundSystem::ApplySavedVolumes(int32_t volumes) {
    if (!mixerOpen_ || (volumes & (kKeepSystemVolumes | kVolumesNeverSet))) return;
    const int32_t master = Misc::GetByte(volumes, 0);
    const int32_t wave = Misc::GetByte(volumes, 1);
    const int32_t midi = Misc::GetByte(volumes, 2);
    SetVolume(kWaveVolume, wave);
    SetVolume(kMidiVolume, midi != 0 ? midi : wave);
    // A master found very low was most likely set so on purpose.
    if (origMasterVolume_ * 10 >= master) SetVolume(kMasterVolume, master);
}

void SoundSystem::RestoreSystemVolumes() {
    if (!mixerOpen_) return;
    if (waveChanged_) SetVolume(kWaveVolume, origWaveVolume_);
    if (midiChanged_) SetVolume(kMidiVolume, origMidiVolume_);
    if (masterChanged_) SetVolume(kMasterVolume, origMasterVolume_);
    masterChanged_ = midiChanged_ = waveChanged_ = false;
}
