#pragma once

#include <array>
#include <cstdint>

// Where the table's boxes and answer buttons stand, computed from the scale and the
// card sizes when the main window is first laid out.
struct BoxRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    bool operator==(const BoxRect&) const = default;
};

struct SpotPoint {
    int32_t x = 0;
    int32_t y = 0;

    bool operator==(const SpotPoint&) const = default;
};

struct TableGeometry {
    int32_t ChoiceTop = 0;
    int32_t ChoiceBottom = 0;
    int32_t ChoiceWidth = 0;
    int32_t CancelWidth = 0;
    int32_t ReviewTop = 0;
    std::array<int32_t, 6> ChoiceLefts{};
    // Entries 0-3 the seats' cards in the trick box; the rest kept for the drawing.
    std::array<SpotPoint, 8> TrickSpots{};
    int32_t TrickBoxLeft = 0;
    int32_t TrickBoxTop = 0;
    int32_t TrickBoxWidth = 0;
    int32_t TrickBoxHeight = 0;
    int32_t HandBoxLeft = 0;
    int32_t HandBoxTop = 0;
    int32_t HandBoxWidth = 0;
    int32_t HandOriginX = 0;
    int32_t HandOriginY = 0;

    bool operator==(const TableGeometry&) const = default;
};

inline TableGeometry tableGeometry;

// Card and trick-card sizes in pixels at the resolution the layout uses.
struct CardPixelSizes {
    int CardWidth = 0;
    int CardHeight = 0;
    int TrickWidth = 0;
    int TrickHeight = 0;
};

// The whole table laid out: the boxes PicB(0-7), the buttons Choice(0-5) with their
// font size, and the recorded geometry.
struct TableLayout {
    std::array<BoxRect, 8> PicB{};
    std::array<BoxRect, 6> Choice{};
    int ChoiceFontSize = 0;
    TableGeometry Geometry;
};

namespace FormFunctions {
// The sizes of the built-in card images at a resolution 1-4.
CardPixelSizes DesignCardSizes(int resolution);
// The layout for ScaleFactor s, band, BandWidth and the option words in effect.
TableLayout LayOutTable(float s, int32_t band, int32_t bandWidth, const CardPixelSizes& cards,
                        int32_t opts1, int32_t opts4);
// LayOutTable for the current scale and settings; also records tableGeometry.
TableLayout LayOutCurrentTable();
// The small random displacement of a card laid on the table, -(range / 2) to about
// range / 2 (range 0 or below: 7); flags bit 0 doubles it at the scale, bit 1 makes it
// non-negative. Zero while the cards are to be aligned.
void RandomCardOffset(int32_t& dx, int32_t& dy, int32_t flags, int32_t range);
}  // namespace FormFunctions
