#pragma once

#include <cstdint>

// The desktop as the table's layout sees it: its size in pixels and its logical
// pixels per inch.
struct ScreenMetrics {
    int32_t Width = 800;
    int32_t Height = 600;
    int32_t DpiX = 96;
    int32_t DpiY = 96;

    float TwipsPerPixelX() const { return TwipsPerPixel(DpiX); }
    float TwipsPerPixelY() const { return TwipsPerPixel(DpiY); }
    static float TwipsPerPixel(int32_t dpi) {
        return 1440.0f / static_cast<float>(dpi > 0 ? dpi : 96);
    }

    bool operator==(const ScreenMetrics&) const = default;
};

namespace APIs {
// The primary screen now; the defaults above when there is none.
ScreenMetrics CurrentScreen();
// Logical pixels per inch across the desktop.
int32_t ScreenDpi();
// Bits per pixel of the display, 8 when unknown.
int32_t ColorDepth();
}  // namespace APIs
