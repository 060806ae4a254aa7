#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The text form of a profile's forty statistics counters, key "Stats": upper-case
// hexadecimal numbers separated by one blank.
using StatsCounters = std::array<int32_t, 40>;

namespace Misc {
std::string StatsText(const StatsCounters& counters);
// Reads a record into counters. A record with more than 50 blanks is the older
// 52-number layout; counters it has no field for read as 0, as do missing fields.
void ReadStatsRecord(std::string_view text, StatsCounters& counters);
// ReadStatsRecord of the key "Stats" of a profile's section.
void LoadStats(std::string_view profile, StatsCounters& counters);
// " (" + the rounded percentage + "%)", or " (0%)" when total is not above 0.
std::string PercentText(double part, double total);
}  // namespace Misc
