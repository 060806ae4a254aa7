#pragma once

#include <cstdint>
#include <span>

// Colours are Windows colour numbers: red + 256 × green + 65536 × blue.

namespace Misc {

int32_t ColorComponent(int32_t color, int n);
int32_t LightenColor(int32_t color);
int32_t ColorDistance(int32_t color1, int32_t color2);
int32_t Quantize16(int32_t component);
int32_t RandomColor();
// A random colour theme: Spot, Text, Background, CardBack and NinePointColor.
void RandomizeColors();
// The ten-colour palette of the table texts; 0 outside 0-9.
int32_t PaletteColor(int index);
int32_t InvertColor(int32_t color);
// The classic sixteen colours, index 0-15.
int32_t ClassicColor(int index);
void SetNinePointWords();
int32_t MinOfArray(std::span<const int32_t> values);

constexpr int32_t Rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

}  // namespace Misc
