#include "platform/sound/sdl_sound_backend.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/files.h"

namespace {

// Debian's General MIDI fonts, the system's choice first.
constexpr std::array<const char*, 3> kSoundFonts{
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf3/default-GM.sf3",
};

void ChooseSoundFont() {
    const char* chosen = std::getenv("SDL_SOUNDFONTS");
    if (chosen && *chosen) return;
    for (const char* font : kSoundFonts) {
        if (APIs::FileExists(font)) {
            Mix_SetSoundFonts(font);
            return;
        }
    }
}

int ToMixVolume(int percent) {
    return std::clamp(percent, 0, 100) * MIX_MAX_VOLUME / 100;
}

std::string LastError(const char* fallback) {
    const char* text = Mix_GetError();
    return text && *text ? std::string(text) : std::string(fallback);
}

}  // namespace

void SdlSoundBackend::ChunkFree::operator()(Mix_Chunk* chunk) const {
    Mix_FreeChunk(chunk);
}
void SdlSoundBackend::MusicFree::operator()(_Mix_Music* music) const {
    Mix_FreeMusic(music);
}

std::unique_ptr<SdlSoundBackend> SdlSoundBackend::Open() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
    ChooseSoundFont();
    Mix_Init(MIX_INIT_MID | MIX_INIT_MP3);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    Mix_AllocateChannels(2);
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    return std::make_unique<SdlSoundBackend>(OpenedDevice{}, frequency, channels,
                                             SDL_AUDIO_BITSIZE(format) / 8);
}

SdlSoundBackend::SdlSoundBackend(OpenedDevice, int frequency, int channels, int bytesPerSample)
    : frequency_(frequency), channels_(channels), bytesPerSample_(bytesPerSample) {}

SdlSoundBackend::~SdlSoundBackend() {
    Stop(Voice::Wave);
    Stop(Voice::Mp3);
    Stop(Voice::Midi);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundBackend::Play(Voice voice, const std::string& file, std::string& error) {
    if (voice == Voice::Midi) {
        midi_.reset(Mix_LoadMUS(file.c_str()));
        if (!midi_ || Mix_PlayMusic(midi_.get(), 0) != 0) {
            error = LastError("The tune cannot be played.");
            midi_.reset();
            return false;
        }
        return true;
    }
    ChunkPtr& chunk = ChunkOf(voice);
    chunk.reset(Mix_LoadWAV(file.c_str()));
    if (!chunk || Mix_PlayChannel(ChannelOf(voice), chunk.get(), 0) < 0) {
        error = LastError("The sound cannot be played.");
        chunk.reset();
        return false;
    }
    return true;
}

void SdlSoundBackend::Stop(Voice voice) {
    if (voice == Voice::Midi) {
        Mix_HaltMusic();
        midi_.reset();
        return;
    }
    Mix_HaltChannel(ChannelOf(voice));
    ChunkOf(voice).reset();
}

bool SdlSoundBackend::IsPlaying(Voice voice) {
    if (voice == Voice::Midi) return midi_ && Mix_PlayingMusic() != 0;
    return ChunkOf(voice) && Mix_Playing(ChannelOf(voice)) != 0;
}

void SdlSoundBackend::SetVolume(Voice voice, int percent) {
    if (voice == Voice::Midi) {
        Mix_VolumeMusic(ToMixVolume(percent));
    } else {
        Mix_Volume(ChannelOf(voice), ToMixVolume(percent));
    }
}

std::optional<double> SdlSoundBackend::DecodedLengthMs(const std::string& file,
                                                       std::string& error) {
    const ChunkPtr decoded(Mix_LoadWAV(file.c_str()));
    const double bytesPerSecond = double(frequency_) * channels_ * bytesPerSample_;
    if (!decoded || bytesPerSecond <= 0) {
        error = LastError("The file cannot be played.");
        return std::nullopt;
    }
    return decoded->alen * 1000.0 / bytesPerSecond;
}
