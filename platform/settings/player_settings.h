#pragma once

#include <array>
#include <cstdint>
#include <string>

// The settings in effect: one player profile's option words, colours, speed,
// volumes, media files and names, plus the few run-time values kept beside them.
struct PlayerSettings {
    std::array<std::string, 8> PlayerNames{};

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
