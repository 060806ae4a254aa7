#include "platform/settings/stats_record.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <utility>

#include "platform/atomic_file.h"
#include "support/decimal_comma_locale.h"
#include "support/temp_data_folder.h"

namespace {

std::string Numbers(int count, int first = 1) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += ' ';
        char digits[16];
        std::snprintf(digits, sizeof digits, "%X", first + i);
        text += digits;
    }
    return text;
}

}  // namespace

TEST(StatsRecord, RoundTripsAllFortyCountersNegativesIncluded) {
    StatsCounters counters;
    std::iota(counters.begin(), counters.end(), -20);
    counters[39] = 2147483647;
    counters[0] = -2147483647 - 1;
    const std::string text = Misc::StatsText(counters);
    EXPECT_EQ(text.substr(0, 18), "80000000 FFFFFFED ");
    EXPECT_EQ(text.back(), 'F');
    StatsCounters back{};
    Misc::ReadStatsRecord(text, back);
    EXPECT_EQ(back, counters);
}

TEST(StatsRecord, ShortRecordsReadTheirMissingFieldsAsZero) {
    StatsCounters counters;
    counters.fill(7);
    Misc::ReadStatsRecord("A B C", counters);
    EXPECT_EQ(counters[0], 10);
    EXPECT_EQ(counters[2], 12);
    for (size_t i = 3; i < counters.size(); ++i) EXPECT_EQ(counters[i], 0) << i;

    counters.fill(7);
    Misc::ReadStatsRecord(Numbers(36), counters);
    EXPECT_EQ(counters[35], 36);
    EXPECT_EQ(counters[36], 0);

    counters.fill(7);
    Misc::ReadStatsRecord("", counters);
    EXPECT_EQ(counters, StatsCounters{});
}

TEST(StatsRecord, OlderLayoutIsMappedAndFiftyBlanksIsCurrent) {
    StatsCounters counters;
    counters.fill(7);
    // Old field n holds n: each counter with the old field it comes from, 0 where none.
    Misc::ReadStatsRecord(Numbers(52, 0), counters);
    const std::pair<size_t, int32_t> mapped[] = {{0, 0},   {2, 2},   {3, 0},   {4, 3},   {5, 0},
                                                 {6, 4},   {7, 5},   {14, 12}, {15, 19}, {21, 25},
                                                 {22, 32}, {28, 38}, {29, 45}, {35, 51}};
    for (const auto& [counter, field] : mapped) EXPECT_EQ(counters[counter], field) << counter;
    for (size_t i = 36; i < 40; ++i) EXPECT_EQ(counters[i], 0);

    Misc::ReadStatsRecord(Numbers(51, 0), counters);
    EXPECT_EQ(counters[13], 13);
    EXPECT_EQ(counters[39], 39);
}

TEST(StatsRecord, LoadsTheProfilesKey) {
    TempDataFolder folder;
    ASSERT_TRUE(WriteFileAtomically(paths.IniPath, "[Ann]\nStats=FF 1\n"));
    StatsCounters counters;
    counters.fill(3);
    Misc::LoadStats("Ann", counters);
    EXPECT_EQ(counters[0], 255);
    EXPECT_EQ(counters[1], 1);
    EXPECT_EQ(counters[2], 0);
}

TEST(StatsRecord, PercentText) {
    DecimalCommaLocale comma;
    EXPECT_EQ(Misc::PercentText(1, 3), " (33%)");
    EXPECT_EQ(Misc::PercentText(2, 3), " (67%)");
    EXPECT_EQ(Misc::PercentText(5, 0), " (0%)");
    EXPECT_EQ(Misc::PercentText(1, 8), " (13%)");
}
