#pragma once

#include <cstdint>
#include <string_view>

class Surface;

// A rectangle in pixels: left and top inside, right and bottom just outside.
struct TextRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool operator==(const TextRect&) const = default;
};

// Where the last two texts were drawn; the table erases messages by them.
struct DrawnTextRects {
    TextRect LastTextRect;
    TextRect PrevTextRect;

    bool operator==(const DrawnTextRects&) const = default;
};

inline DrawnTextRects drawnText;

namespace APIs {

// Alignment of a text on its x: left edge, right edge or centre.
enum TextAlign : int32_t { kAlignLeft = 0, kAlignRight = 1, kAlignCentre = 2 };

// The colour a text is drawn in: 0 is the Text colour, a negative colour the palette
// colour of its absolute value, any other colour itself.
int32_t ResolveTextColor(int32_t color);

// Draws one line of text with a transparent background at (x, y) in the given face,
// size in points, alignment and angle in degrees (counter-clockwise; at 90 the text
// runs upward). Colour 0 is the Text colour, a negative colour a palette index.
// Sizes above FontSize6 are bold. Keeps the rectangle in drawnText.
void DrawTextFont(Surface& dc, std::string_view text, int32_t x, int32_t y, int32_t size,
                  int32_t align, std::string_view face, int32_t angle, int32_t color);

}  // namespace APIs
