#include <cmath>
#include <filesystem>

#include "platform/atomic_file.h"
#include "platform/files.h"
#include "platform/settings/player_settings.h"
#include "platform/sound/media_length.h"
#include "platform/sound/sound_system.h"
#include "platform/text.h"

namespace {

std::string ReadWhole(const std::string& path) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

bool NamesMp3(const std::string& path) {
    return path.size() >= 3 && EqualsIgnoringCase(path.substr(path.size() - 3), "MP3");
}

// Lengths beyond the range of a 32-bit count come only from nonsense headers.
constexpr double kLongestBelievableMs = 2.147483e9;

}  // namespace

int32_t SoundSystem::GetMp3Length(const std::string& path) {
    return int32_t(std::nearbyint(MediaLength::Mp3Ms(ReadWhole(path))));
}

std::optional<double> SoundSystem::MeasureOtherMedia(const std::string& path, std::string& error) {
    const std::string bytes = ReadWhole(path);
    switch (MediaLength::Sniff(bytes)) {
        case MediaLength::Format::Wave:
            if (auto ms = MediaLength::WaveMs(bytes)) return ms;
            error = "The file is not a valid wave file.";
            return std::nullopt;
        case MediaLength::Format::Midi:
            if (auto ms = MediaLength::MidiMs(bytes)) return ms;
            error = "The file is not a valid MIDI file.";
            return std::nullopt;
        case MediaLength::Format::Other:
            break;
    }
    return sound_->DecodedLengthMs(path, error);
}

int32_t SoundSystem::GetWaveTime(const std::string& file) {
    const std::string found = APIs::FindIgnoringCase(file);
    if (!APIs::FileExists(found)) return 0;
    const std::string path = APIs::ShortPath(found);

    if (NamesMp3(path)) {
        const int32_t length = GetMp3Length(path);
        if (length != 0) return length;
        std::error_code ec;
        const auto bytes = std::filesystem::file_size(path, ec);
        // The play time at 192 kbit/s.
        return ec ? 0 : int32_t(std::nearbyint(double(bytes) * 8.0 / 192.0));
    }

    std::string error;
    const auto ms = MeasureOtherMedia(path, error);
    if (!ms) {
        ShowMciError(error);
        return 0;
    }
    if (*ms > kLongestBelievableMs) return 1000;
    return int32_t(std::nearbyint(*ms));
}

void SoundSystem::SetSoundTime(int n) {
    if (n == 0) {
        for (int i = 1; i <= 32; ++i) SetSoundTime(i);
        return;
    }
    if (n < 1 || n > 32) return;
    soundTimes_[size_t(n)] = GetWaveTime(settings.SoundFiles[size_t(n)]);
}

int32_t SoundSystem::GetSoundTime(int n) const {
    // Any bank of SoundFiles can be asked: applied (33-64) and defaults (65-96) fold back.
    if (n > 64 && n <= 96) n -= 64;
    if (n > 32 && n <= 64) n -= 32;
    if (n < 1 || n > 32) return -1;
    return soundTimes_[size_t(n)];
}
