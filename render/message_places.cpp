#include "render/message_places.h"

#include <cmath>

#include "engine/model/hand_words.h"
#include "platform/screen.h"
#include "render/screen_scale.h"
#include "render/table_geometry.h"
#include "render/table_host.h"
#include "render/text_drawing.h"
#include "render/text_width.h"

namespace Video {
namespace {

bool AtScale12() {
    return scale.ScaleFactor == 1.2f;
}

// A pixel value divided back to base units and made whole, as the wipe rectangles take it.
int32_t BaseOfPixels(double pixels) {
    return static_cast<int32_t>(std::nearbyint(pixels / scale.ScaleFactor));
}

MessageRect Scaled(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return {ScaledBase(left), ScaledBase(top), ScaledBase(right), ScaledBase(bottom)};
}

bool WiderThanNorthLimit(std::string_view text) {
    const int32_t twips = Misc::TextWidth(text, "frmTCP", "Kavlor4", scale.FontSize2);
    return twips > 280.0 * APIs::CurrentScreen().TwipsPerPixelX();
}

MessageAnchor NorthAnchor(std::string_view firstLine) {
    MessageAnchor anchor{ScaledBase(420), ScaledBase(83), -1};
    const int32_t dealer = Misc::DealerSeat();
    if (dealer != 2 && dealer != 3) return anchor;
    if (!WiderThanNorthLimit(firstLine)) return anchor;
    if (dealer == 2) {
        anchor.x = ScaledBase(238);
        anchor.alignment = 0;
    } else {
        const TableHost* table = CurrentTable();
        const int32_t deckLeft = table ? table->PicBState(2).Left : 0;
        anchor.x = ScaledBase(deckLeft / scale.ScaleFactor - 5 * scale.ScaleFactor);
        anchor.alignment = 1;
    }
    return anchor;
}

}  // namespace

int32_t ScaledBase(double base) {
    return static_cast<int32_t>(std::nearbyint(base * scale.ScaleFactor));
}

MessageAnchor MessageAnchorOf(int32_t code, std::string_view firstLine) {
    const bool dealerEast = Misc::DealerSeat() == 3;
    const double s = scale.ScaleFactor;
    switch (code) {
        case 0:
        case 6:
            return {ScaledBase(418), ScaledBase(210), -1};
        case 1:
        case 7:
        case 16:
            return {ScaledBase(397), ScaledBase(AtScale12() ? 500 : 492), -1};
        case 2:
        case 8:
        case 22:
            return {ScaledBase(397), ScaledBase(AtScale12() ? 524 : 518), -1};
        case 3:
        case 9:
            return {ScaledBase(88), ScaledBase(202), 0};
        case 4:
        case 10:
            return NorthAnchor(firstLine);
        case 5:
        case 11:
            return {ScaledBase(708), ScaledBase(245), 1};
        case 12:
            return {ScaledBase(418), ScaledBase(dealerEast ? 234 : 196), -1};
        case 13:
            return {ScaledBase(418), ScaledBase(dealerEast ? 262 : 224), -1};
        case 14:
            return {ScaledBase(418), tableGeometry.TrickBoxTop, -1};
        case 15:
            return {ScaledBase((2.0 * tableGeometry.HandBoxLeft + tableGeometry.HandBoxWidth) /
                               2.0 / s),
                    ScaledBase((tableGeometry.HandBoxTop - 40) / s), -1};
        case -99: {
            const TableHost* table = CurrentTable();
            const int32_t trickTop = table ? table->PicBState(0).Top : 0;
            return {ScaledBase(370), trickTop - scale.FontSize3, -1};
        }
        default:
            return {0, 0, -1};
    }
}

MessageRect MessageEraseRect(int32_t code) {
    const bool s12 = AtScale12();
    switch (code) {
        case 0:
        case 6:
            return Scaled(185, 210, 708, 240);
        case 1:
        case 7:
            return Scaled(146, s12 ? 500 : 492, 627, s12 ? 531 : 524);
        case 2:
        case 8:
            return Scaled(146, s12 ? 524 : 516, 627, s12 ? 560 : 555);
        case 3:
        case 9:
            return Scaled(86, 202, 594, 232);
        case 4:
        case 10:
            return Scaled(Misc::DealerSeat() == 2 ? 255 : 125, 82, 606, 112);
        case 5:
        case 11:
            return Scaled(190, 245, 708, 275);
        case 12: {
            const bool dealerEast = Misc::DealerSeat() == 3;
            return Scaled(100, dealerEast ? 234 : 196, 708, dealerEast ? 291 : 253);
        }
        case 13:
            return Scaled(185, 224, 708, 254);
        case 14: {
            const int32_t top = BaseOfPixels(tableGeometry.TrickBoxTop);
            return Scaled(185, top, 708, top + 60);
        }
        case 15:
            return Scaled(BaseOfPixels(tableGeometry.HandBoxLeft),
                          BaseOfPixels(tableGeometry.HandBoxTop - 40),
                          BaseOfPixels(tableGeometry.HandBoxLeft + tableGeometry.HandBoxWidth),
                          BaseOfPixels(tableGeometry.HandBoxTop) - 2);
        case 16:
            return Scaled(146, s12 ? 500 : 492, 625, s12 ? 554 : 546);
        case -1: {
            const TextRect& r = drawnText.LastTextRect;
            return {r.left, r.top, r.right, r.bottom};
        }
        case -2: {
            const TextRect& r = drawnText.PrevTextRect;
            return {r.left, r.top, r.right, r.bottom};
        }
        default:
            return {};
    }
}

}  // namespace Video
