#include "render/hand_drawing.h"

#include <cmath>
#include <string>

#include "engine/model/card_codes.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "platform/colors.h"
#include "platform/packed_fields.h"
#include "platform/rounding.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "render/card_drawing.h"
#include "render/cards/card_images.h"
#include "render/screen_scale.h"
#include "render/table_geometry.h"
#include "render/table_host.h"
#include "render/text_drawing.h"

namespace {

constexpr std::string_view kFace = "Kavlor4";
constexpr int32_t kSixthCardHeld = 1 << 28;
constexpr int kPutAwayRank = -100;

int BoxOfSeat(int32_t seat) {
    return seat == 0 ? 1 : seat + 2;
}

int32_t Suit(int32_t seat, int slot) {
    return hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)][kSuitPlane];
}
int32_t Rank(int32_t seat, int slot) {
    return hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)][kRankPlane];
}
bool Played(int32_t rank) {
    return rank < 0 && rank > kPutAwayRank;
}
int32_t Picture(int32_t seat, int slot) {
    return CardFunctions::CardNumber(Suit(seat, slot), Rank(seat, slot));
}

// The last index drawn: the seat's cards not yet played, less one.
int LastIndexOf(int32_t seat) {
    int count = 0;
    for (int slot = 0; slot < 5; ++slot) count += Played(Rank(seat, slot)) ? 0 : 1;
    return count - 1;
}

void ClearAndShow(TableHost& table, int box) {
    PictureBox state = table.PicBState(box);
    table.PicB(box).Fill(state.BackColor);
    state.Visible = true;
    table.SetPicBState(box, state);
}

void DrawSixCards(TableHost& table) {
    ClearAndShow(table, 1);
    Surface& dc = table.PicB(1);
    const int w = CardImages.CardWidth();
    const double s = scale.ScaleFactor;
    for (int j = 0; j < 6; ++j) {
        const int32_t card = j < 5 ? Picture(0, j)
                                   : CardFunctions::CardNumber(APIs::Nib(hand.NibCounter, 4),
                                                               APIs::Nib(hand.NibCounter, 5));
        Video::DrawCard(dc, RoundHalfEven(0.54 * w * j + 8 * s), RoundHalfEven(8 * s), card);
    }
    table.RefreshPicB(1);
}

void DrawHumanHand(TableHost& table, int c) {
    Surface& dc = table.PicB(1);
    const int w = CardImages.CardWidth();
    const int h = CardImages.CardHeight();
    const double s = scale.ScaleFactor;
    const int32_t t = RoundHalfEven(h / 5.0);
    int k = -1;
    for (int j = 0; j <= c; ++j) {
        const int32_t x = RoundHalfEven(8 * s + j * 2.0 * w / 3 + (4 - c) * w / 3.0);
        const int32_t y = RoundHalfEven(8 * s);
        if (Rank(0, j) <= kPutAwayRank) {
            Video::DrawCard(dc, x, y, Picture(0, j));
            const int32_t markX = j == 4 ? RoundHalfEven(10 * s + 19.0 * w / 6)
                                         : RoundHalfEven(10 * s + (j + 0.5) * 2.0 * w / 3);
            const int32_t colour =
                j == APIs::Nib(hand.CardUp, 4) ? Misc::InvertColor(settings.Spot) : settings.Spot;
            APIs::DrawTextFont(dc, "x", markX, t, RoundHalfEven(3.75 * scale.FontSize1),
                               APIs::kAlignCentre, kFace, 0, colour);
            continue;
        }
        ++k;
        while (k < 4 && Rank(0, k) < 0) ++k;
        Video::DrawCard(dc, x, y, Picture(0, k));
    }
    if (IsSet(flags.Stat0, Stat0Bits::ReplayNoScore)) {
        APIs::DrawTextFont(dc, tables.MessageTable[76],
                           RoundHalfEven(table.PicBState(1).Width / 2.0),
                           RoundHalfEven(h / 5.0 + t), RoundHalfEven(1.5 * scale.FontSize1),
                           APIs::kAlignCentre, kFace, 0, settings.Spot);
    }
}

