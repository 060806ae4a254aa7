#include "platform/sound/sound_system.h"

#include "platform/atomic_file.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "platform/sound/media_length.h"

namespace {

// The synthesizer would sit silently on a broken tune and never end it, holding up the
// playlist: such a tune is refused like one that cannot be opened.
bool IsBrokenMidi(const std::string& path) {
    std::string bytes;
    return ReadWholeFile(path, bytes) && MediaLength::Sniff(bytes) == MediaLength::Format::Midi &&
           !MediaLength::MidiMs(bytes);
}

}  // namespace

SoundSystem::SoundSystem()
    : sound_(std::make_unique<NullSoundBackend>()), mixer_(std::make_unique<NullMixerBackend>()) {
    soundTimes_.fill(-1);
}

SoundSystem::~SoundSystem() = default;

void SoundSystem::InstallBackends(std::unique_ptr<SoundBackend> sound,
                                  std::unique_ptr<MixerBackend> mixer) {
    CloseMixer();
    // The mixer may speak to the old sound backend: it goes first.
    mixer_ = std::move(mixer);
    sound_ = std::move(sound);
}

void SoundSystem::Release() {
    InstallBackends(std::make_unique<NullSoundBackend>(), std::make_unique<NullMixerBackend>());
}

bool SoundSystem::HasSoundCard() {
    return sound_->HasDevice();
}

void SoundSystem::Play(Voice voice, const std::string& file) {
    if (file.empty()) return;
    sound_->Stop(voice);
    const std::string found = APIs::FindIgnoringCase(file);
    if (!APIs::FileExists(found)) return;
    const std::string path = APIs::ShortPath(found);
    std::string error;
    if (voice == Voice::Midi && IsBrokenMidi(path)) {
        ShowMciError("The file is not a valid MIDI file.");
        return;
    }
    if (!sound_->Play(voice, path, error)) {
        sound_->Stop(voice);
        ShowMciError(error);
    }
}

void SoundSystem::ShowMciError(const std::string& text) {
    MsgBox(text, vbCritical, "Sound Error");
}

void SoundSystem::PlayWave(const std::string& file) {
    Play(Voice::Wave, file);
}
void SoundSystem::PlayMidi(const std::string& file) {
    Play(Voice::Midi, file);
}
void SoundSystem::PlayMp3(const std::string& file) {
    Play(Voice::Mp3, file);
}

void SoundSystem::StopWave() {
    sound_->Stop(Voice::Wave);
}
void SoundSystem::StopMidi() {
    sound_->Stop(Voice::Midi);
}
void SoundSystem::StopMp3() {
    sound_->Stop(Voice::Mp3);
}

void SoundSystem::StopAll() {
    StopWave();
    StopMidi();
    StopMp3();
}

bool SoundSystem::IsMidiPlaying() {
    return sound_->IsPlaying(Voice::Midi);
}
bool SoundSystem::IsMp3Playing() {
    return sound_->IsPlaying(Voice::Mp3);
}
