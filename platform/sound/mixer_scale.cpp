#include "platform/sound/mixer_scale.h"

#include <algorithm>
#include <cmath>

namespace MixerScale {
namespace {

bool ClassicRange(const MixerControl& c) {
    return c.minimum == 0 && c.maximum > 100;
}

}  // namespace

int32_t ToPercent(const MixerControl& c, int64_t raw) {
    if (ClassicRange(c)) return int32_t(std::nearbyint(double(raw) * 100.0 / double(c.maximum)));
    if (c.maximum <= c.minimum) return 0;
    return int32_t(std::nearbyint(double(raw - c.minimum) * 100.0 / double(c.maximum - c.minimum)));
}

int64_t FromPercent(const MixerControl& c, int32_t percent) {
    const int64_t raw =
        ClassicRange(c)
            ? int64_t(percent) * (c.maximum / 100)
            : c.minimum +
                  int64_t(std::nearbyint(double(percent) * double(c.maximum - c.minimum) / 100.0));
    return std::clamp(raw, c.minimum, std::max(c.minimum, c.maximum));
}

}  // namespace MixerScale
