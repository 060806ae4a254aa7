#include "render/table_geometry.h"

#include <algorithm>
#include <cmath>

#include "platform/rounding.h"
#include "platform/settings/player_settings.h"
#include "render/cards/card_size_table.h"
#include "render/screen_scale.h"

namespace {

constexpr int32_t kAlignCards = 1 << 25;
constexpr int32_t kTallNorthBox = 1 << 28;

// The answer buttons at the design scale: four answers, Cancel at the left and
// Review at the right of the row under the hand.
constexpr std::array<BoxRect, 6> kDesignChoices{{
    {165, 505, 92, 30},
    {265, 505, 92, 30},
    {365, 505, 92, 30},
    {465, 505, 92, 30},
    {40, 505, 100, 30},
    {600, 505, 100, 30},
}};
// The deck box at the design scale, left of the trick box.
constexpr BoxRect kDesignDeckBox{100, 108, 120, 160};

bool Near(float s, float value) {
    return std::fabs(s - value) < 0.001f;
}

BoxRect Scaled(const BoxRect& box, float s) {
    return {RoundHalfEven(box.Left * s), RoundHalfEven(box.Top * s), RoundHalfEven(box.Width * s),
            RoundHalfEven(box.Height * s)};
}

}  // namespace

CardPixelSizes FormFunctions::DesignCardSizes(int resolution) {
    const int r = std::clamp(resolution, 1, 4);
    const auto card = CardSizes::KindSize(CardSizes::kCard, r);
    const auto trick = CardSizes::KindSize(CardSizes::kTrick, r);
    return {card.width, card.height, trick.width, trick.height};
}

TableLayout FormFunctions::LayOutTable(float s, int32_t band, int32_t bandWidth,
                                       const CardPixelSizes& cards, int32_t opts1, int32_t opts4) {
    TableLayout out;
    TableGeometry& g = out.Geometry;
    out.ChoiceFontSize = RoundHalfEven(14.0 * s + 0.3);
    for (size_t i = 0; i < out.Choice.size(); ++i) {
        BoxRect box = Scaled(kDesignChoices[i], s);
        if (Near(s, 1.2f)) box.Top += 12;
        if (i == 5 && Near(s, 1.0f)) box.Left = 565;
        out.Choice[i] = box;
        g.ChoiceLefts[i] = box.Left;
    }
    g.ChoiceTop = out.Choice[0].Top;
    g.ChoiceBottom = out.Choice[0].Top + out.Choice[0].Height;
    g.ChoiceWidth = out.Choice[0].Width;
    g.CancelWidth = out.Choice[4].Width;
    g.ReviewTop = RoundHalfEven(505.0 * s) + (Near(s, 1.2f) ? 6 : 0);
    g.ChoiceLefts[5] = Near(s, 1.0f) ? 565 : RoundHalfEven(600.0 * s);

    out.PicB[0] = {RoundHalfEven(268.0 * s), RoundHalfEven(108.0 * s), RoundHalfEven(260.0 * s + 1),
                   RoundHalfEven(234.0 * s + 1)};
    g.TrickBoxLeft = out.PicB[0].Left;
    g.TrickBoxTop = out.PicB[0].Top;
    g.TrickBoxWidth = out.PicB[0].Width;
    g.TrickBoxHeight = out.PicB[0].Height;

    static constexpr std::array<int, 4> kMargins{6, 7, 9, 11};
    const int j = (opts1 & kAlignCards) ? 1 : kMargins[static_cast<size_t>(std::clamp(band, 0, 3))];
    const double s2 = band == 1 ? s * 0.96 : s;
    g.TrickSpots[0] = {RoundHalfEven(82 * s2), RoundHalfEven(95 * s2 - j)};
    g.TrickSpots[1] = {RoundHalfEven(13 * s2), RoundHalfEven(48 * s2)};
    g.TrickSpots[2] = {RoundHalfEven(82 * s2), j};
    g.TrickSpots[3] = {RoundHalfEven(156 * s2), RoundHalfEven(48 * s2)};

    const int cw = cards.CardWidth;
    const int ch = cards.CardHeight;
    const int tw = cards.TrickWidth;
    const int th = cards.TrickHeight;
    const double handLeft = bandWidth / 2.0 - 11.0 * cw / 6.0 - 8.0 * s;
    const double handTop = 342.0 * s;
    out.PicB[1] = {RoundHalfEven(handLeft), RoundHalfEven(handTop),
                   RoundHalfEven(11.0 * cw / 3.0 + 16.0 * s), RoundHalfEven(ch + 14.0 * s)};
    g.HandBoxLeft = RoundHalfEven(handLeft);
    g.HandBoxTop = RoundHalfEven(handTop);
    g.HandBoxWidth = out.PicB[1].Width;
    g.HandOriginX = RoundHalfEven(handLeft + 8.0 * s);
    g.HandOriginY = RoundHalfEven(handTop + 8.0 * s);

    out.PicB[2] = Scaled(kDesignDeckBox, s);
    out.PicB[3] = {2, RoundHalfEven(185.0 * s), th + 10, tw + 90};
    const bool tallNorth = (opts4 & kTallNorthBox) && s >= 1.5f;
    out.PicB[4] = {RoundHalfEven(250.0 * s), 2, tw + 90, th + (tallNorth ? 30 : 10)};
    out.PicB[5] = {bandWidth - th - 13, RoundHalfEven(180.0 * s), th + 10, tw + 90};
    const int a = s < 1.3f ? 92 : 112;
    const int b = s < 1.3f ? 103 : 123;
    out.PicB[6] = {bandWidth - th - tw - b, 2, tw + a, th + 12};
    out.PicB[7] = {bandWidth - th - 10, 2, th + 12, tw + a};
    return out;
}

TableLayout FormFunctions::LayOutCurrentTable() {
    const TableLayout layout =
        LayOutTable(scale.ScaleFactor, scale.ScaleBand, scale.BandWidth,
                    DesignCardSizes(scale.ScaleBand + 1), settings.Opts1, settings.Opts4);
    tableGeometry = layout.Geometry;
    return layout;
}
