#include "render/score_corners.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "platform/colors.h"
#include "platform/packed_fields.h"
#include "platform/rounding.h"
#include "platform/settings/player_settings.h"
#include "render/card_drawing.h"
#include "render/cards/card_images.h"
#include "render/gdi/shapes.h"
#include "render/mood_face.h"
#include "render/screen_scale.h"
#include "render/table_host.h"
#include "render/text_drawing.h"

namespace {

using Video::ScoreCardSpot;

constexpr int32_t kStyleBits = 0x30;
constexpr int32_t kMaxPoints = 10;
constexpr int32_t kNinePoints = 9;
constexpr int32_t kHappiest = 4;
constexpr std::string_view kFace = "Kavlor4";

enum class Pip { Six, Four, FirstFive, SecondFive, Three, Two, Back };
enum Orientation : int32_t { U = 0, T = 1, S = 2 };

// A place in card sizes: x = a·w; y = b·h from the top, or the band height less b·h
// from the bottom. A b of kOnePixel stands one pixel below the top.
struct Place {
    double a = 0;
    double b = 0;
};
constexpr double kOnePixel = -1;

struct Card {
    Pip pip;
    Orientation orientation;
    Place top;
    Place bottom;
    // Where the turned card lies at scale 1.0 exactly; a of 0 where it does not move.
    Place topAtOne{};
    Place bottomAtOne{};
};

struct Row {
    Card first;
    Card second;
};
using StyleTable = std::array<Row, kMaxPoints + 1>;

constexpr Place kTurnedTop{0.3, 0.1}, kTurnedBottom{0.3, 1.35};
constexpr Place kTurnedTopAtOne{0.35, 0.13}, kTurnedBottomAtOne{0.35, 1.32};

constexpr Card Upright(Pip pip, Place top, Place bottom) {
    return {pip, U, top, bottom};
}
constexpr Card TurnedOver(Pip pip) {
    return {pip, T, kTurnedTop, kTurnedBottom, kTurnedTopAtOne, kTurnedBottomAtOne};
}
constexpr Card BackOver() {
    return Upright(Pip::Back, {0.4, 0.3}, {0.4, 1.15});
}

constexpr StyleTable kSixesAndFours{{
    {Upright(Pip::Six, {0.3, 0.2}, {0.3, 1.25}), BackOver()},
    {Upright(Pip::Six, {0.3, 0.15}, {0.3, 1.3}), TurnedOver(Pip::Back)},
    {Upright(Pip::Six, {0.3, 0.1}, {0.3, 1.45}), Upright(Pip::Back, {0.4, 0.45}, {0.4, 1.1})},
    {Upright(Pip::Six, {0.3, 0.2}, {0.3, 1.25}), Upright(Pip::Back, {0.85, 0.25}, {0.85, 1.2})},
    {Upright(Pip::Six, {0.3, 0.2}, {0.3, 1.25}), Upright(Pip::Four, {0.4, 0.3}, {0.4, 1.15})},
    {Upright(Pip::Six, {0.3, 0.15}, {0.3, 1.3}), TurnedOver(Pip::Four)},
    {Upright(Pip::Six, {0.3, 0.1}, {0.3, 1.45}), Upright(Pip::Four, {0.4, 0.45}, {0.4, 1.1})},
    {Upright(Pip::Six, {0.3, 0.2}, {0.3, 1.25}), Upright(Pip::Four, {0.85, 0.25}, {0.85, 1.2})},
    {Upright(Pip::Six, {0.3, kOnePixel}, {0.3, 1.65}), Upright(Pip::Four, {0.4, 0.6}, {0.4, 1.05})},
    {Upright(Pip::Back, {0.3, 0.2}, {0.3, 1.25}), BackOver()},
    {Upright(Pip::Back, {0.3, 0.2}, {0.3, 1.25}), BackOver()},
}};

constexpr StyleTable kFivesTable{{
    {Upright(Pip::FirstFive, {0.3, 0.2}, {0.3, 1.25}), BackOver()},
    {Upright(Pip::FirstFive, {0.3, 0.15}, {0.3, 1.3}), TurnedOver(Pip::Back)},
    {Upright(Pip::FirstFive, {0.3, 0.1}, {0.3, 1.45}), Upright(Pip::Back, {0.4, 0.45}, {0.4, 1.1})},
    {Upright(Pip::FirstFive, {0.26, 0.2}, {0.26, 1.25}),
     Upright(Pip::Back, {0.89, 0.3}, {0.89, 1.2})},
    {Upright(Pip::FirstFive, {0.1, 0.15}, {0.1, 1.5}), {Pip::Back, T, {0.42, 0.2}, {0.42, 1.45}}},
    {Upright(Pip::FirstFive, {0.3, 0.2}, {0.3, 1.25}),
     Upright(Pip::SecondFive, {0.4, 0.3}, {0.4, 1.15})},
    {Upright(Pip::FirstFive, {0.3, 0.15}, {0.3, 1.3}), TurnedOver(Pip::SecondFive)},
    {Upright(Pip::FirstFive, {0.3, 0.2}, {0.3, 1.45}),
     Upright(Pip::SecondFive, {0.4, 0.55}, {0.4, 1.1})},
    {Upright(Pip::FirstFive, {0.26, 0.2}, {0.26, 1.25}),
     Upright(Pip::SecondFive, {0.89, 0.25}, {0.89, 1.2})},
    {Upright(Pip::FirstFive, {0.1, 0.15}, {0.1, 1.5}),
     {Pip::SecondFive, T, {0.42, 0.2}, {0.42, 1.45}}},
    {Upright(Pip::Back, {0.3, 0.2}, {0.3, 1.25}), BackOver()},
}};

constexpr Card Side(Pip pip, Place top, Place bottom) {
    return {pip, S, top, bottom};
}

constexpr StyleTable kTwosAndThreesTable{{
    {Upright(Pip::Three, {0.3, 0.2}, {0.3, 1.25}), BackOver()},
    {Upright(Pip::Three, {0.3, 0.18}, {0.3, 1.45}), Upright(Pip::Back, {0.4, 0.55}, {0.4, 1.1})},
    {Upright(Pip::Three, {0.3, kOnePixel}, {0.3, 1.65}),
     Upright(Pip::Back, {0.4, 0.62}, {0.4, 1.05})},
    {Upright(Pip::Three, {0.3, 0.18}, {0.3, 1.45}), Upright(Pip::Two, {0.4, 0.55}, {0.4, 1.1})},
    {Upright(Pip::Three, {0.3, kOnePixel}, {0.3, 1.65}),
     Upright(Pip::Two, {0.4, 0.62}, {0.4, 1.05})},
    {Upright(Pip::Back, {0.3, 0.2}, {0.3, 1.25}), Side(Pip::Back, {0.1, 0.35}, {0.1, 1.1})},
    {Upright(Pip::Three, {0.3, 0.12}, {0.3, 1.3}), Side(Pip::Back, {0.1, 0.5}, {0.1, 0.95})},
    {Upright(Pip::Three, {0.3, 0.17}, {0.3, 1.45}), Side(Pip::Back, {0.1, 0.8}, {0.1, 0.85})},
    {Upright(Pip::Three, {0.3, 0.12}, {0.3, 1.3}), Side(Pip::Two, {0.1, 0.5}, {0.1, 0.95})},
    {Upright(Pip::Three, {0.3, 0.15}, {0.3, 1.45}), Side(Pip::Two, {0.1, 0.8}, {0.1, 0.85})},
    {Upright(Pip::Back, {0.3, 0.2}, {0.3, 1.25}), BackOver()},
}};

// Picture numbers of the score-card sets; the top corner's team has the black suits.
int32_t IndexOf(Pip pip, Orientation orientation, bool top) {
    const int32_t back = settings.CardBack;
    switch (orientation) {
        case T:
            if (pip == Pip::Back) return back + 5;
            return pip == Pip::Four ? (top ? 1 : 2) : (top ? 3 : 4);
        case S:
            return pip == Pip::Back ? back + 3 : (top ? 1 : 2);
        case U:
            break;
    }
    switch (pip) {
        case Pip::Four:
            return top ? 1 : 2;
        case Pip::SecondFive:
            return top ? 3 : 5;
        case Pip::FirstFive:
            return top ? 6 : 4;
        case Pip::Six:
            return top ? 7 : 8;
        case Pip::Two:
            return top ? 9 : 10;
        case Pip::Three:
            return top ? 11 : 12;
        case Pip::Back:
            break;
    }
    return back + 13;
}

const StyleTable* TableOf(int32_t style) {
    switch (style) {
        case Video::kSixesAndFours:
            return &kSixesAndFours;
        case Video::kFives:
            return &kFivesTable;
        case Video::kTwosAndThrees:
            return &kTwosAndThreesTable;
        default:
            return nullptr;
    }
}

ScoreCardSpot SpotOf(const Card& card, bool top) {
    const double w = CardImages.ScoreCardWidth();
    const double h = CardImages.ScoreCardHeight();
    const bool atOne = scale.ScaleFactor == 1.0f && card.topAtOne.a > 0;
    const Place place =
        top ? (atOne ? card.topAtOne : card.top) : (atOne ? card.bottomAtOne : card.bottom);
    const int32_t y = top ? (place.b == kOnePixel ? 1 : RoundHalfEven(place.b * h))
                          : RoundHalfEven(scale.BandHeight - place.b * h);
    return {RoundHalfEven(place.a * w), y, IndexOf(card.pip, card.orientation, top),
            card.orientation};
}

int32_t PointsOf(bool top) {
    return std::min(APIs::Nib(hand.Score, top ? 1 : 0), kMaxPoints);
}

void DrawNinePointWords(Surface& dc, bool top, double w, double h) {
    const double y0 = top ? 0.65 * h : scale.BandHeight - 0.8 * h;
    const double gap = 1.6 * scale.FontSize2;
    const int32_t color = Misc::PaletteColor(settings.NinePointColor);
    for (size_t i = 0; i < settings.NinePointWords.size(); ++i) {
        const double y = y0 + gap * (static_cast<double>(i) - 1);
        APIs::DrawTextFont(dc, settings.NinePointWords[i], RoundHalfEven(0.9 * w), RoundHalfEven(y),
                           scale.FontSize2, APIs::kAlignCentre, kFace, 0, color);
    }
}

void DrawScoreCorner(bool top) {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    Surface& dc = table->Table();
    const double w = CardImages.ScoreCardWidth();
    const double h = CardImages.ScoreCardHeight();
    const double s = scale.ScaleFactor;
    const double band = scale.BandHeight;
    const int32_t points = PointsOf(top);
    const int32_t style = settings.Opts1 & kStyleBits;
    if (top) {
        Gdi::FillBox(dc, 1, 1, RoundHalfEven(1.9 * w), RoundHalfEven(1.68 * h),
                     settings.Background);
    } else {
        Gdi::FillBox(dc, 1, RoundHalfEven(band - 1.68 * h), RoundHalfEven(1.9 * w),
                     RoundHalfEven(band + 8), settings.Background);
    }
    for (const ScoreCardSpot& card : Video::ScoreCornerCards(top, style, points)) {
        Video::DrawScoreCard(dc, card.x, card.y, card.index, card.orientation);
    }
    const bool numerals = style == Video::kNumerals;
    if (style == Video::kSixesAndFours && points == kNinePoints) {
        DrawNinePointWords(dc, top, w, h);
    }
    if (numerals) {
        APIs::DrawTextFont(dc, std::to_string(points),
                           RoundHalfEven((points < kMaxPoints ? 0.9 : 1.1) * w),
                           RoundHalfEven(top ? 0.15 * h : band - 1.2 * h), RoundHalfEven(60 * s),
                           APIs::kAlignCentre, kFace, 0, 0);
    }
    if (points == kMaxPoints) {
        const double x = numerals ? (top ? 0.95 * w : 0.9 * w) : 0.9 * w - 3 * s;
        const double y = top ? (numerals ? 0.65 * h : 0.75 * h) : band - 0.7 * h;
        Video::DrawMoodFace(RoundHalfEven(x), RoundHalfEven(y), kHappiest,
                            {dc, "", settings.Background}, 0);
    }
    table->RefreshTable();
}

}  // namespace

std::vector<ScoreCardSpot> Video::ScoreCornerCards(bool top, int32_t style, int32_t points) {
    const StyleTable* table = TableOf(style);
    if (!table) return {};
    const Row& row = (*table)[static_cast<size_t>(std::clamp(points, 0, kMaxPoints))];
    return {SpotOf(row.first, top), SpotOf(row.second, top)};
}

void Video::DrawTopScore() {
    DrawScoreCorner(true);
}

void Video::DrawBottomScore() {
    DrawScoreCorner(false);
}
