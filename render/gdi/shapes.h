#pragma once

#include <cstdint>
#include <optional>

#include "render/gdi/surface.h"

// The drawing methods of a form or picture box, without smoothing.
namespace Gdi {

// Line (x1, y1)-(x2, y2), colour, BF: a filled box covering both corners.
void FillBox(Surface& dest, int x1, int y1, int x2, int y2, int32_t color);

// Line (x1, y1)-(x2, y2), colour with a pen of penWidth pixels.
void DrawLine(Surface& dest, int x1, int y1, int x2, int y2, int32_t color, int penWidth = 1);

// Circle (x, y), radius, colour, start, end, aspect. Angles are radians counted
// counter-clockwise from 3 o'clock; a negative angle also draws the radius to it.
// The aspect is height to width: above 1 the radius is the vertical one.
struct Arc {
    std::optional<double> start;
    std::optional<double> end;
    double aspect = 1.0;
};
void Circle(Surface& dest, double x, double y, double radius, int32_t color, const Arc& arc = {},
            int penWidth = 1);

}  // namespace Gdi
