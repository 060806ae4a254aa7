#pragma once

#include <cstdint>
#include <vector>

// The two teams' points in the left corners of the table: two small score cards, one
// partly over the other so that the pips showing count the points, or a numeral.
namespace Video {

// The marker styles of Opts1 bits 4-5.
inline constexpr int32_t kSixesAndFours = 0x00;
inline constexpr int32_t kFives = 0x10;
inline constexpr int32_t kNumerals = 0x20;
inline constexpr int32_t kTwosAndThrees = 0x30;

// A score card as a corner draws it: pixel place, picture index and orientation
// (0 upright, 1 turned 25 degrees, 2 turned 90 degrees).
struct ScoreCardSpot {
    int32_t x = 0;
    int32_t y = 0;
    int32_t index = 0;
    int32_t orientation = 0;

    bool operator==(const ScoreCardSpot&) const = default;
};

// The cards of a corner showing points (above 10 taken as 10) in a style, first card
// first, at the current card sizes and scale; none in the numerals style.
std::vector<ScoreCardSpot> ScoreCornerCards(bool top, int32_t style, int32_t points);

// Seats 1 and 3 in the top-left corner, seats 0 and 2 in the bottom-left one.
void DrawTopScore();
void DrawBottomScore();

}  // namespace Video
