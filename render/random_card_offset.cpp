#include <cmath>
#include <cstdlib>

#include "platform/random_source.h"
#include "platform/settings/player_settings.h"
#include "render/screen_scale.h"
#include "render/table_geometry.h"

namespace {
constexpr int32_t kAlignCards = 1 << 25;
constexpr int32_t kDefaultRange = 7;
}  // namespace

void FormFunctions::RandomCardOffset(int32_t& dx, int32_t& dy, int32_t flags, int32_t range) {
    dx = 0;
    dy = 0;
    if (settings.Opts1 & kAlignCards) return;
    const int32_t n = range > 0 ? range : kDefaultRange;
    const int32_t half = n / 2;
    dx = static_cast<int32_t>(std::floor(Rnd() * n)) - half;
    dy = static_cast<int32_t>(std::floor(Rnd() * n)) - half;
    if (flags & 1) {
        dx = static_cast<int32_t>(std::nearbyint(dx * scale.ScaleFactor * 2.0));
        dy = static_cast<int32_t>(std::nearbyint(dy * scale.ScaleFactor * 2.0));
    }
    if (flags & 2) {
        dx = std::abs(dx);
        dy = std::abs(dy);
    }
}
