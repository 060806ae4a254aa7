#include "render/hand_review.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "engine/model/card_codes.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/packed_fields.h"
#include "platform/rounding.h"
#include "platform/settings/player_settings.h"
#include "render/cards/card_images.h"
#include "render/choice_buttons.h"
#include "render/gdi/shapes.h"
#include "render/hand_drawing.h"
#include "render/message_places.h"
#include "render/score_corners.h"
#include "render/screen_scale.h"
#include "render/table_geometry.h"
#include "render/table_host.h"
#include "render/table_messages.h"
#include "render/table_parts.h"
#include "render/text_drawing.h"
#include "render/trick_piles.h"

namespace {

constexpr std::string_view kFace = "Kavlor4";
constexpr int kPutAwayRank = -100;

struct Card {
    int32_t suit;
    int32_t rank;
};

int32_t ReviewHeight() {
    return RoundHalfEven(0.8 * CardImages.CardHeight());
}

void DrawSmall(Surface& dc, int32_t x, int32_t y, Card card) {
    const int32_t picture = CardFunctions::CardNumber(card.suit, card.rank);
    if (picture > 0) CardImages.DrawCardFit(dc, x, y, picture, ReviewHeight());
}

// A card as it was dealt, whether it has been played or put away since.
Card Decoded(Card card) {
    if (card.rank <= kPutAwayRank) {
        return {card.suit < 0 ? -card.suit - 100 : card.suit, -card.rank - 100};
    }
    if (card.rank < 0) return {card.suit < 0 ? -card.suit - 1 : card.suit, -card.rank - 1};
    return card;
}

bool Traded(Card card) {
    const auto& best = hand.TradedBest;
    for (size_t k = 0; k < 2; ++k) {
        if (best[0][k] == card.suit && best[1][k] == card.rank) return true;
    }
    return false;
}

void Star(Surface& dc, double x, double y) {
    APIs::DrawTextFont(dc, "*", RoundHalfEven(x), RoundHalfEven(y), scale.FontSize1,
                       APIs::kAlignCentre, kFace, 0, settings.Spot);
}

Card HandCard(int32_t seat, int slot) {
    const auto& c = hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)];
    return {c[kSuitPlane], c[kRankPlane]};
}

void DrawReviewHands(Surface& dc) {
    static constexpr std::array<std::array<int, 2>, 4> kOrigins{
        {{310, 380}, {200, 267}, {310, 155}, {400, 267}}};
    for (int32_t seat = 0; seat < 4; ++seat) {
        const auto [x0, y0] = kOrigins[static_cast<size_t>(seat)];
        for (int slot = 0; slot < 5; ++slot) {
            DrawSmall(dc, Video::ScaledBase(x0 + 27 * slot), Video::ScaledBase(y0),
                      HandCard(seat, slot));
        }
    }
}

// The card-size divisors of the cross offsets at the four scale bands.
std::array<double, 2> CrossDivisors() {
    const float s = scale.ScaleFactor;
    if (s < 1.1f) return {3.7, 5.2};
    if (s < 1.35f) return {5, 7};
    if (s < 1.7f) return {6, 8};
    return {7, 10};
}

// Each trick as a small cross, each card at its seat's arm; returns whether a traded
// card was starred.
bool DrawTricks(TableHost& table) {
    Surface& dc = table.Table();
    const double s = scale.ScaleFactor;
    const double cw = CardImages.CardWidth();
    const double ch = CardImages.CardHeight();
    const auto [dw, dh] = CrossDivisors();
    const int32_t w = RoundHalfEven(cw / dw * s);
    const int32_t v = RoundHalfEven(ch / dh * s);
    const int32_t dealer = Misc::DealerSeat();
    const int32_t shift = dealer == 1   ? RoundHalfEven(15 * s)
                          : dealer == 3 ? RoundHalfEven(-60 * s)
                                        : 0;
    static constexpr std::array<std::array<int, 2>, 5> kOrigins{
        {{260, 187}, {392, 187}, {524, 187}, {325, 351}, {455, 351}}};
    static constexpr std::array<std::array<int, 2>, 4> kArms{{{0, 1}, {-1, 0}, {0, -1}, {1, 0}}};
    bool starred = false;
    for (int t = 0; t < 5; ++t) {
        const double x0 = Video::ScaledBase(kOrigins[static_cast<size_t>(t)][0]) + shift;
        const double y0 = Video::ScaledBase(kOrigins[static_cast<size_t>(t)][1]);
        int32_t leader = Misc::Get3Bits(hand.Leader, t);
        const bool played = leader <= 3;
        if (!played) leader = 0;
        for (int i = 0; i < 4; ++i) {
            const int32_t entry = hand.CardsPlayed[static_cast<size_t>(4 * t + i + 1)];
            if (APIs::Nib(entry, 2) != 0) continue;
            const int32_t seat = CardFunctions::Wrap4(i + leader + 1);
            const auto [a, b] = kArms[static_cast<size_t>(seat)];
            const Card card{APIs::Nib(entry, 0), APIs::Nib(entry, 1)};
            DrawSmall(dc, RoundHalfEven(x0 + a * w), RoundHalfEven(y0 + b * v), card);
            if (!Traded(card)) continue;
            starred = true;
            const double fs = scale.FontSize1;
            switch (seat) {
                case 0:
                    Star(dc, x0 + w / 2.0, y0 + v + 0.8 * ch - 3 * s - fs);
                    break;
                case 1:
                    Star(dc, x0 - w / 2.0, y0 + 27 * s);
                    break;
                case 2:
                    Star(dc, x0 + w, y0 - v + 5 * s);
                    break;
                default:
                    Star(dc, x0 + 0.79 * cw + w / 2.0, y0 + 0.8 * ch - 23 * s - fs);
                    break;
            }
        }
        if (!played) {
            Gdi::Circle(dc, x0 + 0.79 * cw / 2, y0 + 0.75 * ch / 2, 1, settings.Spot, {},
                        RoundHalfEven(50 * s));
        }
        table.RefreshTable();
    }
    return starred;
}

