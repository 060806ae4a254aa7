#pragma once

#include <array>
#include <cstdint>

// The forty counters, for this run and for all of the profile's sessions.
struct Statistics {
    std::array<int32_t, 40> SessionStats{};
    std::array<int32_t, 40> AllSessionStats{};

    bool operator==(const Statistics&) const = default;
};

inline Statistics stats;
