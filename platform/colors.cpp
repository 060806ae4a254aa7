#include "platform/colors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "platform/random_source.h"
#include "platform/rounding.h"
#include "platform/settings/player_settings.h"

namespace {

constexpr std::array<int32_t, 10> kPalette{0,        0xFF0000, 0xFFFF00, 0x8000,   0xFF99CC,
                                           0xCCFFCC, 0xFF00FF, 0xFF,     0xFFFFFF, 0xFFFF};

constexpr std::array<int32_t, 16> kClassic{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

constexpr std::array<std::array<std::string_view, 3>, 5> kNinePointPhrases{{
    {"In", "The", "Barn"},
    {"All", "But", "Over"},
    {"Fat", "Lady", "Sings"},
    {"We're", "Gonna", "Win"},
    {"You're", "Goin'", "Down"},
}};

int32_t RandomComponent() {
    return static_cast<int32_t>(std::floor(Rnd() * 255.0));
}

}  // namespace

int32_t Misc::ColorComponent(int32_t color, int n) {
    switch (n) {
        case 0:
            return color & 255;
        case 1:
            return (color & 65535) / 256;
        case 2:
            return color / 65536;
        default:
            return 0;
    }
}

int32_t Misc::LightenColor(int32_t color) {
    auto lighten = [](int32_t c) {
        if (c > 245) return 190;
        return std::min(255, c >= 20 ? c + 35 : c + 100);
    };
    return Rgb(lighten(ColorComponent(color, 0)), lighten(ColorComponent(color, 1)),
               lighten(ColorComponent(color, 2)));
}

int32_t Misc::ColorDistance(int32_t color1, int32_t color2) {
    const int32_t r1 = ColorComponent(color1, 0), r2 = ColorComponent(color2, 0);
    const double m = RoundHalfEven((r1 + r2) / 2.0);
    const double dR = std::abs(r1 - r2);
    const double dG = std::abs(ColorComponent(color1, 1) - ColorComponent(color2, 1));
    const double dB = std::abs(ColorComponent(color1, 2) - ColorComponent(color2, 2));
    return RoundHalfEven(
        std::sqrt((2 + m / 256) * dR * dR + 4 * dG * dG + (2 + (255 - m) / 256) * dB * dB));
}

int32_t Misc::Quantize16(int32_t component) {
    const int32_t q = static_cast<int32_t>(std::floor((component + 8) / 16.0)) * 16;
    return q == 256 ? 255 : q;
}

int32_t Misc::RandomColor() {
    const int32_t red = RandomComponent();
    const int32_t green = RandomComponent();
    const int32_t blue = RandomComponent();
    return Rgb(red, green, blue);
}

void Misc::RandomizeColors() {
    for (;;) {
        const int32_t red = RandomComponent(), green = RandomComponent(), blue = RandomComponent();
        const bool dark = red < 92 && green < 92 && blue < 92;
        const bool strongRed = red > 240 && green < 92 && blue < 92;
        if (!dark && !strongRed) {
            settings.Spot = Rgb(red, green, blue);
            break;
        }
    }
    if (settings.ColorBits > 15) {
        const bool sixteen = settings.ColorBits == 16;
        do {
            std::array<int32_t, 3> c{RandomComponent(), RandomComponent(), RandomComponent()};
            std::array<int32_t, 3> back{};
            for (size_t i = 0; i < 3; ++i) {
                if (sixteen) c[i] = Quantize16(c[i]);
                back[i] = 255 - c[i];
                if (sixteen && c[i] != 0 && c[i] != 255) back[i] += 1;
            }
            settings.Text = Rgb(c[0], c[1], c[2]);
            settings.Background = Rgb(back[0], back[1], back[2]);
        } while (settings.Background == settings.Text);
    } else {
        const int backIndex = RandomBelow(16);
        int textIndex;
        do {
            textIndex = RandomBelow(16);
        } while (textIndex == backIndex);
        settings.Background = ClassicColor(backIndex);
        settings.Text = ClassicColor(textIndex);
    }
    settings.CardBack = RandomBelow(10);
    settings.NinePointColor = RandomBelow(10);
}

int32_t Misc::PaletteColor(int index) {
    if (index < 0 || index >= static_cast<int>(kPalette.size())) return 0;
    return kPalette[static_cast<size_t>(index)];
}

int32_t Misc::InvertColor(int32_t color) {
    return color ^ 0xFFFFFF;
}

int32_t Misc::ClassicColor(int index) {
    return kClassic[static_cast<size_t>(std::clamp(index, 0, 15))];
}

void Misc::SetNinePointWords() {
    const int code = settings.NinePointCode;
    if (code < 0 || code > 4) return;
    for (size_t i = 0; i < 3; ++i) {
        settings.NinePointWords[i] = std::string(kNinePointPhrases[static_cast<size_t>(code)][i]);
    }
}

int32_t Misc::MinOfArray(std::span<const int32_t> values) {
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}
