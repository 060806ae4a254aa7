#include "platform/settings/stats_record.h"

#include <cmath>
#include <cstdio>

#include "platform/files.h"
#include "platform/ini/settings_file.h"
#include "platform/packed_fields.h"

namespace {

constexpr int kOlderLayoutBlanks = 50;

struct OldRange {
    int firstOld;
    int lastOld;
    int firstNew;
};

// Where the fields of the older layout went; the ones not listed were dropped.
constexpr std::array<OldRange, 7> kOlderLayout{{
    {0, 2, 0},
    {3, 3, 4},
    {4, 4, 6},
    {5, 12, 7},
    {19, 25, 15},
    {32, 38, 22},
    {45, 51, 29},
}};

// Field n of a blank-separated record; a field the record does not have reads 0.
int32_t Field(std::string_view text, int n, int blanks) {
    if (n > blanks) return 0;
    return Misc::HexField(text, n, " ");
}

}  // namespace

std::string Misc::StatsText(const StatsCounters& counters) {
    std::string text;
    for (size_t i = 0; i < counters.size(); ++i) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%X", static_cast<uint32_t>(counters[i]));
        if (i > 0) text += ' ';
        text += digits;
    }
    return text;
}

void Misc::ReadStatsRecord(std::string_view text, StatsCounters& counters) {
    const int blanks = APIs::CountOccurrences(text, " ");
    counters.fill(0);
    if (blanks > kOlderLayoutBlanks) {
        for (const auto& range : kOlderLayout) {
            for (int old = range.firstOld; old <= range.lastOld; ++old) {
                counters[static_cast<size_t>(range.firstNew + old - range.firstOld)] =
                    Field(text, old, blanks);
            }
        }
        return;
    }
    for (size_t i = 0; i < counters.size(); ++i) {
        counters[i] = Field(text, static_cast<int>(i), blanks);
    }
}

void Misc::LoadStats(std::string_view profile, StatsCounters& counters) {
    ReadStatsRecord(APIs::ReadIni(profile, "Stats", ""), counters);
}

std::string Misc::PercentText(double part, double total) {
    if (!(total > 0)) return " (0%)";
    const double n = std::floor(part / total * 100 + 0.5);
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.0f", n);
    return std::string(" (") + digits + "%)";
}
