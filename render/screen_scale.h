#pragma once

#include <cstdint>

#include "platform/screen.h"

// The table's scale: every position on the 800 × 600 base table is a base value times
// ScaleFactor. The band of the factor gives the card resolution and the font sizes.
struct ScreenScale {
    // 1.0, 1.2, 1.5 or 1.9; 0 asks for the largest factor the screen allows.
    float ScaleFactor = 0.0f;
    int32_t ScaleBand = 0;
    // Point sizes of the table texts, largest first.
    int32_t FontSize1 = 0;
    int32_t FontSize2 = 0;
    int32_t FontSize3 = 0;
    int32_t FontSize4 = 0;
    int32_t FontSize5 = 0;
    int32_t FontSize6 = 0;
    int32_t FontSize7 = 0;
    // The right-hand and bottom references of the table in pixels.
    int32_t BandHeight = 0;
    int32_t BandWidth = 0;
    int32_t TableWidthTwips = 0;
    int32_t TableHeightTwips = 0;

    bool operator==(const ScreenScale&) const = default;
};

inline ScreenScale scale;

namespace KavlorMain {

// The largest factor a screen of that many pixels allows; 0 when it is too small.
float MaxDisplayScaleFor(int32_t width, int32_t height);
float GetMaxDisplayScale();

// Fixes ScaleFactor for the screen and sets the band, the font sizes and the table's
// size in twips. On a screen too small for the table it shows message 119 and returns
// false: the caller ends the program.
bool ApplyDisplayScale();
bool ApplyDisplayScaleOn(const ScreenMetrics& screen);

}  // namespace KavlorMain
