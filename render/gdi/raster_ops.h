#pragma once

#include <cstdint>

#include "render/gdi/surface.h"

// Block transfers with the raster operations the table uses. Rectangles are clipped
// to both pictures; a null picture takes part in nothing.
namespace Gdi {

enum class Rop {
    SrcCopy,    // dest = src
    SrcAnd,     // dest = dest AND src
    SrcPaint,   // dest = dest OR src
    SrcInvert,  // dest = dest XOR src
};

void BitBlt(Surface& dest, int x, int y, int width, int height, const Surface& src, int srcX,
            int srcY, Rop rop = Rop::SrcCopy);

// Nearest-neighbour stretch copy: dest pixel (i, j) takes the source pixel under its
// centre. Mirrored copies (negative sizes) are not needed by the table.
void StretchBlt(Surface& dest, int x, int y, int width, int height, const Surface& src, int srcX,
                int srcY, int srcWidth, int srcHeight);

// What copying a colour picture into a monochrome one does: white where the source has
// the background colour, black elsewhere.
Surface MonochromeFrom(const Surface& src, int32_t backgroundColor);

// Inverts every pixel of [left, right) x [top, bottom).
void InvertRect(Surface& dest, int left, int top, int right, int bottom);

}  // namespace Gdi
