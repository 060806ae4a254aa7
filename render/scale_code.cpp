#include "render/scale_code.h"

#include <array>
#include <cmath>

#include "engine/model/state/run_flags.h"

namespace KavlorMain {
namespace {
constexpr std::array<float, 5> kFactorOfCode{0.0f, 1.0f, 1.2f, 1.5f, 1.9f};
}  // namespace

int32_t ScaleCode() {
    return GetField(flags.Stat1, Stat1Bits::ScaleCode);
}

void SetScaleCode(int32_t code) {
    SetField(flags.Stat1, Stat1Bits::ScaleCode, code);
}

int32_t ScaleCodeOf(float factor) {
    // One decimal as the settings file writes it: halves go up.
    const double tenths = std::floor(static_cast<double>(factor) * 10.0 + 0.5);
    if (tenths == 10.0) return 1;
    if (tenths == 12.0) return 2;
    if (tenths == 15.0) return 3;
    if (tenths == 19.0) return 4;
    return 0;
}

float ScaleFactorOfCode(int32_t code) {
    if (code < 0 || code >= static_cast<int32_t>(kFactorOfCode.size())) return 0.0f;
    return kFactorOfCode[code];
}

}  // namespace KavlorMain
