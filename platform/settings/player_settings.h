#pragma once

#include <array>
#include <cstdint>
#include <string>

// The names the computer players carry until a profile names them itself.
inline constexpr std::array<const char*, 3> kDefaultComputerNames{"Wes", "Nora", "Ed"};

inline constexpr int kSoundEvents = 32;
inline constexpr int kMusicSlots = 30;
// Offsets of the banks in SoundFiles and MusicFiles: current 1-n, last applied, defaults.
inline constexpr int kSoundLastApplied = 32;
inline constexpr int kSoundDefaults = 64;
inline constexpr int kMusicLastApplied = 30;
inline constexpr int kMusicDefaults = 60;

// The settings in effect: one player profile's option words, colours, speed,
// volumes, media files and names, plus the few run-time values kept beside them.
// A default-constructed value holds the defaults of a new profile.
struct PlayerSettings {
    // [0] the profile's name, [1]-[3] the computer players of seats 1-3.
    std::array<std::string, 8> PlayerNames{"Guest", kDefaultComputerNames[0],
                                           kDefaultComputerNames[1], kDefaultComputerNames[2]};

    int32_t Opts1 = 0;
    int32_t Opts2 = 4096;
    int32_t Opts3 = 2;
    int32_t Opts4 = 0;
    int32_t Development0 = 0;

    int32_t Background = 15970399;
    int32_t Text = 0;
    int32_t Spot = 8380970;
    int32_t CardBack = 3;
    int32_t NinePointColor = 0;
    int32_t NinePointCode = 0;
    std::array<std::string, 3> NinePointWords{};

    float Delay = 0.25f;
    // The speed the player chose; Delay differs from it while the fast demonstration runs.
    float SavedDelay = 0.25f;
    int32_t Slow = 30;
    int32_t Kind = 21845;
    int32_t Partner = 0;
    int32_t Volumes = 33554432;
    int32_t Music = 2147483647;

    std::string Faces;
    std::string Benny;
    std::string Deck;

    // Entries 1-32 current, 33-64 last applied, 65-96 defaults.
    std::array<std::string, 97> SoundFiles{};
    // Entries 1-30 current, 31-60 last applied, 61-90 defaults.
    std::array<std::string, 91> MusicFiles{};

    bool SoundOn = false;
    // Bits per pixel of the display.
    int32_t ColorBits = 32;

    bool operator==(const PlayerSettings&) const = default;
};

inline PlayerSettings settings;

namespace OptBits {
// Opts1
inline constexpr int32_t kRandomColorsEachGame = 1 << 19;
inline constexpr int32_t kNoSaveAtExit = 1 << 11;
}  // namespace OptBits
