#include "platform/sound/channel_lines_mixer.h"

#include <algorithm>

ChannelLinesMixer::ChannelLinesMixer(std::unique_ptr<MixerBackend> system, SoundBackend& sound)
    : system_(std::move(system)), sound_(sound) {}

bool ChannelLinesMixer::IsOwn(MixerLine line) {
    return line == MixerLine::WaveOut || line == MixerLine::Synthesizer;
}

ChannelLinesMixer::OwnLine& ChannelLinesMixer::Own(MixerLine line) {
    return line == MixerLine::WaveOut ? wave_ : synth_;
}

std::optional<MixerControl> ChannelLinesMixer::FindControl(MixerLine line, MixerControlKind kind) {
    if (!IsOwn(line)) return system_->FindControl(line, kind);
    return MixerControl{true, line, kind, 0, kind == MixerControlKind::Volume ? 100 : 1};
}

std::optional<int64_t> ChannelLinesMixer::GetValue(const MixerControl& control) {
    if (!IsOwn(control.line)) return system_->GetValue(control);
    const OwnLine& own = Own(control.line);
    return control.kind == MixerControlKind::Volume ? own.volume : int64_t(own.muted);
}

bool ChannelLinesMixer::SetValue(const MixerControl& control, int64_t value) {
    if (!IsOwn(control.line)) return system_->SetValue(control, value);
    OwnLine& own = Own(control.line);
    if (control.kind == MixerControlKind::Volume) {
        own.volume = std::clamp<int64_t>(value, 0, 100);
    } else {
        own.muted = value != 0;
    }
    Apply(control.line);
    return true;
}

void ChannelLinesMixer::Apply(MixerLine line) {
    const OwnLine& own = Own(line);
    const int percent = own.muted ? 0 : int(own.volume);
    if (line == MixerLine::WaveOut) {
        // MP3s play through the wave line, as event sounds do.
        sound_.SetVolume(Voice::Wave, percent);
        sound_.SetVolume(Voice::Mp3, percent);
    } else {
        sound_.SetVolume(Voice::Midi, percent);
    }
}
