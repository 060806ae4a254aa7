#pragma once

#include <functional>

// The settings keep the chosen screen scale; the scale itself belongs to the table
// layout, which links itself here at start-up. Unlinked, the scale is a plain
// value and the largest scale the screen allows is 1.0.
namespace KavlorMain {

struct DisplayScaleLink {
    std::function<double()> Current;
    std::function<void(double)> Set;
    // The largest scale the screen allows; 0 when the screen is too small.
    std::function<double()> Largest;
};

void LinkDisplayScale(DisplayScaleLink link);
// Back to the plain value of 1.0.
void UnlinkDisplayScale();
const DisplayScaleLink& LinkedDisplayScale();

}  // namespace KavlorMain