void DrawRevealedHand(Surface& dc, int32_t seat) {
    const double s = scale.ScaleFactor;
    const int32_t lowY = seat == 2 ? RoundHalfEven(35 * s) : RoundHalfEven(40 * s);
    const int32_t highY = seat == 2 ? 1 : 5;
    const bool jokerUp = APIs::Nib(hand.CardUp, 0) == 7 && APIs::Nib(hand.CardUp, 1) == 6;
    for (int slot = 0; slot < 5; ++slot) {
        const int j = slot < 3 ? slot : slot - 3;
        const int32_t x = RoundHalfEven(21 * j * s + (slot < 3 ? 1 : 10));
        const int32_t y = slot < 3 ? highY : lowY;
        if (seat == 1 && jokerUp) {
            Video::DrawCardBack(dc, x, y, settings.CardBack);
        } else {
            Video::DrawCard(dc, x, y, Picture(seat, slot));
        }
    }
}

void DrawComputerHand(Surface& dc, int32_t seat, int c) {
    for (int j = 0; j <= c; ++j) {
        int32_t dx = 0;
        int32_t dy = 0;
        FormFunctions::RandomCardOffset(dx, dy, 0, 0);
        const int32_t along = 20 * j + 5 + 10 * (4 - c);
        if (seat == 2) {
            Video::DrawTrickCard(dc, along + dx, dy + 5, settings.CardBack + 11, 0);
        } else {
            Video::DrawTrickCard(dc, dx + 5, along + dy, settings.CardBack + (seat == 1 ? 1 : 11),
                                 1);
        }
    }
}

void DrawSeat(TableHost& table, int32_t seat, int c) {
    const int box = BoxOfSeat(seat);
    if (seat == 0 && (hand.NibCounter & kSixthCardHeld)) {
        DrawSixCards(table);
        return;
    }
    table.PicB(box).Fill(table.PicBState(box).BackColor);
    if (seat == 0) {
        DrawHumanHand(table, c);
    } else if (IsSet(flags.Stat0, Stat0Bits::RevealMode)) {
        DrawRevealedHand(table.PicB(box), seat);
    } else {
        DrawComputerHand(table.PicB(box), seat, c);
    }
    table.RefreshPicB(box);
}

void FinishDrawing(TableHost& table) {
    ClearBit(flags.Stat0, Stat0Bits::DrawingHands);
    if (IsSet(flags.Stat0, Stat0Bits::RebuildMainWindow)) table.Unload();
}

}  // namespace

void Video::DrawHands(int32_t mode, const std::function<void()>& cardSound) {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    SetBit(flags.Stat0, Stat0Bits::DrawingHands);
    if (mode >= 10 && mode <= 14) {
        const int box = mode - 10;
        table->PicB(box).Fill(table->PicBState(box).BackColor);
        table->RefreshPicB(box);
        FinishDrawing(*table);
        return;
    }
    if (mode == 33) {
        DrawSixCards(*table);
        FinishDrawing(*table);
        return;
    }
    if (mode == 0 || mode == 1) {
        for (int box : {1, 3, 4, 5}) ClearAndShow(*table, box);
    } else if (mode == 2) {
        ClearAndShow(*table, 1);
    } else if (mode >= 5 && mode <= 7) {
        ClearAndShow(*table, mode - 2);
    }
    const int32_t dealer = Misc::DealerSeat();
    const int steps = mode == 0 ? 8 : mode == 1 ? 4 : 1;
    for (int i = 0; i < steps; ++i) {
        int32_t seat = 0;
        int c = 0;
        if (mode == 0) {
            APIs::Pause(0.2);
            if (cardSound) cardSound();
            seat = CardFunctions::Wrap4(dealer + i + 2);
            c = i >= 4 ? 4 : (i % 2 == 0 ? 2 : 1);
        } else {
            seat = mode == 1 ? (dealer + i) % 4 : mode == 2 ? 0 : mode - 4;
            c = LastIndexOf(seat);
        }
        if (flow.QuitNow) return;
        DrawSeat(*table, seat, c);
    }
    FinishDrawing(*table);
}

void Video::DrawDealtHands(const std::function<void()>& cardSound) {
    DrawHands(0, cardSound);
}
