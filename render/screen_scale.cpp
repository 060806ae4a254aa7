#include "render/screen_scale.h"

#include <array>
#include <cmath>

#include "engine/model/state/tables.h"
#include "platform/message_boxes.h"

namespace KavlorMain {
namespace {

struct Band {
    float low;
    float high;
    std::array<int32_t, 7> fontSizes;
    int32_t height;
    int32_t width;
};

constexpr std::array<Band, 4> kBands{{
    {0.0f, 1.18f, {20, 16, 14, 12, 10, 8, 6}, 550, 793},
    {1.19f, 1.48f, {23, 18, 15, 13, 11, 9, 7}, 670, 952},
    {1.49f, 1.88f, {26, 21, 18, 14, 12, 11, 8}, 840, 1190},
    {1.89f, 10.0f, {28, 23, 19, 15, 12, 10, 8}, 1050, 1510},
}};

constexpr std::array<float, 4> kAllowedFactors{1.0f, 1.2f, 1.5f, 1.9f};
constexpr int kScreenTooSmallMessage = 119;

int BandOf(float factor) {
    for (int band = 0; band < static_cast<int>(kBands.size()); ++band) {
        if (factor >= kBands[band].low && factor <= kBands[band].high) return band;
    }
    return -1;
}

// A factor between two bands or above the last one would leave the band values of
// another scale in place; it takes the nearest factor the table is drawn at instead.
float NearestAllowedFactor(float factor) {
    float nearest = kAllowedFactors.front();
    for (float allowed : kAllowedFactors) {
        if (std::fabs(allowed - factor) < std::fabs(nearest - factor)) nearest = allowed;
    }
    return nearest;
}

int32_t Rounded(double value) {
    return static_cast<int32_t>(std::nearbyint(value));
}

// 96 dpi gives 1.15; denser screens shrink the points, but less than in proportion.
float FontCorrection(int32_t dpi) {
    float k = 96.0f / static_cast<float>(dpi > 0 ? dpi : 96);
    if (k < 1.0f) k = static_cast<float>(k * 1.1);
    return static_cast<float>(k * 1.15);
}

void ApplyBand(int band, int32_t dpi) {
    const Band& b = kBands[band];
    const double k = FontCorrection(dpi);
    std::array<int32_t*, 7> sizes{&scale.FontSize1, &scale.FontSize2, &scale.FontSize3,
                                  &scale.FontSize4, &scale.FontSize5, &scale.FontSize6,
                                  &scale.FontSize7};
    for (size_t i = 0; i < sizes.size(); ++i) *sizes[i] = Rounded(b.fontSizes[i] * k);
    scale.ScaleBand = band;
    scale.BandHeight = b.height;
    scale.BandWidth = b.width;
}

}  // namespace

float MaxDisplayScaleFor(int32_t w, int32_t h) {
    if (w < 790 || h < 590) return 0.0f;
    if (w <= 810) return 1.0f;
    if (w >= 1012 && w <= 1048) return h >= 720 ? 1.2f : 1.0f;
    if (w >= 1270 && w <= 1410) return h >= 1020 ? 1.5f : 1.2f;
    if (w <= 1590) return 1.0f;
    return h >= 1165 ? 1.9f : 1.5f;
}

float GetMaxDisplayScale() {
    const ScreenMetrics screen = APIs::CurrentScreen();
    return MaxDisplayScaleFor(screen.Width, screen.Height);
}

bool ApplyDisplayScale() {
    return ApplyDisplayScaleOn(APIs::CurrentScreen());
}

bool ApplyDisplayScaleOn(const ScreenMetrics& screen) {
    const float largest = MaxDisplayScaleFor(screen.Width, screen.Height);
    if (largest == 0.0f) {
        MsgBox(tables.MessageTable[kScreenTooSmallMessage], vbOKOnly);
        return false;
    }
    // Below 1.0 (0 in particular) means automatic; so does a factor that is no number.
    if (!(scale.ScaleFactor >= 1.0f)) scale.ScaleFactor = largest;

    int band = BandOf(scale.ScaleFactor);
    if (band < 0) {
        scale.ScaleFactor = NearestAllowedFactor(scale.ScaleFactor);
        band = BandOf(scale.ScaleFactor);
    }
    ApplyBand(band, screen.DpiX);

    scale.TableWidthTwips = Rounded(screen.TwipsPerPixelX() * 800.0f * scale.ScaleFactor);
    scale.TableHeightTwips = Rounded(screen.TwipsPerPixelY() * 600.0f * scale.ScaleFactor);
    return true;
}

}  // namespace KavlorMain
