#pragma once

#include <array>

// Pixel sizes of the picture kinds at the four resolutions, shared by the store and by
// the generator of the built-in pictures.
namespace CardSizes {

enum Kind { kCard = 0, kScore = 1, kTurnedScore = 2, kTrick = 3, kIcon = 4 };

// The width of kind k at resolution r is entry 5 (r - 1) + k, the height entry
// 20 + 5 (r - 1) + k.
inline constexpr std::array<int, 40> kCardSizeTable = {
    96,  62, 94,  48, 40, 119, 77,  117, 48, 50, 143, 96,  146, 62, 60, 181, 119, 181, 62, 75,
    138, 89, 107, 69, 40, 172, 111, 134, 69, 50, 206, 138, 166, 89, 60, 261, 172, 207, 89, 75};

struct Size {
    int width = 0;
    int height = 0;
};

constexpr Size KindSize(int kind, int resolution) {
    const int at = 5 * (resolution - 1) + kind;
    return {kCardSizeTable[at], kCardSizeTable[20 + at]};
}

inline constexpr int kPreviewClasses = 7;

// Class 0 is the trick size of resolution 1, 1-4 the score sizes of resolutions 1-4,
// 5-6 the card sizes of resolutions 3-4; any other class has no size.
constexpr Size PreviewSize(int sizeClass) {
    if (sizeClass == 0) return KindSize(kTrick, 1);
    if (sizeClass >= 1 && sizeClass <= 4) return KindSize(kScore, sizeClass);
    if (sizeClass == 5 || sizeClass == 6) return KindSize(kCard, sizeClass - 2);
    return {};
}

inline constexpr int kFaceCount = 25;
inline constexpr int kBackDesigns = 10;
inline constexpr int kScoreCards = 12;
inline constexpr int kIcons = 6;

// Where each resolution's joker starts in a joker file: the running sum of card widths.
constexpr int BennyOffset(int resolution) {
    int x = 0;
    for (int r = 1; r < resolution; ++r) x += KindSize(kCard, r).width;
    return x;
}

}  // namespace CardSizes