void ShowPartnerPanelControls(TableHost& table, bool starred) {
    const double s = scale.ScaleFactor;
    const PictureBox pile = table.PicBState(6);
    const double belowPile = 1.05 * pile.Height + pile.Top;
    ChoiceButton button = table.Choice(5);
    button.Left = Video::ScaledBase(500);
    button.Width = RoundHalfEven(0.65 * tableGeometry.ChoiceWidth);
    button.Top = s != 1.0 ? RoundHalfEven(55 * s) : RoundHalfEven(belowPile - 1.1 * button.Height);
    table.SetChoice(5, button);
    Video::ShowChoice(5, tables.MessageTable[82], 0);
    button = table.Choice(5);
    button.Tag = "L";
    table.SetChoice(5, button);
    SetBit(flags.Stat1, Stat1Bits::PartnerPanelShown);
    const double y = std::min(55 * s + 1.1 * button.Height, belowPile);
    Surface& dc = table.Table();
    APIs::DrawTextFont(dc, tables.MessageTable[98], button.Left, RoundHalfEven(y), scale.FontSize6,
                       APIs::kAlignLeft, kFace, 0, 0);
    if (starred) {
        APIs::DrawTextFont(dc, "* Traded 'Best'", button.Left,
                           RoundHalfEven(y + 3 * scale.FontSize6), scale.FontSize6,
                           APIs::kAlignLeft, kFace, 0, 0);
    }
}

void ClearPanel(Surface& dc, int bottom) {
    Gdi::FillBox(dc, Video::ScaledBase(250), Video::ScaledBase(30), Video::ScaledBase(500),
                 Video::ScaledBase(bottom), settings.Background);
}

}  // namespace

void Video::DrawHandReview() {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    ClearTableParts(255);
    table->SetMousePointer(0);
    table->RefreshTable();
    const bool dealtHands = IsSet(flags.Stat0, Stat0Bits::EveryonePassed);
    DrawMessage(1, tables.MessageTable[dealtHands ? 81 : 79]);
    DrawMessage(22, tables.MessageTable[80]);
    if (dealtHands) CardFunctions::DrawTrickPiles(2);
    if (flow.QuitNow) return;
    if (scale.ScaleFactor == 1.0f) {
        ChoiceButton review = table->Choice(4);
        review.Left = tableGeometry.ChoiceLefts[5];
        table->SetChoice(4, review);
    }
    ShowChoice(4, tables.MessageTable[48], 0);
    ChoiceButton review = table->Choice(4);
    review.Tag = "R";
    table->SetChoice(4, review);
    bool starred = false;
    if (dealtHands) {
        DrawReviewHands(table->Table());
        table->RefreshTable();
    } else {
        starred = DrawTricks(*table);
    }
    if (Misc::GenInfField3() >= CardFunctions::kNoSeat) {
        DrawKittyPanel();
        ClearBit(flags.Stat1, Stat1Bits::PartnerPanelShown);
    } else {
        DrawSeatPanel();
        ShowPartnerPanelControls(*table, starred);
    }
    DrawPlayerNames();
    DrawTopScore();
    DrawBottomScore();
    DrawDeckBox();
}

void Video::DrawKittyPanel() {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    Surface& dc = table->Table();
    ClearPanel(dc, 154);
    for (int entry = kFirstKittyEntry; entry < kFirstKittyEntry + 3; ++entry) {
        const int32_t card = hand.CardsPlayed[static_cast<size_t>(entry)];
        DrawSmall(dc, ScaledBase(27 * entry - 207), ScaledBase(30),
                  {APIs::Nib(card, 0), APIs::Nib(card, 1)});
    }
    DrawPanelCaption(1);
}

void Video::DrawSeatPanel() {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    Surface& dc = table->Table();
    ClearPanel(dc, 160);
    const int32_t partner = CardFunctions::Wrap4(Misc::GenInfField3() + 3);
    for (int slot = 0; slot < 5; ++slot) {
        const Card card = Decoded(HandCard(partner, slot));
        DrawSmall(dc, ScaledBase(307 + 27 * slot), ScaledBase(30), card);
        if (Traded(card)) Star(dc, ScaledBase(320 + 27 * slot), ScaledBase(57));
    }
    DrawPanelCaption(0);
}

void Video::DrawPanelCaption(int32_t mode) {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    Surface& dc = table->Table();
    const auto caption = [&](size_t entry, int x) {
        APIs::DrawTextFont(dc, tables.MessageTable[entry], ScaledBase(x), ScaledBase(85),
                           scale.FontSize3, APIs::kAlignCentre, kFace, 90, 0);
    };
    if (mode == 1) {
        caption(83, 355);
    } else {
        caption(84, 283);
        caption(85, 300);
    }
    table->RefreshTable();
}
