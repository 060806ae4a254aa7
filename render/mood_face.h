#pragma once

#include <cstdint>
#include <string_view>

class Surface;

// The window a face is drawn on: its surface, and the caption and background colour
// that decide the colour of the disc.
struct FaceWindow {
    Surface& dc;
    std::string_view caption;
    int32_t backColor = 0;
};

// The smiling face of a team at ten points, and the moods of the statistics window.
namespace Video {
// Centred at (x, y); mood 0-4, 4 the happiest; size is the face's scale, 0 or below
// the table's scale.
void DrawMoodFace(int32_t x, int32_t y, int32_t mood, const FaceWindow& window, float size);
void DrawMoodFaceBase(int32_t x, int32_t y, const FaceWindow& window, float k);
// The eyes of moods 0-3.
void DrawMoodFaceEyes(int32_t x, int32_t y, const FaceWindow& window, float k);
}  // namespace Video
