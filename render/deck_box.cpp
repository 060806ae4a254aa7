#include <cmath>

#include "engine/model/card_codes.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/packed_fields.h"
#include "platform/rounding.h"
#include "platform/settings/player_settings.h"
#include "render/card_drawing.h"
#include "render/cards/card_images.h"
#include "render/gdi/shapes.h"
#include "render/hand_drawing.h"
#include "render/message_places.h"
#include "render/screen_scale.h"
#include "render/table_geometry.h"
#include "render/table_host.h"
#include "render/text_drawing.h"

namespace {

constexpr int32_t kJokerInDeck = 1 << 19;
constexpr int32_t kRingColour = 180;
constexpr int32_t kNobody = 7;

// The box stands beside the dealer.
std::pair<int, int> DeckPlaceOf(int32_t dealer) {
    switch (dealer) {
        case 1:
            return {85, 250};
        case 2:
            return {130, 10};
        case 3:
            return {590, 95};
        case 0:
        case 4:
            return {645, 340};
        default:
            return {0, 0};
    }
}

std::pair<int, int> TowardSeat(int32_t seat) {
    switch (seat) {
        case 0:
            return {0, 1};
        case 1:
            return {-1, 0};
        case 2:
            return {0, -1};
        case 3:
            return {1, 0};
        default:
            return {0, 0};
    }
}

int32_t PictureOf(int32_t word) {
    return CardFunctions::CardNumber(APIs::Nib(word, 0), APIs::Nib(word, 1));
}

void DrawTrumpMarks(Surface& dc, double s, int w, int h, int icon) {
    const auto [ux, uy] = TowardSeat(Misc::GenInfField2());
    Gdi::Circle(dc, 9 * s + w / 2.0, 8 * s + h / 2.0, 1, settings.Spot, {},
                2 * RoundHalfEven(43 * s) + 1);
    const double iconX = s * (22 * ux + 9) + w / 2.0 - icon / 2.0;
    const double iconY = s * (22 * uy + 8) + h / 2.0 - icon / 2.0;
    CardImages.DrawIcon(dc, RoundHalfEven(iconX), RoundHalfEven(iconY), Misc::TrumpSuit());
    if (Misc::GenInfField3() < kNobody) {
        APIs::DrawTextFont(dc, "+", RoundHalfEven(iconX + icon / 2.0 - 1),
                           RoundHalfEven(iconY + icon / 6.0), scale.FontSize3, APIs::kAlignCentre,
                           "Kavlor4", 0, settings.Spot);
    }
}

void DrawTurnedDownSign(Surface& dc, double s, int w, int h) {
    const int pen = RoundHalfEven(10 * s);
    Gdi::Circle(dc, 9 * s + w / 2.0, 8 * s + h / 2.0, 36 * s, kRingColour, {}, pen);
    Gdi::DrawLine(dc, RoundHalfEven(34 * s), RoundHalfEven(50 * s), RoundHalfEven(81 * s),
                  RoundHalfEven(103 * s), kRingColour, pen);
}

void DrawKittyFaceUp(Surface& dc, double s, int h) {
    const int last = (settings.Opts2 & kJokerInDeck) ? 24 : 23;
    static constexpr std::array<int, 4> kKittyX{12, 30, 50, 70};
    for (int entry = 21; entry <= last; ++entry) {
        Video::DrawCard(dc, RoundHalfEven(kKittyX[static_cast<size_t>(entry - 21)] * s),
                        RoundHalfEven(h - 23 * s),
                        PictureOf(hand.CardsPlayed[static_cast<size_t>(entry)]));
    }
}

}  // namespace

void Video::DrawDeckBox() {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    Surface& dc = table->PicB(2);
    PictureBox box = table->PicBState(2);
    dc.Fill(box.BackColor);
    if (Misc::CallingRound() == 0) {
        table->RefreshPicB(2);
        return;
    }
    const auto [left, top] = DeckPlaceOf(Misc::DealerSeat());
    box.Left = ScaledBase(left);
    box.Top = ScaledBase(top);
    box.Visible = true;
    table->SetPicBState(2, box);

    const double s = scale.ScaleFactor;
    int32_t dx = 0;
    int32_t dy = 0;
    FormFunctions::RandomCardOffset(dx, dy, 0, 0);
    CardImages.DrawBack(dc, dx, dy, settings.CardBack);
    CardImages.DrawBack(dc, RoundHalfEven(dx + 3 * s), RoundHalfEven(dy + 3 * s),
                        settings.CardBack);
    CardImages.DrawBack(dc, RoundHalfEven(dx + 6 * s), RoundHalfEven(dy + 5 * s),
                        settings.CardBack);

    const int32_t turned = PictureOf(hand.CardUp);
    if (turned != 0) {
        DrawCard(dc, RoundHalfEven(9 * s), RoundHalfEven(8 * s), turned);
    } else {
        DrawCardBack(dc, RoundHalfEven(9 * s), RoundHalfEven(8 * s), settings.CardBack);
    }
    const int w = CardImages.CardWidth();
    const int h = CardImages.CardHeight();
    const int icon = CardImages.IconWidth();
    if (Misc::TrumpSuit() < kNobody) {
        DrawTrumpMarks(dc, s, w, h, icon);
    } else if (Misc::CallingRound() == 2) {
        DrawTurnedDownSign(dc, s, w, h);
    }
    const int32_t jokerSuit = APIs::Nib(hand.CardUp, 3);
    if (APIs::Nib(hand.CardUp, 1) == CardFunctions::kJoker && jokerSuit < kNobody) {
        CardImages.DrawIcon(dc, RoundHalfEven(10 * s), RoundHalfEven(5 * s + h - icon), jokerSuit);
        CardImages.DrawIcon(dc, RoundHalfEven(8 * s + w - icon), RoundHalfEven(11 * s), jokerSuit);
    }
    if (IsSet(flags.Stat0, Stat0Bits::RevealMode)) DrawKittyFaceUp(dc, s, h);
    table->RefreshPicB(2);
}
