#pragma once

#include <QPointF>
#include <array>

#include "render/gdi/surface.h"

namespace Gdi {

// Copies the source rectangle onto the parallelogram whose corners are the images of the
// source's upper-left, upper-right and lower-left corners. Each destination pixel takes
// the source pixel under its centre (no smoothing); pixels outside stay untouched.
void PlgBlt(Surface& dest, const std::array<QPointF, 3>& corners, const Surface& src, int srcX,
            int srcY, int width, int height);

// The quarter and half turns of a whole picture, pixel exact.
Surface TurnClockwise(const Surface& src);
Surface TurnCounterClockwise(const Surface& src);
Surface TurnHalf(const Surface& src);

}  // namespace Gdi
